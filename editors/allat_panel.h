#pragma once
// One column of the all-animals window: most fields of one animal species,
// 92 x 606 pixels. Its fields act like the same fields of the animal editor
// (same number field, same guard, same pushes); the movement radius is
// filled with the panel and shown only.

#include <QFrame>
#include <QRgb>
#include <cstdint>
#include <span>
#include <vector>

#include "editors/faj_mezok.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TFajKozpont;
class TSzerkesztoSpin;

// One row of a panel: what control, and what it edits.
struct TPanelSorLeiras {
  enum class TFajta { Nev, Azonosito, Lista, Spin, Sugar, Jelzo };
  TFajta Fajta;
  const char* Vezerlo;
  const char* Felirat;  // the names column's text, or the check box's
  TFajMezo Mezo;
  int64_t Kezdo;
  int64_t Lepes;
  QRgb Szin;
};

// Rows 1 to 25, top to bottom.
std::span<const TPanelSorLeiras> AllatPanelSorok();

class TAllatPanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kSzelesseg = 92;
  static constexpr int kMagassag = 606;
  static constexpr int kSorMagassag = 22;
  static constexpr int kSorKoz = 2;
  static constexpr int kSorokSzama = 25;
  // Top of row `sor` (1-based), shared with the names column.
  static constexpr int SorTeteje(int sor) { return kSorKoz + (sor - 1) * (kSorMagassag + kSorKoz); }
  // The fixed text beside each row in the names column (empty: none).
  static const char* SorFelirat(int sor);

  TAllatPanel(TAlkalmazasKornyezet& kornyezet, int32_t fajIndex, QWidget* szulo = nullptr);

  int32_t FajIndex() const { return fajIndex_; }

  // Every field from the species, the movement radius included.
  void Kitoltes();
  // The hub's pushes for this species.
  void MezoFrissites(TFajMezo mezo);
  void NevIras();
  void SzinIras();

 private:
  struct TMezoVezerlo {
    TFajMezo Mezo;
    TSzerkesztoSpin* Spin = nullptr;
    QLineEdit* Lista = nullptr;
    QCheckBox* Jelzo = nullptr;
  };

  TElolenyFaj* Faj() const;
  bool Engedelyezett() const;
  QRect Sor(int sor) const;
  void Epites();
  void SpinIras(TMezoVezerlo& v, int64_t ertek, bool mindig);
  void Iras(TMezoVezerlo& v, bool mindig);

  void SpinValtozas(TMezoVezerlo& v);
  void SpinKilepes(TMezoVezerlo& v);
  void ListaKilepes(TMezoVezerlo& v);
  void JelzoValtozas(TMezoVezerlo& v, bool ertek);
  void NevValtozas(const QString& szoveg);

  TAlkalmazasKornyezet& kornyezet_;
  TFajKozpont& kozpont_;
  int32_t fajIndex_;
  std::vector<TMezoVezerlo> mezok_;
  QLineEdit* nev_ = nullptr;
  QLineEdit* id_ = nullptr;
  QFrame* szinMinta_ = nullptr;
  TSzerkesztoSpin* mozgasSugar_ = nullptr;
  bool listaUzenet_ = false;
};

}  // namespace zelvaris
