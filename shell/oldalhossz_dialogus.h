#pragma once
// The dialog that asks for a side length: a label, one number field from 50
// to 2,000,000,000 (initially 300, step 100), OK and "Mégsem". The new
// ecosystem dialog and the resize dialog differ only in their names and texts;
// the resize dialog follows the world's side length.

#include <QDialog>
#include <cstdint>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;
class TSpinMezo;
enum class TNyelviSor;

class TOldalhosszDialogus : public QDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kMinimum = 50;
  static constexpr int32_t kMaximum = 2'000'000'000;
  static constexpr int32_t kKezdo = 300;

  // The value within the bounds, even while the field still holds what the
  // user typed beyond them.
  int32_t Ertek() const;
  void SetErtek(int64_t ertek);
  TSpinMezo& Mezo() const { return *mezo_; }

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

 protected:
  // `elotag`: language-key prefix ("cq"); `urlap`, `cimke`, `mezo`: the names
  // of the window, its label and its field.
  TOldalhosszDialogus(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor, std::string_view elotag,
                      std::string_view urlap, std::string_view cimke, std::string_view mezo,
                      QWidget* szulo);

 private:
  std::string elotag_;
  std::string urlap_;
  std::string cimkeNev_;
  QLabel* cimke_;
  TSpinMezo* mezo_;
  QPushButton* megsem_;
};

// "Új ökoszisztéma": the side length of a new world.
class TForm_UjOkoszisztema : public TOldalhosszDialogus {
  Q_OBJECT

 public:
  explicit TForm_UjOkoszisztema(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);
};

// "Átméretezés": the new side length of the current world.
class TForm_Atmeretez : public TOldalhosszDialogus {
  Q_OBJECT

 public:
  explicit TForm_Atmeretez(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);
};

}  // namespace zelvaris
