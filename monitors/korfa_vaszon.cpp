#include "monitors/korfa_vaszon.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace zelvaris {

namespace {
constexpr int KepkockaMs = 16;
// The largest range handed to the scroll bar; beyond it a step stands for many rows.
constexpr int64_t GorgetoHatar = int64_t{1} << 30;
const QColor Ezust(192, 192, 192);

// An image rectangle moved into view coordinates and clamped just outside
// the view, so that cut edges stay out of sight.
QRect Nezetbe(const korfa::TTeglalap& t, int64_t teteje, int szel, int mag) {
  auto szorit = [](int64_t v, int64_t also, int64_t felso) { return std::clamp(v, also, felso); };
  const int64_t bal = szorit(t.Bal, -2, szel + 2);
  const int64_t jobb = szorit(t.Jobb, -2, szel + 2);
  const int64_t fel = szorit(t.Felso - teteje, -2, mag + 2);
  const int64_t le = szorit(t.Also - teteje, -2, mag + 2);
  return QRect(QPoint(static_cast<int>(bal), static_cast<int>(fel)),
               QPoint(static_cast<int>(jobb) - 1, static_cast<int>(le) - 1));
}
}  // namespace

TKorfaVaszon::TKorfaVaszon(QWidget* szulo) : QAbstractScrollArea(szulo) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  kepkocka_ = new QTimer(this);
  kepkocka_->setSingleShot(true);
  kepkocka_->setInterval(KepkockaMs);
  connect(kepkocka_, &QTimer::timeout, this, [this] { viewport()->update(); });
}

void TKorfaVaszon::SetTartalom(const TKorfaSorok* sorok, const QColor& savSzin, int64_t savSzam,
                               int64_t osztalyokSavonkent, const korfa::TBeallitas& beallitas) {
  sorok_ = sorok;
  savSzin_ = savSzin;
  savSzam_ = savSzam;
  osztalyokSavonkent_ = std::max<int64_t>(1, osztalyokSavonkent);
  beallitas_ = beallitas;
}

int64_t TKorfaVaszon::KepSzelesseg() const { return viewport()->width(); }

int64_t TKorfaVaszon::TenylegesMagassag() const {
  return kepMagassag_ < 0 ? viewport()->height() : kepMagassag_;
}

void TKorfaVaszon::SetKepMagassag(int64_t h) {
  kepMagassag_ = std::max<int64_t>(1, h);
  GorgetoBeallitas();
  Aljara();
  Rajzolas();
}

void TKorfaVaszon::Aljara() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

int64_t TKorfaVaszon::Teteje() const {
  const QScrollBar* g = verticalScrollBar();
  if (maxTeteje_ <= 0 || g->maximum() <= 0) return 0;
  if (maxTeteje_ <= GorgetoHatar) return g->value();
  // Scaled: the ends of the bar reach the ends of the image exactly.
  const auto ertek = static_cast<__int128>(g->value()) * maxTeteje_ / g->maximum();
  return static_cast<int64_t>(ertek);
}

void TKorfaVaszon::GorgetoBeallitas() {
  const int lathato = viewport()->height();
  maxTeteje_ = std::max<int64_t>(0, TenylegesMagassag() - lathato);
  QScrollBar* g = verticalScrollBar();
  const bool aljan = g->value() >= g->maximum();
  if (maxTeteje_ <= GorgetoHatar) {
    g->setRange(0, static_cast<int>(maxTeteje_));
    g->setPageStep(std::max(1, lathato));
    g->setSingleStep(20);
  } else {
    g->setRange(0, static_cast<int>(GorgetoHatar));
    const int64_t sorPerLepes = maxTeteje_ / GorgetoHatar + 1;
    g->setPageStep(static_cast<int>(std::max<int64_t>(1, lathato / sorPerLepes)));
    g->setSingleStep(1);
  }
  if (aljan) Aljara();
}

void TKorfaVaszon::SetEngedelyezett(bool v) {
  engedelyezett_ = v;
  if (v) Rajzolas();
}

void TKorfaVaszon::Rajzolas() {
  if (!engedelyezett_ || !isVisible()) return;
  if (!kepkocka_->isActive()) kepkocka_->start();
}

void TKorfaVaszon::paintEvent(QPaintEvent* esemeny) {
  QPainter p(viewport());
  const int szel = viewport()->width();
  const int mag = viewport()->height();
  const int64_t w = szel;
  const int64_t h = TenylegesMagassag();
  const int64_t teteje = Teteje();
  // Below a short image the area shows its own background.
  p.fillRect(esemeny->rect(), palette().color(QPalette::Window));
  if (!engedelyezett_) return;

  p.fillRect(Nezetbe({0, 0, w, h}, teteje, szel, mag), Ezust);
  // The centre line's last point, as every line's, is not drawn.
  const int64_t c = w / 2;
  p.fillRect(Nezetbe({c, 0, c + 1, h - 1}, teteje, szel, mag), Qt::black);
  if (sorok_ == nullptr || savSzam_ <= 0) return;

  const korfa::TSavTartomany savok =
      korfa::LathatoSavok(h, beallitas_.SavSzelesseg, savSzam_, teteje, teteje + mag);
  auto sav = [&](const korfa::TSarokPar& sarkok) {
    const korfa::TTeglalap t = korfa::Lefedes(sarkok);
    if (t.Ures()) return;
    // Black outline, filled inside with the bar colour.
    p.fillRect(Nezetbe(t, teteje, szel, mag), Qt::black);
    const korfa::TTeglalap belso{t.Bal + 1, t.Felso + 1, t.Jobb - 1, t.Also - 1};
    if (!belso.Ures()) p.fillRect(Nezetbe(belso, teteje, szel, mag), savSzin_);
  };
  for (int64_t b = savok.Elso; b <= savok.Utolso; ++b) {
    const int64_t no = korfa::SavOsszeg(*sorok_, 1, b, osztalyokSavonkent_);
    const int64_t ferfi = korfa::SavOsszeg(*sorok_, 0, b, osztalyokSavonkent_);
    sav(korfa::NoiSav(w, h, b, beallitas_.SavSzelesseg, korfa::SavHosszPx(no, beallitas_.SavHossz)));
    sav(korfa::FerfiSav(w, h, b, beallitas_.SavSzelesseg, korfa::SavHosszPx(ferfi, beallitas_.SavHossz)));
  }
}

void TKorfaVaszon::resizeEvent(QResizeEvent* esemeny) {
  QAbstractScrollArea::resizeEvent(esemeny);
  GorgetoBeallitas();
  Aljara();
}

void TKorfaVaszon::showEvent(QShowEvent* esemeny) {
  QAbstractScrollArea::showEvent(esemeny);
  viewport()->update();
}

void TKorfaVaszon::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace zelvaris
