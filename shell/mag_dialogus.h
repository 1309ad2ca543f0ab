#pragma once
// "Mag beállítása": asks for a new state of the random generator, a whole
// number from 0 to 4294967295, starting from the current one.

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;

namespace zelvaris {

class TNyelviTabla;
class TSpinMezo;

class TForm_Mag : public QDialog {
  Q_OBJECT

 public:
  static constexpr int64_t kMaximum = 4'294'967'295;

  explicit TForm_Mag(QWidget* szulo = nullptr);

  void SetErtek(uint32_t mag);
  // The value typed, or nothing when it lies outside 0 .. 4294967295 (the
  // field keeps what the user typed until it is left).
  std::optional<uint32_t> Ertek() const;
  TSpinMezo& Mezo() const { return *mezo_; }

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

 private:
  QLabel* cimke_;
  TSpinMezo* mezo_;
  QPushButton* megsem_;
};

// A seed as the command line gives it: plain decimal digits, 0 .. 4294967295.
std::optional<uint32_t> MagErtelmezese(const QString& szoveg);

}  // namespace zelvaris
