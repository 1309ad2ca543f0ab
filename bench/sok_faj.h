#pragma once
// What the benchmarks of the whole program share: a modal interface that
// answers at once without a nested event loop, and a configuration file with
// many species, loaded as the user loads one, through the main window.

#include <QDialog>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "persistence/konfiguracio.h"
#include "widgets/alkalmazas_kornyezet.h"
#include "widgets/modalis_felulet.h"

namespace zelvaris::bench {

// Messages are dropped, questions answered No, dialogs cancelled.
class TCsendesModalis : public TModalisFelulet {
 public:
  void Uzenet(QWidget*, TUzenetFajta, const QString&, const QString&) override {}
  bool IgenNem(QWidget*, const QString&, const QString&) override { return false; }
  QString FajlMegnyitas(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString FajlMentes(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  std::optional<QColor> Szin(QWidget*, const QColor&) override { return std::nullopt; }
  int Dialogus(QDialog&) override { return QDialog::Rejected; }
};

// Writes a configuration of side `oldal`: `novenyek` plant species and
// `allatok` grazers, each grazer eating one of the plants, every species
// asking for `db` start individuals.
inline void SokFajosKonfiguracio(TAlkalmazasKornyezet& kornyezet, const std::filesystem::path& fajl, int allatok,
                                 int novenyek, int32_t oldal, int32_t db) {
  auto oko = kornyezet.UjOkoszisztema();
  oko->Atmeretez(oldal);
  for (int i = 0; i < novenyek; ++i) {
    TNovenyFaj& p = oko->UjNovenyFaj("növény " + std::to_string(i));
    p.SetSzin(Rgb(20 + (i * 37) % 200, 120 + (i * 13) % 120, 20 + (i * 7) % 60));
    p.Tomeg = 30;
    p.Novekmeny = 3;
    p.PopulacioMeret = db;
  }
  for (int i = 0; i < allatok; ++i) {
    TAllatFaj& f = oko->UjAllatFaj("állat " + std::to_string(i));
    f.SetSzin(Rgb(120 + (i * 41) % 130, (i * 29) % 120, (i * 53) % 250));
    f.PopulacioMeret = db;
    f.SetTomeg(5);
    f.Kor = 80;
    f.Vemhes = 5;
    f.Ivarerettseg = 10;
    f.Regeneralodas = 4;
    f.SzuloSugar = 2;
    f.Utod = 3;
    f.Ehes = 8;
    f.Jollakottsag = 10;
    f.SetMozgasHossz(20);
    if (novenyek > 0) f.Predak.SetNovenyPredak({{i % novenyek}});
  }
  OkoCfgMentese(*oko, fajl);
}

}  // namespace zelvaris::bench
