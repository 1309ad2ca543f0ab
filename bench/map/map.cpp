// Costs of drawing the world: a full redraw of a side-2000 map, passes after
// changes of the same number of cells on a small and a large map, and steps
// per second on the fastest timer with drawing on and off, for the example
// meadow and for the denser standard world of the step benchmark, and the
// time from a click on the map's "Mindet" box for animals in the display
// settings (25 animal and 25 plant species on a side-2000 map) until the map
// has been painted again (the slowest of four clicks, off and on).
// With "--kepek DIR" it saves the meadow's map and magnifier as PNG instead;
// with "--ret" it runs only the meadow with drawing on (for a profiler).

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "monitors/form_goc.h"
#include "monitors/form_ngy.h"
#include "monitors/form_tkp.h"
#include "persistence/konfiguracio.h"
#include "widgets/alkalmazas_kornyezet.h"
#include "widgets/kepkocka.h"

#include "bench/proba_vilag.h"
#include "bench/sok_faj.h"
#include "monitors/form_kijelzes.h"
#include "monitors/terkep_vaszon.h"
#include "shell/program.h"

using namespace zelvaris;

namespace {

struct TAblakok {
  TAlkalmazasKornyezet kornyezet{QDir::currentPath().toStdString()};
  TForm_Goc goc{kornyezet};
  TForm_Tkp terkep{kornyezet, goc};
  TForm_Ngy nagyito{kornyezet, terkep};

  TOkoszisztema& Vilag(int32_t oldal, double arany) {
    auto oko = kornyezet.UjOkoszisztema();
    oko->Atmeretez(oldal);
    bench::ProbaVilag(*oko, arany);
    kornyezet.OkoszisztemaCsere(std::move(oko));
    kornyezet.Okoszisztema().Alkalmaz();
    return Megjelenites();
  }

  // The example meadow as the program ships it, from a fixed seed.
  TOkoszisztema& Ret() {
    kornyezet.OkoszisztemaCsere(
        OkoCfgBetoltese(std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data/okocfg/meadow.okocfg",
                        kornyezet.Veletlen(), kornyezet.Tabla()));
    kornyezet.Veletlen().MagBeallitasa(1);
    kornyezet.Okoszisztema().Alkalmaz();
    return Megjelenites();
  }

  TOkoszisztema& Megjelenites() {
    terkep.TerkepMeretezes();
    nagyito.NagyitoMeretezes();
    terkep.show();
    nagyito.show();
    QApplication::processEvents();
    return kornyezet.Okoszisztema();
  }
};

// A sink that draws nothing: what the world's own walk over the cells costs.
class TUresRajzolo : public TRajzolo {
 public:
  void KepekUjraepitese(int64_t, bool) override {}
  void RajzolasKezdete(bool) override {}
  void RajzolasVege() override {}
  void TerkepPont(int64_t, int64_t, TSzin) override {}
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override {}
};

// Forwards to the windows' sink and times each drawing pass.
class TMeroRajzolo : public TRajzolo {
 public:
  explicit TMeroRajzolo(TRajzolo& cel) : cel_(cel) {}
  void KepekUjraepitese(int64_t oldal, bool uj) override { cel_.KepekUjraepitese(oldal, uj); }
  void RajzolasKezdete(bool mindet) override {
    ora_.start();
    cel_.RajzolasKezdete(mindet);
  }
  void RajzolasVege() override {
    cel_.RajzolasVege();
    ns += ora_.nsecsElapsed();
    ++menetek;
  }
  void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) override { cel_.TerkepPont(oszlop, sor, szin); }
  void TerkepSor(int64_t sor, const TSzin* szinek, int64_t darab) override {
    cel_.TerkepSor(sor, szinek, darab);
  }
  void NagyitoNegyzet(int32_t oszlop, int32_t sor, TSzin hatter, bool vanAllat, int32_t nem,
                      TSzin allatSzin) override {
    cel_.NagyitoNegyzet(oszlop, sor, hatter, vanAllat, nem, allatSzin);
  }
  qint64 ns = 0;
  int menetek = 0;

 private:
  TRajzolo& cel_;
  QElapsedTimer ora_;
};

struct TUjrarajzolas {
  double ablakokkal = 0;  // into the images, with the windows repainting
  double uresRajzoloval = 0;
};

TUjrarajzolas TeljesUjrarajzolas(TAblakok& a) {
  TOkoszisztema& oko = a.Vilag(2000, 25.0);
  constexpr int kor = 10;
  TUjrarajzolas eredmeny;
  QElapsedTimer ora;
  ora.start();
  for (int i = 0; i < kor; ++i) {
    oko.Ujrarajzol();
    QApplication::processEvents();
  }
  eredmeny.ablakokkal = static_cast<double>(ora.nsecsElapsed()) / kor / 1e6;
  TUresRajzolo ures;
  oko.RajzoloBeallitasa(&ures);
  ora.restart();
  for (int i = 0; i < kor; ++i) oko.Ujrarajzol();
  eredmeny.uresRajzoloval = static_cast<double>(ora.nsecsElapsed()) / kor / 1e6;
  oko.RajzoloBeallitasa(&a.terkep.Rajzolo());
  return eredmeny;
}

// A drawing pass after `db` animals appeared in scattered cells, and the
// repaint of the windows it causes; microseconds.
struct TReszleges {
  double rajzolas = 0;
  double ujrafestes = 0;
};

TReszleges Reszleges(TAblakok& a, int32_t oldal, int32_t db) {
  TOkoszisztema& oko = a.Vilag(oldal, 0.0);
  // Let the windows show the new world first, so only the change is timed.
  for (int i = 0; i < 3; ++i) {
    QThread::msleep(KepkockaMs + 5);
    QApplication::processEvents();
  }
  TVeletlen& v = oko.Veletlen();
  int32_t elhelyezett = 0;
  while (elhelyezett < db) {
    const int32_t sor = v.Random(oldal), oszlop = v.Random(oldal);
    if (!oko.AllatotBefogad(sor, oszlop, 0)) continue;
    oko.AllatLetrehozasa(0, sor, oszlop, TLetrehozas::Felnott);
    ++elhelyezett;
  }
  TReszleges eredmeny;
  QElapsedTimer ora;
  ora.start();
  oko.Rajzol();
  eredmeny.rajzolas = static_cast<double>(ora.nsecsElapsed()) / 1e3;
  // The windows repaint at the next frame.
  QThread::msleep(KepkockaMs + 5);
  ora.restart();
  QApplication::processEvents();
  QApplication::processEvents();
  eredmeny.ujrafestes = static_cast<double>(ora.nsecsElapsed()) / 1e3;
  return eredmeny;
}

// Steps per second with the fastest timer (1 ms) driving the steps, on the
// example meadow or on the standard world; with `meres`, the drawing passes
// are timed too.
double Lepesek(TAblakok& a, bool rajzol, int lepesek, bool peldaRet = true,
               TMeroRajzolo* meres = nullptr) {
  TOkoszisztema& oko = peldaRet ? a.Ret() : a.Vilag(300, 1.0);
  oko.SetRajzolhat(rajzol);
  if (meres != nullptr) oko.RajzoloBeallitasa(meres);
  QEventLoop hurok;
  QTimer idozito;
  idozito.setInterval(1);
  int hatra = lepesek;
  QObject::connect(&idozito, &QTimer::timeout, [&] {
    oko.Lepes();
    if (--hatra == 0) hurok.quit();
  });
  QElapsedTimer ora;
  ora.start();
  idozito.start();
  hurok.exec();
  return lepesek / (static_cast<double>(ora.nsecsElapsed()) / 1e9);
}

// How many cells one meadow step marks changed, on average over 50 steps.
double ValtozottCellak(TAblakok& a) {
  TOkoszisztema& oko = a.Ret();
  for (int i = 0; i < 50; ++i) oko.Lepes();
  oko.SetRajzolhat(false);
  constexpr int kor = 50;
  int64_t osszesen = 0;
  for (int i = 0; i < kor; ++i) {
    oko.Lepes();
    for (int32_t sor = 0; sor < oko.L(); ++sor)
      for (int32_t oszlop = 0; oszlop < oko.L(); ++oszlop) osszesen += oko.Valtozott(sor, oszlop) ? 1 : 0;
    // Drawing clears the marks for the next count.
    oko.SetRajzolhat(true);
    oko.SetRajzolhat(false);
  }
  return static_cast<double>(osszesen) / kor;
}

void Kepek(TAblakok& a, const QString& konyvtar) {
  TOkoszisztema& oko = a.Ret();
  for (int i = 0; i < 60; ++i) oko.Lepes();
  a.terkep.BalGombNyomas(QPoint(150, 150));
  QApplication::processEvents();
  QDir().mkpath(konyvtar);
  a.terkep.grab().save(konyvtar + "/terkep.png");
  a.nagyito.grab().save(konyvtar + "/nagyito.png");
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i)
    a.goc.NovenyFajHozzaadasa(QString::fromStdString(oko.NovenyFaj(i).MegjelenitettNev()));
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    a.goc.AllatFajHozzaadasa(QString::fromStdString(oko.AllatFaj(i).MegjelenitettNev()));
  a.goc.SetNovenyOldal(false);
  a.goc.adjustSize();
  a.goc.grab().save(konyvtar + "/goc.png");
}

// Counts the paint events a widget receives.
class TFestesek : public QObject {
 public:
  int db = 0;
  bool eventFilter(QObject*, QEvent* esemeny) override {
    if (esemeny->type() == QEvent::Paint) ++db;
    return false;
  }
};

double Mindet50() {
  QTemporaryDir konyvtar;
  bench::TCsendesModalis modalis;
  TProgram p(konyvtar.path().toStdString(), &modalis);
  const std::filesystem::path fajl = std::filesystem::path(konyvtar.path().toStdString()) / "mindet.okocfg";
  bench::SokFajosKonfiguracio(p.Kornyezet(), fajl, 25, 25, 2000, 20000);
  p.Fo().OkoCfgMegnyitasa(fajl);
  p.Fo().Akciok()["Act_Alkalmaz"]->trigger();
  TForm_Kijelzes& kijelzes = *p.Ablakok().Kijelzes;
  kijelzes.show();
  for (int i = 0; i < 3; ++i) {
    QThread::msleep(KepkockaMs + 5);
    QApplication::processEvents();
  }
  TFestesek festesek;
  p.Ablakok().Tkp->Vaszon().installEventFilter(&festesek);
  QCheckBox& mindet = kijelzes.Lista(true, TFajJelzo::Tkp).Mindet();
  double legtobb = 0;
  for (int i = 0; i < 4; ++i) {
    festesek.db = 0;
    QElapsedTimer ora;
    ora.start();
    mindet.click();
    while (festesek.db == 0 && ora.elapsed() < 10'000) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    legtobb = std::max(legtobb, static_cast<double>(ora.nsecsElapsed()) / 1e6);
  }
  return legtobb;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TAblakok ablakok;
  const QStringList argumentumok = QApplication::arguments();
  const int kepekHelye = static_cast<int>(argumentumok.indexOf(QStringLiteral("--kepek")));
  if (kepekHelye >= 0 && kepekHelye + 1 < argumentumok.size()) {
    Kepek(ablakok, argumentumok[kepekHelye + 1]);
    return 0;
  }
  const TUjrarajzolas teljes = TeljesUjrarajzolas(ablakok);
  if (argumentumok.contains(QStringLiteral("--ret"))) {
    // Only the meadow with drawing on, for a profiler.
    std::printf("meadow-steps-per-s-drawing: %.0f\n", Lepesek(ablakok, true, 2000));
    return 0;
  }
  std::printf("full-redraw-2000: %.1f ms\n", teljes.ablakokkal);
  std::printf("full-redraw-2000-empty-sink: %.1f ms\n", teljes.uresRajzoloval);
  for (int32_t oldal : {300, 2000}) {
    const TReszleges r = Reszleges(ablakok, oldal, 1000);
    std::printf("pass-1000-changed-cells-%d: %.0f us\n", oldal, r.rajzolas);
    std::printf("repaint-1000-changed-cells-%d: %.0f us\n", oldal, r.ujrafestes);
  }
  std::printf("meadow-steps-per-s-drawing: %.0f\n", Lepesek(ablakok, true, 1000));
  {
    TMeroRajzolo mero(ablakok.terkep.Rajzolo());
    Lepesek(ablakok, true, 300, true, &mero);
    ablakok.kornyezet.Okoszisztema().RajzoloBeallitasa(&ablakok.terkep.Rajzolo());
    std::printf("meadow-pass-us-per-step: %.0f us\n", mero.ns / 1e3 / std::max(1, mero.menetek));
  }
  std::printf("meadow-steps-per-s-no-drawing: %.0f\n", Lepesek(ablakok, false, 1000));
  std::printf("standard-world-steps-per-s-drawing: %.0f\n", Lepesek(ablakok, true, 1000, false));
  std::printf("standard-world-steps-per-s-no-drawing: %.0f\n", Lepesek(ablakok, false, 1000, false));
  std::printf("meadow-changed-cells-per-step: %.0f cells\n", ValtozottCellak(ablakok));
  std::printf("mindet-50-species-ms: %.1f ms\n", Mindet50());
  return 0;
}
