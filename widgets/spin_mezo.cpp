#include "spin_mezo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace zelvaris {

TSpinMezo::TSpinMezo(QWidget* szulo) : QAbstractSpinBox(szulo) {
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setKeyboardTracking(true);
  // Not WheelFocus: a wheel turned over the field must not take the focus,
  // or the next turn and PageUp/PageDown would change the value.
  setFocusPolicy(Qt::StrongFocus);
  lineEdit()->setText(QStringLiteral("0"));
  connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinMezo::SzovegValtozott);
  connect(this, &QAbstractSpinBox::editingFinished, this, &TSpinMezo::Elhagyas);
}

int64_t TSpinMezo::Ertelmez(const QString& szoveg, int64_t minimum) {
  const QString s = szoveg.trimmed();
  int i = 0;
  bool negativ = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negativ = s[i++] == u'-';
  if (i == s.size()) return minimum;
  // Accumulate towards the sign so the most negative value is reachable.
  int64_t v = 0;
  bool telitett = false;
  for (; i < s.size(); ++i) {
    if (!s[i].isDigit() || s[i].unicode() > u'9') return minimum;
    if (telitett) continue;
    const int jegy = s[i].unicode() - u'0';
    if (negativ) {
      if (v < (std::numeric_limits<int64_t>::min() + jegy) / 10) {
        v = std::numeric_limits<int64_t>::min();
        telitett = true;
      } else {
        v = v * 10 - jegy;
      }
    } else {
      if (v > (std::numeric_limits<int64_t>::max() - jegy) / 10) {
        v = std::numeric_limits<int64_t>::max();
        telitett = true;
      } else {
        v = v * 10 + jegy;
      }
    }
  }
  return v;
}

bool TSpinMezo::EngedettKarakter(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u',';
}

QValidator::State TSpinMezo::validate(QString& szoveg, int&) const {
  return std::all_of(szoveg.cbegin(), szoveg.cend(), EngedettKarakter) ? QValidator::Acceptable
                                                                        : QValidator::Invalid;
}

void TSpinMezo::keyPressEvent(QKeyEvent* esemeny) {
  const QString t = esemeny->text();
  const bool vezerlo = t.isEmpty() || !t[0].isPrint() || (esemeny->modifiers() & Qt::ControlModifier);
  if (!vezerlo && !EngedettKarakter(t[0])) {
    QApplication::beep();
    esemeny->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(esemeny);
}

void TSpinMezo::wheelEvent(QWheelEvent* esemeny) {
  if (!hasFocus()) {
    esemeny->ignore();
    return;
  }
  QAbstractSpinBox::wheelEvent(esemeny);
}

int TSpinMezo::SzelessegSzoveghez(const QString& szoveg) const {
  ensurePolished();
  // As QAbstractSpinBox measures its own hint: the text, room for the cursor,
  // then the style's frame and arrows.
  const int szelesseg = fontMetrics().horizontalAdvance(szoveg + QLatin1Char(' ')) + 2;
  QStyleOptionSpinBox opcio;
  initStyleOption(&opcio);
  const QSize tartalom(szelesseg, lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &opcio, tartalom, this).width();
}

void TSpinMezo::SzovegBeiras(int64_t v) {
  kodbol_ = true;
  lineEdit()->setText(QString::number(v));
  kodbol_ = false;
  ertek_ = v;
}

void TSpinMezo::SetErtek(int64_t v) {
  v = std::clamp(v, minimum_, maximum_);
  if (v == ertek_ && lineEdit()->text() == QString::number(v)) return;
  SzovegBeiras(v);
}

void TSpinMezo::SetTartomany(int64_t minimum, int64_t maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
}

void TSpinMezo::SzovegValtozott(const QString& szoveg) {
  if (kodbol_ || szoveg.isEmpty()) return;
  ertek_ = Ertelmez(szoveg, minimum_);
  emit Valtozas(ertek_);
}

void TSpinMezo::stepBy(int lepesek) {
  const int64_t alap = Ures() ? ertek_ : Ertelmez(text(), minimum_);
  // Saturating, so a huge step or range cannot wrap.
  const __int128 uj = static_cast<__int128>(alap) + static_cast<__int128>(lepesek) * lepes_;
  const int64_t v = static_cast<int64_t>(std::clamp<__int128>(uj, minimum_, maximum_));
  if (v == ertek_ && text() == QString::number(v)) return;
  SzovegBeiras(v);
  emit Valtozas(v);
}

QAbstractSpinBox::StepEnabled TSpinMezo::stepEnabled() const {
  StepEnabled e = StepNone;
  if (ertek_ < maximum_) e |= StepUpEnabled;
  if (ertek_ > minimum_) e |= StepDownEnabled;
  return e;
}

void TSpinMezo::Elhagyas() {
  if (Ures()) {
    if (!visszatoltes_) {
      emit Kilepes();
      return;
    }
    SzovegBeiras(ertek_);
  }
  if (ertek_ < minimum_ || ertek_ > maximum_) {
    const int64_t v = std::clamp(ertek_, minimum_, maximum_);
    SzovegBeiras(v);
    emit Valtozas(v);
  } else if (text() != QString::number(ertek_)) {
    // "+07" or "x": the value stands; show it as a plain number.
    SzovegBeiras(ertek_);
  }
  emit Kilepes();
}

}  // namespace zelvaris
