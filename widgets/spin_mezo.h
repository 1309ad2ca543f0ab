#pragma once
// The number field used by every numeric input of the program. Unlike
// QSpinBox it keeps an out-of-range value while the user types (the owner sees
// it at once) and brings it into range only when the field is left. The wheel
// changes the value only while the field has the focus: over a field the user
// merely scrolls past, it scrolls the window that holds it.

#include <QAbstractSpinBox>
#include <cstdint>

namespace zelvaris {

class TSpinMezo : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit TSpinMezo(QWidget* szulo = nullptr);

  // The value the text spells: digits with an optional sign, saturated to 64
  // bits; a text that is no number reads as the minimum; an empty text keeps
  // the last value.
  int64_t Ertek() const { return ertek_; }
  // Set by code: shows the value clamped to the range; emits no signal.
  void SetErtek(int64_t v);

  int64_t Minimum() const { return minimum_; }
  int64_t Maximum() const { return maximum_; }
  // Keeps minimum <= maximum; the shown value is not changed.
  void SetTartomany(int64_t minimum, int64_t maximum);
  int64_t Lepes() const { return lepes_; }
  void SetLepes(int64_t lepes) { lepes_ = lepes; }

  // Whether leaving the field with an empty text writes the last value back.
  bool Visszatoltes() const { return visszatoltes_; }
  void SetVisszatoltes(bool v) { visszatoltes_ = v; }

  bool Ures() const { return text().isEmpty(); }

  // Reads a field text as the field would; exposed for the owners' checks.
  static int64_t Ertelmez(const QString& szoveg, int64_t minimum);

  // The width the field needs to show `szoveg` whole, arrows and frame included.
  int SzelessegSzoveghez(const QString& szoveg) const;

  void stepBy(int lepesek) override;
  QValidator::State validate(QString& szoveg, int& pozicio) const override;
  void fixup(QString&) const override {}

 signals:
  // A change made by the user: typing (not an empty text), the arrows, or the
  // clamp when the field is left.
  void Valtozas(int64_t ertek);
  // The field was left, after the clamp.
  void Kilepes();

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* esemeny) override;
  void wheelEvent(QWheelEvent* esemeny) override;

 private:
  static bool EngedettKarakter(QChar c);
  void SzovegValtozott(const QString& szoveg);
  void SzovegBeiras(int64_t v);
  void Elhagyas();

  int64_t ertek_ = 0;
  int64_t minimum_ = 0;
  int64_t maximum_ = 100;
  int64_t lepes_ = 1;
  bool visszatoltes_ = false;
  bool kodbol_ = false;
};

}  // namespace zelvaris
