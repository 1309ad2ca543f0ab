// Costs of the species editors: a keystroke in the lifespan field with 20
// editors open on the species (each follows at once), the first fill of an
// animal editor on a fresh program (it counts the ring sizes up to the
// largest radius once), the slowest keystroke in either movement field, and
// loading a configuration of 200 animal and 50 plant species through the main
// window, which registers every species in every window that lists species
// (the slowest of three loads, the windows that list them shown).

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "bench/sok_faj.h"
#include "editors/faj_form_lista.h"
#include "editors/form_allat_teljes.h"
#include "editors/szerkeszto_spin.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_permetek.h"
#include "shell/program.h"
#include "widgets/alkalmazas_kornyezet.h"

using namespace zelvaris;

namespace {

// One key as the user types it, through the field's own event handling.
void Billentyu(QWidget* w, QChar c) {
  QKeyEvent le(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
  QApplication::sendEvent(w, &le);
  QKeyEvent fel(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
  QApplication::sendEvent(w, &fel);
}

TSzerkesztoSpin* Mezo(QWidget& w, const char* nev) {
  return w.findChild<TSzerkesztoSpin*>(QString::fromLatin1(nev));
}

// The editors alone, on a program context of their own.
struct TSzerkesztok {
  QTemporaryDir konyvtar;
  TAlkalmazasKornyezet k{std::filesystem::path(konyvtar.path().toStdString())};
  TAllatFormLista allatok{k};
};

double Bejegyzes250() {
  QTemporaryDir konyvtar;
  bench::TCsendesModalis modalis;
  TProgram p(konyvtar.path().toStdString(), &modalis);
  const std::filesystem::path fajl = std::filesystem::path(konyvtar.path().toStdString()) / "sok.okocfg";
  bench::SokFajosKonfiguracio(p.Kornyezet(), fajl, 200, 50, 300, 0);
  p.Fo().show();
  p.Ablakok().AllatTeljes->show();
  p.Ablakok().Kijelzes->show();
  p.Ablakok().Permetek->show();
  QApplication::processEvents();
  double legtobb = 0;
  for (int i = 0; i < 3; ++i) {
    QElapsedTimer ido;
    ido.start();
    p.Fo().OkoCfgMegnyitasa(fajl);
    // The windows' repaints and relayouts that the registration asked for.
    QApplication::processEvents();
    legtobb = std::max(legtobb, ido.nsecsElapsed() / 1e6);
  }
  return legtobb;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  {
    TSzerkesztok p;
    p.k.Okoszisztema().UjAllatFaj("Nyúl");
    QElapsedTimer ido;
    ido.start();
    TFajSzerkeszto& w = p.allatok.UjAblak(0);
    std::printf("mozgas-first-fill-ms: %.1f ms\n", ido.nsecsElapsed() / 1e6);

    double legtobb = 0;
    for (const char* nev : {"SpE_MozgasHossz", "SpE_MozgasSugar"}) {
      TSzerkesztoSpin* m = Mezo(w, nev);
      for (const QString& szam : {QStringLiteral("2000000000"), QStringLiteral("2147483647"),
                                  QStringLiteral("-2147483648"), QStringLiteral("25231")}) {
        m->selectAll();
        for (QChar c : szam) {
          ido.restart();
          Billentyu(m, c);
          legtobb = std::max(legtobb, ido.nsecsElapsed() / 1e6);
        }
      }
    }
    std::printf("mozgas-keystroke-max-ms: %.3f ms\n", legtobb);
  }

  {
    TSzerkesztok p;
    p.k.Okoszisztema().UjAllatFaj("Nyúl");
    for (int i = 0; i < 20; ++i) p.allatok.UjAblak(0);
    TSzerkesztoSpin* kor = Mezo(p.allatok.Szerkeszto(0), "SpE_Kor");
    constexpr int kBillentyuk = 2000;
    kor->selectAll();
    QElapsedTimer ido;
    ido.start();
    for (int i = 0; i < kBillentyuk; ++i) {
      // Keeps the text short: every ninth key starts the number again.
      if (i % 9 == 0) kor->selectAll();
      Billentyu(kor, QChar(u'1' + i % 9));
    }
    std::printf("editor-keystroke-us: %.1f us\n", ido.nsecsElapsed() / 1e3 / kBillentyuk);
  }

  std::printf("register-250-species-ms: %.0f ms\n", Bejegyzes250());
  return 0;
}
