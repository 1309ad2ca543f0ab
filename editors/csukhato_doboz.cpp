#include "editors/csukhato_doboz.h"

#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

TCsukhatoDoboz::TCsukhatoDoboz(const QString& nev, const QString& felirat, bool csukhato,
                               bool nyitva, QWidget* szulo)
    : QGroupBox(szulo), tartalom_(new QWidget(this)), csukhato_(csukhato), nyitva_(nyitva || !csukhato) {
  setObjectName(nev);
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(4, 2, 4, 2);
  reteg->addWidget(tartalom_);
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

void TCsukhatoDoboz::mousePressEvent(QMouseEvent* esemeny) {
  // An open box folds from its title only, not from a click between fields.
  const bool cimen = !nyitva_ || esemeny->position().y() < tartalom_->geometry().top();
  if (csukhato_ && cimen && esemeny->button() == Qt::LeftButton) {
    Valtas();
    esemeny->accept();
    return;
  }
  QGroupBox::mousePressEvent(esemeny);
}

void TCsukhatoDoboz::Megjelenites() { tartalom_->setVisible(nyitva_); }

}  // namespace zelvaris
