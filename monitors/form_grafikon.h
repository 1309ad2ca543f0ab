#pragma once
// The chart window "Grafikon": the population history of every species in
// one chart, plants first, then animals, each in Id order. A series knows its
// species by kind and Id and reads its row through the population source, so
// a rename, a recolour or a row that grows reaches the right series even
// when a plant and an animal share a display name.
//
// The panel's view box switches the chart to the doses instead: per animal
// species its mean degradable dose and, dashed, its mean persistent dose,
// both in the species' colour.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "persistence/sorozat_csv.h"

class QAction;

namespace zelvaris {

class TNyelviTabla;
class TOkoszisztema;
class TPnx_Grafikon;

enum class TSorozatFajta { Noveny, Allat };
enum class TGrafikonNezet { Letszam, Dozis };

class TForm_Grafikon : public QWidget {
  Q_OBJECT

 public:
  // Reads the ecosystem's population sources; the window must go before the ecosystem.
  explicit TForm_Grafikon(TOkoszisztema& okoszisztema, QWidget* szulo = nullptr);

  TPnx_Grafikon& Grafikon() const { return *grafikon_; }
  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // The right button's menu: "Kép mentése PNG-be..." (the window as shown)
  // and "Adatok mentése CSV-be..."; whoever opens the window binds them.
  QAction* KepMentesAkcio() const { return kepMentes_; }
  QAction* AdatMentesAkcio() const { return adatMentes_; }

  // The chart starts at the elapsed step count and gets a series for every
  // species, plants first.
  void Megnyitas();
  // A series for a species of the ecosystem; one already present is kept.
  void SorozatHozzaadas(TSorozatFajta fajta, int32_t id);
  // The series of that species takes its current display name or colour.
  void Atnevezes(TSorozatFajta fajta, int32_t id);
  void Atszinezes(TSorozatFajta fajta, int32_t id);

  // The first series whose name is exactly `nev`, or -1.
  int SorozatKeres(const QString& nev) const;
  // The series of that species, or -1.
  int SorozatIndex(TSorozatFajta fajta, int32_t id) const;

  TGrafikonNezet Nezet() const { return nezet_; }
  // The series are made anew for the view; the length, the window and the
  // scale stay (a ticked fit box fits the new series).
  void SetNezet(TGrafikonNezet nezet);
  // What "Adatok mentése CSV-be..." writes: the view's columns.
  std::vector<TSorozatOszlop> CsvOszlopok() const;

  // Steps both sources have recorded.
  int64_t Rogzitett() const;
  // Advances the chart to what the sources have recorded, one point at a
  // time (a tick whose step failed is caught up), never beyond it.
  void Leptet();

 private:
  struct TKulcs {
    TSorozatFajta Fajta;
    int32_t Id;
    // A dose view's persistent series (the other is the degradable one).
    bool Perzisztens = false;
  };
  // The language's texts a view change needs again.
  struct TSzovegek {
    std::array<QString, 9> Feliratok;
    QString DozisCim;
    QString DozisYFelirat;
    QString DegAtlag;
    QString PerAtlag;
  };
  void SzovegekTarolasa(const TNyelviTabla& tabla);
  void FeliratokAlkalmazasa();
  QString SorozatNev(const TKulcs& k) const;
  void SorozatFelvetele(const TLetszamForras& forras, const TKulcs& kulcs);

  TOkoszisztema& okoszisztema_;
  TPnx_Grafikon* grafikon_;
  TGrafikonNezet nezet_ = TGrafikonNezet::Letszam;
  TSzovegek szovegek_;
  std::vector<TKulcs> kulcsok_;
  QAction* kepMentes_;
  QAction* adatMentes_;
};

}  // namespace zelvaris
