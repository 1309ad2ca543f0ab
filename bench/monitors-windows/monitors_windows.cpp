// Costs of the chart and age-pyramid windows: the meadow's steps per second
// on the fastest timer without monitors and with ten charts and ten pyramids
// open and visible, over the first 300 steps and over steps 600 to 1200 (two
// rounds, taking turns), one pyramid recompute with narrow and two-million-pixel
// bands, the memory a pyramid window takes for two-billion-pixel bands, and
// recording a step into a population source over a million steps.
// With "--profil" it also prints, for the long run with windows, where the
// event loop's time goes: paint events by widget class, timer events (the
// frame clock and the step timer) and the backing store's updates.
// With "--kepek DIR" it saves a chart and a pyramid of the running meadow as
// PNG instead.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "core/letszam_forras.h"
#include "monitors/grafikon_lista.h"
#include "monitors/korfa_lista.h"
#include "monitors/korfa_vaszon.h"
#include "persistence/konfiguracio.h"
#include "app/alkalmazas_kornyezet.h"
#include "widgets/pnx_grafikon.h"

using namespace zelvaris;

namespace {

// Times the events the windows' drawing is made of, while switched on.
class TMeroAlkalmazas : public QApplication {
 public:
  using QApplication::QApplication;
  bool meres = false;
  std::map<std::string, std::pair<qint64, long>> osszeg;  // ns, count

  bool notify(QObject* cel, QEvent* e) override {
    if (!meres || cel == nullptr) return QApplication::notify(cel, e);
    const QEvent::Type t = e->type();
    if (t != QEvent::Paint && t != QEvent::Timer && t != QEvent::UpdateRequest && t != QEvent::UpdateLater)
      return QApplication::notify(cel, e);
    // Nested events are counted in their own row and in the outer one too.
    QElapsedTimer ora;
    ora.start();
    const bool eredmeny = QApplication::notify(cel, e);
    const char* nev = t == QEvent::Paint ? "paint " : t == QEvent::Timer ? "timer " : "update-request ";
    const QObject* szulo = cel->parent();
    if (const auto* idozito = qobject_cast<const QTimer*>(cel))
      szulo = idozito->interval() == 0 ? static_cast<const QObject*>(this) : szulo;
    auto& sor = osszeg[nev + std::string(cel->metaObject()->className()) +
                       (szulo != nullptr ? std::string(" in ") + szulo->metaObject()->className() : std::string())];
    sor.first += ora.nsecsElapsed();
    ++sor.second;
    return eredmeny;
  }

  void Kiiras(int lepesek) {
    for (const auto& [nev, sor] : osszeg)
      std::printf("  %-60s %8.1f us/step %8.1f us/event %7ld events\n", nev.c_str(),
                  sor.first / 1000.0 / lepesek, sor.first / 1000.0 / std::max(1L, sor.second), sor.second);
    osszeg.clear();
  }
};

struct TProgramResz {
  TAlkalmazasKornyezet kornyezet{ZELVARIS_SOURCE_DIR};
  TGrafikonFormLista grafikonok{kornyezet};
  TKorfaFormLista korfak{kornyezet};

  void Ret() {
    kornyezet.OkoszisztemaCsere(OkoCfgBetoltese(std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data/okocfg/meadow.okocfg",
                                                kornyezet.Veletlen(), kornyezet.Tabla()));
    kornyezet.Okoszisztema().Alkalmaz();
  }
  void Ablakok(int db) {
    const int32_t allatok = kornyezet.Okoszisztema().AllatFajokSzama();
    for (int i = 0; i < db; ++i) {
      grafikonok.UjAblak();
      TForm_Korfa& k = korfak.UjAblak();
      if (allatok > 0) k.SetAllatFaj(i % allatok);
    }
  }
};

// Steps per second on a zero-interval timer, with the event loop (and so the
// windows' painting) running between the steps as in the program. The first
// `elotte` steps run the same way but untimed, so a long run can be timed
// once every chart's plot is full and slides.
double LepesPerMasodperc(TProgramResz& p, int lepesek, int elotte = 0) {
  // Windows just opened are exposed and painted in full once; that is the
  // cost of opening them, not of a step, so it is over before the clock starts.
  // Only the timed steps are profiled.
  auto* app = static_cast<TMeroAlkalmazas*>(QCoreApplication::instance());
  const bool meres = app->meres;
  app->meres = false;
  QElapsedTimer nyitas;
  nyitas.start();
  while (nyitas.elapsed() < 200) QApplication::processEvents(QEventLoop::AllEvents, 20);
  QElapsedTimer ora;
  const auto futas = [&](int db) {
    QEventLoop hurok;
    QTimer idozito;
    int hatra = db;
    QObject::connect(&idozito, &QTimer::timeout, [&] {
      p.kornyezet.Okoszisztema().Lepes();
      p.grafikonok.Leptet();
      p.korfak.Leptet();
      if (--hatra == 0) hurok.quit();
    });
    ora.start();
    idozito.start(0);
    hurok.exec();
  };
  if (elotte > 0) futas(elotte);
  app->meres = meres;
  futas(lepesek);
  return lepesek * 1000.0 / std::max<qint64>(1, ora.elapsed());
}

long RssKb() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& sor : f.readAll().split('\n'))
    if (sor.startsWith("VmRSS:")) return sor.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

double FrissitUs(TForm_Korfa& w, int32_t savSzelesseg) {
  w.SetSavSzelesseg(savSzelesseg);
  const int n = 2000;
  QElapsedTimer ora;
  ora.start();
  for (int i = 0; i < n; ++i) w.Frissit();
  return ora.nsecsElapsed() / 1000.0 / n;
}

void Kepek(const QString& konyvtar) {
  TProgramResz p;
  p.Ret();
  for (int i = 0; i < 150; ++i) p.kornyezet.Okoszisztema().Lepes();
  TForm_Grafikon& g = p.grafikonok.UjAblak();
  TForm_Korfa& k = p.korfak.UjAblak();
  k.SetAllatFaj(0);
  k.SetSavSzelesseg(3);
  k.CmB_AllatFaj()->setCurrentIndex(0);
  LepesPerMasodperc(p, 150);
  QDir().mkpath(konyvtar);
  QApplication::processEvents();
  g.grab().save(konyvtar + QStringLiteral("/grafikon.png"));
  k.grab().save(konyvtar + QStringLiteral("/korfa.png"));
  std::printf("saved: %s/grafikon.png %s/korfa.png\n", qPrintable(konyvtar), qPrintable(konyvtar));
}

}  // namespace

int main(int argc, char** argv) {
  TMeroAlkalmazas app(argc, argv);
  const QStringList args = app.arguments();
  const bool profil = args.contains(QStringLiteral("--profil"));
  if (args.size() >= 3 && args[1] == QStringLiteral("--kepek")) {
    Kepek(args[2]);
    return 0;
  }
  const int lepesek = 300;
  {
    TProgramResz p;
    p.Ret();
    std::printf("meadow-steps-per-s-no-monitors: %.1f steps/s\n", LepesPerMasodperc(p, lepesek));
  }
  {
    TProgramResz p;
    p.Ret();
    p.Ablakok(10);
    std::printf("meadow-steps-per-s-10-charts-10-pyramids: %.1f steps/s\n", LepesPerMasodperc(p, lepesek));
  }
  // Steps 600 to 1200: every chart's plot is full and slides at each step.
  // The two set-ups take turns over two rounds and each figure is their
  // total, so that a slow spell of a shared machine weighs on both alike.
  const int hosszuElotte = 600;
  const int hosszu = 600;
  const int korok = 2;
  double nelkulMp = 0;
  double ablakokkalMp = 0;
  for (int kor = 0; kor < korok; ++kor) {
    {
      TProgramResz p;
      p.Ret();
      nelkulMp += hosszu / LepesPerMasodperc(p, hosszu, hosszuElotte);
    }
    {
      TProgramResz p;
      p.Ret();
      p.Ablakok(10);
      app.meres = profil;
      ablakokkalMp += hosszu / LepesPerMasodperc(p, hosszu, hosszuElotte);
      app.meres = false;
    }
  }
  std::printf("meadow-steps-per-s-no-monitors-long: %.1f steps/s\n", korok * hosszu / nelkulMp);
  std::printf("meadow-steps-per-s-10-charts-10-pyramids-long: %.1f steps/s\n", korok * hosszu / ablakokkalMp);
  if (profil) app.Kiiras(korok * hosszu);
  {
    TProgramResz p;
    auto oko = p.kornyezet.UjOkoszisztema();
    oko->UjAllatFaj("nyúl");
    p.kornyezet.OkoszisztemaCsere(std::move(oko));
    TKorfaForras& korfa = p.kornyezet.Okoszisztema().Korfa;
    for (int32_t kor = 1; kor <= 1000; ++kor)
      for (int nem = 0; nem < 2; ++nem) korfa.Hozzaad(0, nem, kor);
    TForm_Korfa& w = p.korfak.UjAblak();
    w.SetAllatFaj(0);
    std::printf("pyramid-frissit-us-band-10: %.2f us\n", FrissitUs(w, 10));
    std::printf("pyramid-frissit-us-band-1e6: %.2f us\n", FrissitUs(w, 1000000));
    const long elotte = RssKb();
    w.SetSavSzelesseg(2000000000);
    QApplication::processEvents();
    (void)w.Vaszon().viewport()->grab();
    std::printf("pyramid-window-bytes: %ld bytes of resident memory added for a %lld-pixel-high pyramid\n",
                (RssKb() - elotte) * 1024, static_cast<long long>(w.Vaszon().KepMagassag()));
  }
  {
    TLetszamForras forras;
    forras.SorokBeallitasa(5);
    QElapsedTimer ora;
    double legnagyobb = 0, elso = 0, utolso = 0;
    const int blokk = 100000;
    for (int b = 0; b < 10; ++b) {
      ora.start();
      for (int i = 0; i < blokk; ++i) {
        forras.HosszBeallitasa(forras.Hossz() + 1);
        for (int32_t s = 0; s < 5; ++s) forras.ErtekBeallitasa(s, forras.Hossz() - 1, static_cast<float>(i));
      }
      const double us = ora.nsecsElapsed() / 1000.0 / blokk;
      legnagyobb = std::max(legnagyobb, us);
      if (b == 0) elso = us;
      utolso = us;
    }
    std::printf("record-us-at-1e6-steps: %.4f us (first 1e5: %.4f, last 1e5: %.4f, worst 1e5: %.4f; Kapacitas %d)\n",
                utolso, elso, utolso, legnagyobb, forras.Kapacitas());
  }
  return 0;
}
