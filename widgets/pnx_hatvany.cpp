#include "pnx_hatvany.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zelvaris {

double HatvanyErtek(int alap, int kitevo) {
  double r = 1.0;
  const double a = alap;
  if (kitevo >= 0) {
    for (int i = 0; i < kitevo && std::isfinite(r) && r != 0.0; ++i) r *= a;
  } else {
    for (int64_t i = 0; i < -static_cast<int64_t>(kitevo) && std::isfinite(r) && r != 0.0; ++i) r /= a;
  }
  return r;
}

namespace {
constexpr int NyilSzelesseg = 17;

QToolButton* Nyil(QWidget* szulo, Qt::ArrowType irany) {
  auto* gomb = new QToolButton(szulo);
  gomb->setArrowType(irany);
  gomb->setFocusPolicy(Qt::NoFocus);
  gomb->setAutoRepeat(true);
  return gomb;
}
}  // namespace

TPnx_Hatvany::TPnx_Hatvany(QWidget* szulo) : QWidget(szulo) {
  setFocusPolicy(Qt::StrongFocus);
  alapFel_ = Nyil(this, Qt::UpArrow);
  alapLe_ = Nyil(this, Qt::DownArrow);
  kitevoFel_ = Nyil(this, Qt::UpArrow);
  kitevoLe_ = Nyil(this, Qt::DownArrow);
  cimke_ = new QLabel(this);
  cimke_->setFrameShape(QFrame::Box);
  cimke_->setLineWidth(1);
  cimke_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(alapFel_, &QToolButton::clicked, this, &TPnx_Hatvany::AlapFel);
  connect(alapLe_, &QToolButton::clicked, this, &TPnx_Hatvany::AlapLe);
  connect(kitevoFel_, &QToolButton::clicked, this, &TPnx_Hatvany::KitevoFel);
  connect(kitevoLe_, &QToolButton::clicked, this, &TPnx_Hatvany::KitevoLe);
  resize(80, 20);
  Ujraszamol();
}

QString TPnx_Hatvany::Felirat() const { return QStringLiteral("%1^%2").arg(alap_).arg(kitevo_); }

void TPnx_Hatvany::SetAlap(int v) {
  if (v == alap_) return;
  alap_ = std::clamp(v, minAlap_, maxAlap_);
  Ujraszamol();
}

void TPnx_Hatvany::SetKitevo(int v) {
  if (v == kitevo_) return;
  kitevo_ = std::clamp(v, minKitevo_, maxKitevo_);
  Ujraszamol();
}

void TPnx_Hatvany::SetMinAlap(int v) {
  // A base below 1 would make the value zero, negative or undefined.
  v = std::max(v, 1);
  if (v == minAlap_) return;
  minAlap_ = v;
  if (maxAlap_ < v) maxAlap_ = v;
  if (alap_ < v) SetAlap(v);
}

void TPnx_Hatvany::SetMaxAlap(int v) {
  v = std::max(v, 1);
  if (v == maxAlap_) return;
  maxAlap_ = v;
  if (minAlap_ > v) minAlap_ = v;
  if (v < alap_) SetAlap(v);
}

void TPnx_Hatvany::SetMinKitevo(int v) {
  if (v == minKitevo_) return;
  minKitevo_ = v;
  if (maxKitevo_ < v) maxKitevo_ = v;
  if (kitevo_ < v) SetKitevo(v);
}

void TPnx_Hatvany::SetMaxKitevo(int v) {
  if (v == maxKitevo_) return;
  maxKitevo_ = v;
  if (minKitevo_ > v) minKitevo_ = v;
  if (v < kitevo_) SetKitevo(v);
}

void TPnx_Hatvany::AlapFel() {
  if (alap_ < maxAlap_) SetAlap(alap_ + 1);
  emit Valtozas();
}

void TPnx_Hatvany::AlapLe() {
  if (alap_ > minAlap_) SetAlap(alap_ - 1);
  emit Valtozas();
}

void TPnx_Hatvany::KitevoFel() {
  if (kitevo_ < maxKitevo_) SetKitevo(kitevo_ + 1);
  emit Valtozas();
}

void TPnx_Hatvany::KitevoLe() {
  if (kitevo_ > minKitevo_) SetKitevo(kitevo_ - 1);
  emit Valtozas();
}

void TPnx_Hatvany::Ujraszamol() {
  const double r = HatvanyErtek(alap_, kitevo_);
  // A base of 1 or exponents near the int limits could still end at 0 or
  // infinity; keep the last usable value then.
  if (std::isfinite(r) && r > 0.0) ertek_ = r;
  cimke_->setText(Felirat());
}

void TPnx_Hatvany::Elrendez() {
  const int w = width();
  const int h = height();
  const int fel = h / 2;
  alapFel_->setGeometry(0, 0, NyilSzelesseg, fel);
  alapLe_->setGeometry(0, fel, NyilSzelesseg, h - fel);
  kitevoFel_->setGeometry(w - NyilSzelesseg, 0, NyilSzelesseg, fel);
  kitevoLe_->setGeometry(w - NyilSzelesseg, fel, NyilSzelesseg, h - fel);
  cimke_->setGeometry(19, 0, std::max(0, w - 20 - 19), h);
}

void TPnx_Hatvany::resizeEvent(QResizeEvent*) { Elrendez(); }

void TPnx_Hatvany::mousePressEvent(QMouseEvent* esemeny) {
  alapAktiv_ = AlapOldal(esemeny->position().toPoint().x());
  QWidget::mousePressEvent(esemeny);
}

void TPnx_Hatvany::keyPressEvent(QKeyEvent* esemeny) {
  switch (esemeny->key()) {
    case Qt::Key_Up:
      alapAktiv_ ? AlapFel() : KitevoFel();
      break;
    case Qt::Key_Down:
      alapAktiv_ ? AlapLe() : KitevoLe();
      break;
    case Qt::Key_Left:
      alapAktiv_ = true;
      break;
    case Qt::Key_Right:
      alapAktiv_ = false;
      break;
    default:
      QWidget::keyPressEvent(esemeny);
      return;
  }
  esemeny->accept();
}

void TPnx_Hatvany::wheelEvent(QWheelEvent* esemeny) {
  const int dy = esemeny->angleDelta().y();
  if (dy == 0) {
    esemeny->ignore();
    return;
  }
  alapAktiv_ = AlapOldal(esemeny->position().toPoint().x());
  if (dy > 0)
    alapAktiv_ ? AlapFel() : KitevoFel();
  else
    alapAktiv_ ? AlapLe() : KitevoLe();
  esemeny->accept();
}

}  // namespace zelvaris
