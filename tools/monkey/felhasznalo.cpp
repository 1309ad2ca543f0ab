#include "tools/monkey/felhasznalo.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "tools/monkey/veletlen_bemenet.h"

namespace zelvaris {

namespace {

// A printable character as the keyboard delivers it: Qt's key code for
// ASCII is the upper-case code, other letters come as text alone.
void Karakter(QWidget& w, QChar c) {
  const int kod = c.unicode() >= 0x20 && c.unicode() < 0x7f ? c.toUpper().unicode() : int(Qt::Key_unknown);
  QKeyEvent le(QEvent::KeyPress, kod, Qt::NoModifier, QString(c));
  QApplication::sendEvent(&w, &le);
  QKeyEvent fel(QEvent::KeyRelease, kod, Qt::NoModifier, QString(c));
  QApplication::sendEvent(&w, &fel);
}

}  // namespace

void Billentyuk(QWidget& w, const QString& szoveg) {
  QPointer<QWidget> cel(&w);
  for (const QChar c : szoveg) {
    if (cel.isNull()) return;
    if (c == QLatin1Char('\r')) continue;
    if (c == QLatin1Char('\n'))
      QTest::keyClick(cel.data(), Qt::Key_Return);
    else if (c == QLatin1Char('\t'))
      QTest::keyClick(cel.data(), Qt::Key_Tab);
    else
      Karakter(*cel, c);
  }
}

namespace {

void Befejezes(QWidget& w, TVeletlenBemenet& v) {
  const int64_t k = v.Egesz(0, 9);
  if (k < 3)
    QTest::keyClick(&w, Qt::Key_Return);
  else if (k < 7)
    Elhagyas(w);
}

}  // namespace

void Elhagyas(QWidget& mezo) {
  QFocusEvent e(QEvent::FocusOut, Qt::MouseFocusReason);
  QApplication::sendEvent(&mezo, &e);
}

void SpinGepeles(QAbstractSpinBox& mezo, const QString& szoveg, TVeletlenBemenet& v) {
  QPointer<QAbstractSpinBox> cel(&mezo);
  if (v.Esely(0.8)) mezo.selectAll();
  Billentyuk(mezo, szoveg);
  if (cel) Befejezes(*cel, v);
}

void SzovegGepeles(QLineEdit& mezo, const QString& szoveg, TVeletlenBemenet& v) {
  QPointer<QLineEdit> cel(&mezo);
  if (v.Esely(0.6)) mezo.selectAll();
  if (v.Esely(0.4))
    mezo.insert(szoveg);  // a paste keeps line breaks
  else
    Billentyuk(mezo, szoveg);
  if (cel) Befejezes(*cel, v);
}

void Eger(QWidget& cel, TEgerMozdulat mozdulat, Qt::MouseButton gomb, Qt::KeyboardModifiers modositok,
          QPoint hely, QPoint vege) {
  QPointer<QWidget> w(&cel);
  switch (mozdulat) {
    case TEgerMozdulat::Kattintas:
      QTest::mouseClick(&cel, gomb, modositok, hely);
      break;
    case TEgerMozdulat::Nyomas:
      QTest::mousePress(&cel, gomb, modositok, hely);
      break;
    case TEgerMozdulat::Elengedes:
      QTest::mouseRelease(&cel, gomb, modositok, hely);
      break;
    case TEgerMozdulat::Dupla:
      QTest::mouseDClick(&cel, gomb, modositok, hely);
      break;
    case TEgerMozdulat::Huzas: {
      QTest::mousePress(&cel, gomb, modositok, hely);
      // QTest::mouseMove carries no buttons: a drag is sent as it comes.
      for (int i = 1; i <= 4 && w; ++i) {
        const QPoint p = hely + (vege - hely) * i / 4;
        QMouseEvent e(QEvent::MouseMove, p, cel.mapToGlobal(p), Qt::NoButton, gomb, modositok);
        QApplication::sendEvent(w.data(), &e);
      }
      if (w) QTest::mouseRelease(w.data(), gomb, modositok, vege);
      break;
    }
  }
}

}  // namespace zelvaris
