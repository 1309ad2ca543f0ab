#pragma once
// The layout the program's one-number dialogs share: a label, a number field,
// OK and a cancel button whose text comes from the language.

#include <QString>

class QDialog;
class QLabel;
class QPushButton;

namespace zelvaris {

class TSpinMezo;

struct TSzamDialogusReszek {
  QLabel* Cimke;
  TSpinMezo* Mezo;
  QPushButton* Megsem;
};

// Builds the controls into `dialogus` (fixed size, OK the default button) and
// names them: the label and field by the given names, the buttons BitBtn_OK
// and BitBtn_Megsem.
TSzamDialogusReszek SzamDialogusFelepitese(QDialog& dialogus, const QString& cimkeNev,
                                          const QString& mezoNev);

}  // namespace zelvaris
