#include "editors/csukhato_doboz.h"

#include <QEvent>
#include <QFormLayout>
#include <QLayout>
#include <cmath>
#include <QMouseEvent>
#include <algorithm>

#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

namespace {

// The designed height of a box that shows nothing but its title.
constexpr int kCsakCim = 13;
// A row of fields in the design.
constexpr double kTervezettSor = 24.0;
// Between the box's frame and its fields.
constexpr int kOldalMargo = 4;
constexpr int kFelsoMargo = 1;

}  // namespace

TCsukhatoDoboz::TCsukhatoDoboz(const QString& nev, const QString& felirat, bool csukhato, bool nyitva,
                               int csukottMagassag, int nyitottMagassag, QWidget* szulo)
    : QGroupBox(szulo),
      tartalom_(new QWidget(this)),
      csukhato_(csukhato),
      nyitva_(nyitva || !csukhato),
      csukottMagassag_(csukottMagassag),
      nyitottMagassag_(nyitottMagassag) {
  setObjectName(nev);
  setTitle(csukhato_ ? felirat + (nyitva_ ? QStringLiteral(" (-)") : QStringLiteral(" (+)")) : felirat);
  Megjelenites();
}

void TCsukhatoDoboz::Valtas() {
  if (!csukhato_) return;
  nyitva_ = !nyitva_;
  QString t = title();
  t.chop(std::min<qsizetype>(2, t.size()));
  setTitle(t + (nyitva_ ? QStringLiteral("-)") : QStringLiteral("+)")));
  Megjelenites();
}

void TCsukhatoDoboz::SetSzoveg(const QString& szoveg) {
  if (!csukhato_) {
    setTitle(szoveg);
    return;
  }
  setTitle(QString::fromStdString(CsukhatoFelirat(szoveg.toStdString(), title().toStdString())));
}

QSize TCsukhatoDoboz::minimumSizeHint() const {
  const QMargins m = contentsMargins();
  const int tartalom = tartalom_->minimumSizeHint().width() + 2 * kOldalMargo + m.left() + m.right();
  return {std::max(QGroupBox::minimumSizeHint().width(), tartalom), height()};
}

QSize TCsukhatoDoboz::sizeHint() const { return minimumSizeHint(); }

void TCsukhatoDoboz::mousePressEvent(QMouseEvent* esemeny) {
  // A click anywhere on the box that no field takes for itself.
  if (csukhato_ && esemeny->button() == Qt::LeftButton) {
    Valtas();
    esemeny->accept();
    return;
  }
  QGroupBox::mousePressEvent(esemeny);
}

void TCsukhatoDoboz::resizeEvent(QResizeEvent* esemeny) {
  QGroupBox::resizeEvent(esemeny);
  TartalomElhelyezes();
}

bool TCsukhatoDoboz::event(QEvent* esemeny) {
  const bool ered = QGroupBox::event(esemeny);
  // A new font, style or caption moves the title strip; new texts change
  // what the fields need.
  switch (esemeny->type()) {
    case QEvent::LayoutRequest:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Polish:
    case QEvent::Show:
      Igazitas();
      break;
    default:
      break;
  }
  return ered;
}

void TCsukhatoDoboz::Igazitas() {
  if (QLayout* l = tartalom_->layout()) l->activate();
  TartalomElhelyezes();
  Megjelenites();
  TartalomElhelyezes();
  updateGeometry();
}

void TCsukhatoDoboz::TartalomElhelyezes() {
  const QRect r = contentsRect();
  const int magassag = std::max(tartalom_->sizeHint().height(), tartalom_->minimumSizeHint().height());
  tartalom_->setGeometry(r.left() + kOldalMargo, r.top() + kFelsoMargo, r.width() - 2 * kOldalMargo, magassag);
}

int TCsukhatoDoboz::NyitottMagassag() const {
  const QMargins m = contentsMargins();
  const int kell = m.top() + kFelsoMargo + tartalom_->sizeHint().height() + m.bottom() + 1;
  return std::max(nyitottMagassag_, kell);
}

int TCsukhatoDoboz::CsukottMagassag() const {
  if (!csukhato_) return NyitottMagassag();
  const QMargins m = contentsMargins();
  auto* urlap = qobject_cast<QFormLayout*>(tartalom_->layout());
  if (csukottMagassag_ <= kCsakCim || urlap == nullptr) return std::max(csukottMagassag_, m.top() + m.bottom());
  const int rejtett = static_cast<int>(std::lround((nyitottMagassag_ - csukottMagassag_) / kTervezettSor));
  const int latszo = std::max(0, urlap->rowCount() - rejtett);
  if (latszo == 0) return m.top() + m.bottom();
  urlap->activate();
  int also = 0;
  for (const auto szerep : {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole}) {
    if (QLayoutItem* elem = urlap->itemAt(latszo - 1, szerep)) also = std::max(also, elem->geometry().bottom());
  }
  return m.top() + kFelsoMargo + also + 2 + m.bottom();
}

void TCsukhatoDoboz::Megjelenites() {
  setFixedHeight(nyitva_ ? NyitottMagassag() : CsukottMagassag());
  tartalom_->setVisible(nyitva_ || csukottMagassag_ > kCsakCim);
}

}  // namespace zelvaris
