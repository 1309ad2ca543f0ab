#include "editors/szerkeszto_spin.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace zelvaris {

namespace {

bool CsakElojelEsSzamjegy(const QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (i == 0 && (c == u'+' || c == u'-')) continue;
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace

bool TSzerkesztoSpin::MaganyosElojel() const {
  const QString t = text().trimmed();
  return t == QStringLiteral("+") || t == QStringLiteral("-");
}

QValidator::State TSzerkesztoSpin::validate(QString& szoveg, int& pozicio) const {
  const QValidator::State alap = TSpinMezo::validate(szoveg, pozicio);
  if (alap == QValidator::Invalid) return alap;
  const QString t = szoveg.trimmed();
  if (!CsakElojelEsSzamjegy(t)) return alap;
  // Read with a minimum inside the range, so only a real overflow is caught.
  const int64_t v = Ertelmez(t, 0);
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    return QValidator::Invalid;
  return alap;
}

int64_t TSzerkesztoSpin::SzovegErteke() const { return Ertelmez(text(), nemSzam_); }

void TSzerkesztoSpin::Rendezes() {
  if (MaganyosElojel()) {
    lineEdit()->clear();
  } else if (!Ures() && !CsakElojelEsSzamjegy(text().trimmed())) {
    lineEdit()->setText(QString::number(nemSzam_));
  }
}

void TSzerkesztoSpin::keyPressEvent(QKeyEvent* esemeny) {
  if (esemeny->key() == Qt::Key_Return || esemeny->key() == Qt::Key_Enter) Rendezes();
  TSpinMezo::keyPressEvent(esemeny);
}

void TSzerkesztoSpin::focusOutEvent(QFocusEvent* esemeny) {
  Rendezes();
  TSpinMezo::focusOutEvent(esemeny);
}

}  // namespace zelvaris
