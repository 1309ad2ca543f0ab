// Chart drawing costs: the per-step work per series, a full repaint of a
// wide chart, and a long run fed at full speed with the screen following.
#include <QApplication>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <vector>

#include "widgets/pnx_grafikon.h"

using namespace zelvaris;

namespace {

constexpr int Sorozatok = 20;

struct Adatok {
  std::vector<std::vector<float>> sorok;
  int64_t hossz = 0;
  explicit Adatok(int64_t n) : sorok(Sorozatok) {
    for (int s = 0; s < Sorozatok; ++s) {
      sorok[s].resize(static_cast<size_t>(n));
      for (int64_t i = 0; i < n; ++i)
        sorok[s][static_cast<size_t>(i)] = float(100 + 90 * std::sin(i / (20.0 + s)) + (i * 7919 % 13));
    }
  }
  TAdatForras Forras(int s) {
    return {[this, s](int64_t i) { return sorok[s][static_cast<size_t>(i)]; }, [this] { return hossz; }};
  }
};

void Feltolt(TPnx_Grafikon& g, Adatok& a) {
  for (int s = 0; s < Sorozatok; ++s) g.UjAdatCsoport(a.Forras(s)).SetSzin(QColor::fromHsv(s * 18, 255, 200));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  // Per-step cost: state, labels and the pending segments, drawn every step.
  {
    Adatok a(200000);
    TPnx_Grafikon g;
    g.resize(1000 + 74 + 161, 400);
    g.SetCsusztatas(200);
    Feltolt(g, a);
    g.show();
    QApplication::processEvents();
    const int lepesek = 20000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < lepesek; ++i) {
      ++a.hossz;
      g.Leptet();
      g.Kep();
    }
    const double us = t.nsecsElapsed() / 1000.0 / lepesek / Sorozatok;
    std::printf("leptet-us-per-series: %.2f us\n", us);
  }

  // Full repaint: 20 series across a 1000-pixel plot.
  {
    Adatok a(1000);
    TPnx_Grafikon g;
    g.resize(1000 + 74 + 161, 400);
    Feltolt(g, a);
    g.show();
    QApplication::processEvents();
    a.hossz = 999;
    g.SetHossz(999);
    g.Kep();
    const int ismetles = 200;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < ismetles; ++i) {
      g.Frissit();
      g.Kep();
    }
    std::printf("full-repaint-ms: %.3f ms\n", t.nsecsElapsed() / 1e6 / ismetles);
  }

  // A long run at full speed: every step lets the event loop run, the
  // screen catches up at most once per frame.
  {
    const int64_t lepesek = 100000;
    Adatok a(lepesek);
    TPnx_Grafikon g;
    g.resize(678, 307);
    Feltolt(g, a);
    g.show();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    double elsoFel = 0;
    for (int64_t i = 0; i < lepesek; ++i) {
      ++a.hossz;
      g.Leptet();
      QApplication::processEvents();
      if (i == lepesek / 2 - 1) elsoFel = t.nsecsElapsed() / 1e9;
    }
    const double ossz = t.nsecsElapsed() / 1e9;
    std::printf("steps-per-s-20-series: %.0f steps/s\n", lepesek / ossz);
    std::printf("steps-per-s-first-half: %.0f steps/s\n", (lepesek / 2) / elsoFel);
    std::printf("steps-per-s-second-half: %.0f steps/s\n", (lepesek / 2) / (ossz - elsoFel));
  }
  return 0;
}
