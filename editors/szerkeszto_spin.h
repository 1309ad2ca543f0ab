#pragma once
// The number field of the species editors: the program's spin field with the
// editors' own rules on top. A keystroke that would leave the 32-bit range
// is refused (the species field could not hold it), and a lone sign counts as
// an empty text: it starts every negative number, so it must change nothing.
// A text that is no number reads as the minimum, or as 0 in a field without
// bounds; leaving the field shows that number.

#include "widgets/spin_mezo.h"

namespace zelvaris {

class TSzerkesztoSpin : public TSpinMezo {
  Q_OBJECT

 public:
  explicit TSzerkesztoSpin(QWidget* szulo = nullptr) : TSpinMezo(szulo) {}

  // The text is "+" or "-" (blanks aside).
  bool MaganyosElojel() const;
  // Empty or a lone sign: the text holds no value yet.
  bool ErtekNelkul() const { return Ures() || MaganyosElojel(); }

  // What a text that is no number reads as.
  void SetNemSzamErtek(int64_t ertek) { nemSzam_ = ertek; }
  // The value the current text stands for.
  int64_t SzovegErteke() const;

  QValidator::State validate(QString& szoveg, int& pozicio) const override;

 protected:
  void keyPressEvent(QKeyEvent* esemeny) override;
  void focusOutEvent(QFocusEvent* esemeny) override;

 private:
  // Before the field is left: a lone sign leaves it as if emptied, a text
  // that is no number shows the number it stands for.
  void Rendezes();

  int64_t nemSzam_ = 0;
};

}  // namespace zelvaris
