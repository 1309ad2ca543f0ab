#pragma once
// The modal interface the monkey installs: every message is written to the
// log and every question, file dialog, colour dialog and program dialog is
// answered at random, as a hurried user would: accept, cancel, a name in
// the folder, fields typed into before OK.

#include <QDir>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "widgets/modalis_felulet.h"

namespace zelvaris {

class TVeletlenBemenet;

class TMajomModalis : public TModalisFelulet {
 public:
  // `mappa` is where files are opened from and saved to; `naplo` takes one
  // line of the log.
  TMajomModalis(QString mappa, std::function<void(const QString&)> naplo);

  // The generator of the action under way; the answers draw from it.
  void SetVeletlen(TVeletlenBemenet* v) { v_ = v; }
  // Message boxes the program's error handler showed.
  int Kivetelek() const { return kivetelek_; }
  // The next side-length dialog is answered with `l` and OK.
  void KovetkezoOldalhossz(int64_t l) { kovetkezoOldal_ = l; }

  void Uzenet(QWidget* szulo, TUzenetFajta fajta, const QString& cim, const QString& szoveg) override;
  bool IgenNem(QWidget* szulo, const QString& cim, const QString& kerdes) override;
  QString FajlMegnyitas(QWidget* szulo, const QString& cim, const QString& konyvtar,
                        const QString& szuro) override;
  QString FajlMentes(QWidget* szulo, const QString& cim, const QString& konyvtar,
                     const QString& szuro) override;
  std::optional<QColor> Szin(QWidget* szulo, const QColor& kezdo) override;
  int Dialogus(QDialog& dialogus) override;

 private:
  void GocKitoltes(QDialog& dialogus);

  QString mappa_;
  std::function<void(const QString&)> naplo_;
  TVeletlenBemenet* v_ = nullptr;
  int kivetelek_ = 0;
  std::optional<int64_t> kovetkezoOldal_;
};

}  // namespace zelvaris
