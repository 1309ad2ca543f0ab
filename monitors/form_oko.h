#pragma once
// The ecosystem information window "Ökoszisztéma": the side length of the
// world and the elapsed time, in two read-only fields.

#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace zelvaris {

class TNyelviTabla;

class TForm_Oko : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Oko(QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  void OldalhosszKiirasa(int64_t l);  // E_L
  void IdoKiirasa(int64_t ido);       // E_Ido

 private:
  QLabel* lblL_;
  QLabel* lblIdo_;
  QLineEdit* eL_;
  QLineEdit* eIdo_;
};

}  // namespace zelvaris
