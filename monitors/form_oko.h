#pragma once
// The ecosystem information window "Ökoszisztéma": the side length of the
// world, the elapsed time, the random generator's current state ("Mag") and
// its state when the last build began ("Kezdőmag"), in read-only fields that
// follow the application context's announcements. Until the world's grid is
// built, a line below them says how to build it.

#include <QWidget>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;

class TForm_Oko : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Oko(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  void OldalhosszKiirasa(int64_t l);  // E_L
  void IdoKiirasa(int64_t ido);       // E_Ido
  void MagKiirasa(uint32_t mag);      // E_Mag
  // E_KezdoMag; empty while no build has begun.
  void KezdoMagKiirasa(std::optional<uint32_t> mag);
  // Lbl_AlkalmazTipp; the window grows to show it whole.
  void TippMutatasa(bool lathato);

 private:
  QLabel* lblL_;
  QLabel* lblIdo_;
  QLabel* lblMag_;
  QLabel* lblKezdoMag_;
  QLabel* lblTipp_;
  QLineEdit* eL_;
  QLineEdit* eIdo_;
  QLineEdit* eMag_;
  QLineEdit* eKezdoMag_;
};

}  // namespace zelvaris
