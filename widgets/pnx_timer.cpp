#include "pnx_timer.h"

#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <algorithm>

#include "spin_mezo.h"

namespace zelvaris {

namespace {
constexpr int CsuszkaSzelesseg = 32;
constexpr int CimkeMagassag = 13;
}  // namespace

TPnx_Timer::TPnx_Timer(QWidget* szulo) : QFrame(szulo) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setMinimumSize(34, 100);

  cimke_ = new QLabel(caption_, this);
  cimke_->setAlignment(Qt::AlignCenter);

  csuszka_ = new QSlider(Qt::Vertical, this);
  csuszka_->setRange(0, 12);
  // Position 0, the fastest, at the top.
  csuszka_->setInvertedAppearance(true);
  csuszka_->setInvertedControls(true);
  csuszka_->setTickPosition(QSlider::TicksBothSides);
  csuszka_->setPageStep(1);

  mezo_ = new TSpinMezo(this);
  mezo_->SetTartomany(1, MaxIntervallum);
  mezo_->SetLepes(10);
  mezo_->SetErtek(1);
  msCimke_ = new QLabel(QStringLiteral("ms."), this);

  idozito_ = new QTimer(this);
  idozito_->setInterval(1);
  connect(idozito_, &QTimer::timeout, this, &TPnx_Timer::Timer);
  connect(csuszka_, &QSlider::valueChanged, this, &TPnx_Timer::CsuszkaValtozott);
  connect(mezo_, &TSpinMezo::Valtozas, this, &TPnx_Timer::MezoValtozott);

  resize(56, 160);
  idozito_->start();
}

void TPnx_Timer::SetCaption(const QString& szoveg) {
  if (szoveg == caption_) return;
  caption_ = szoveg;
  cimke_->setText(szoveg);
  update();
}

void TPnx_Timer::SetTimerEnabled(bool v) {
  if (v == timerEnabled_) return;
  timerEnabled_ = v;
  if (v)
    idozito_->start();
  else
    idozito_->stop();
}

int TPnx_Timer::Max() const { return csuszka_->maximum(); }

void TPnx_Timer::SetMax(int n) {
  n = std::clamp(n, 0, 30);
  if (n == csuszka_->maximum()) return;
  csuszka_->setMaximum(n);
  updateGeometry();
}

int TPnx_Timer::MsSzelesseg() const { return std::max(22, msCimke_->sizeHint().width()); }

QSize TPnx_Timer::minimumSizeHint() const {
  const QString leglassabb = QString::number(int64_t{1} << Max());
  return {std::max(34, 5 + mezo_->SzelessegSzoveghez(leglassabb) + 3 + MsSzelesseg()), 100};
}

QSize TPnx_Timer::sizeHint() const { return QSize(56, 160).expandedTo(minimumSizeHint()); }

int TPnx_Timer::Intervallum() const { return idozito_->interval(); }
bool TPnx_Timer::Fut() const { return idozito_->isActive(); }
int TPnx_Timer::Pozicio() const { return csuszka_->value(); }
void TPnx_Timer::SetPozicio(int p) { csuszka_->setValue(p); }

void TPnx_Timer::CsuszkaValtozott(int pozicio) {
  const int64_t ms = pozicio <= 0 ? 1 : int64_t{1} << std::min(pozicio, 30);
  IntervallumBeallitas(ms);
  mezo_->SetErtek(ms);
}

void TPnx_Timer::MezoValtozott(int64_t ertek) {
  // While the user types, a value out of range still drives the timer, but
  // within what a timer can do: zero or negative would stop or spin it.
  IntervallumBeallitas(ertek);
}

void TPnx_Timer::IntervallumBeallitas(int64_t ms) {
  const int v = static_cast<int>(std::clamp<int64_t>(ms, 1, MaxIntervallum));
  // QTimer restarts its period on setInterval; keep a running timer's phase
  // when nothing changes.
  if (v != idozito_->interval()) idozito_->setInterval(v);
}

void TPnx_Timer::resizeEvent(QResizeEvent* esemeny) {
  QFrame::resizeEvent(esemeny);
  const int w = width();
  const int h = height();
  cimke_->setGeometry(1, 1, w - 2, CimkeMagassag);
  const int csuszkaTeteje = 1 + CimkeMagassag;
  csuszka_->setGeometry(w / 2 - CsuszkaSzelesseg / 2, csuszkaTeteje, CsuszkaSzelesseg,
                        std::max(0, h - 30 - csuszkaTeteje));
  const int mezoMagassag = 20;
  // The field takes what "ms." leaves: width - 30 with its usual width.
  const int ms = MsSzelesseg();
  const int mezoSzelesseg = std::max(10, w - 8 - ms);
  mezo_->setGeometry(5, h - 30 + 5, mezoSzelesseg, mezoMagassag);
  msCimke_->setGeometry(5 + mezoSzelesseg + 2, h - 30 + 5, ms, mezoMagassag);
}

}  // namespace zelvaris
