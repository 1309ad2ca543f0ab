#pragma once
// The modal interface the Qt layers' tests install: it answers at once, with
// whatever the test queued, and records what it was shown and asked.

#include <QColor>
#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "widgets/modalis_felulet.h"

namespace zelvaris::teszt {

class TValaszoloModalis : public TModalisFelulet {
 public:
  struct TUzenet {
    TUzenetFajta Fajta;
    QString Szoveg;
  };
  std::vector<TUzenet> Uzenetek;
  // Runs while a message is up (as focus moving to the message box would).
  std::function<void()> UzenetKozben;
  std::vector<QString> Kerdesek;
  std::deque<bool> Valaszok;  // one per question; none left: IgenValasz
  bool IgenValasz = true;
  QString MegnyitandoFajl;
  QString MentendoFajl;
  std::optional<QColor> ValasztottSzin;
  // One answer per dialog shown, in order; none left: Rejected.
  std::deque<std::function<int(QDialog&)>> Dialogusok;
  int DialogusDarab = 0;

  void Uzenet(QWidget*, TUzenetFajta fajta, const QString&, const QString& szoveg) override {
    Uzenetek.push_back({fajta, szoveg});
    if (UzenetKozben) UzenetKozben();
  }
  bool IgenNem(QWidget*, const QString&, const QString& kerdes) override {
    Kerdesek.push_back(kerdes);
    if (Valaszok.empty()) return IgenValasz;
    const bool v = Valaszok.front();
    Valaszok.pop_front();
    return v;
  }
  QString FajlMegnyitas(QWidget*, const QString&, const QString&, const QString&) override {
    return MegnyitandoFajl;
  }
  QString FajlMentes(QWidget*, const QString&, const QString&, const QString&) override {
    return MentendoFajl;
  }
  std::optional<QColor> Szin(QWidget*, const QColor&) override { return ValasztottSzin; }
  int Dialogus(QDialog& d) override {
    ++DialogusDarab;
    if (Dialogusok.empty()) return QDialog::Rejected;
    auto valasz = std::move(Dialogusok.front());
    Dialogusok.pop_front();
    return valasz(d);
  }
};

}  // namespace zelvaris::teszt
