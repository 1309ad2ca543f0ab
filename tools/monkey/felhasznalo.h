#pragma once
// How the monkey's hands reach the windows: key presses, pastes, leaving a
// field and mouse presses, each delivered as the events a user's input
// makes, through the application, so its error handler sees what they raise.

#include <QPoint>
#include <QString>
#include <Qt>

class QAbstractSpinBox;
class QLineEdit;
class QWidget;

namespace zelvaris {

class TVeletlenBemenet;

// One key per character; line breaks and tabs as the keys that type them.
void Billentyuk(QWidget& w, const QString& szoveg);
// Types `szoveg` into a number field (line breaks as Enter), perhaps over a
// selection, and perhaps leaves the field afterwards.
void SpinGepeles(QAbstractSpinBox& mezo, const QString& szoveg, TVeletlenBemenet& v);
// Types or pastes `szoveg` into a text field, then perhaps Enter or leaving.
void SzovegGepeles(QLineEdit& mezo, const QString& szoveg, TVeletlenBemenet& v);
// The field loses the keyboard focus, as a click elsewhere would make it.
void Elhagyas(QWidget& mezo);

enum class TEgerMozdulat { Kattintas, Nyomas, Huzas, Elengedes, Dupla };
void Eger(QWidget& cel, TEgerMozdulat mozdulat, Qt::MouseButton gomb, Qt::KeyboardModifiers modositok,
          QPoint hely, QPoint vege = {});

}  // namespace zelvaris
