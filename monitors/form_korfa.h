#pragma once
// The age-pyramid window "Korfa": the age structure of one chosen animal
// species as horizontal bars, youngest band at the bottom, males to the left
// and females to the right of the centre line. The counts come from the
// ecosystem's age source; the window reads them and keeps no copy.

#include <QColor>
#include <QWidget>
#include <cstdint>

#include "monitors/korfa_geometria.h"

class QAction;
class QComboBox;
class QLabel;

namespace zelvaris {

class TKorfaVaszon;
class TNyelviTabla;
class TOkoszisztema;
class TSpinMezo;

class TForm_Korfa : public QWidget {
  Q_OBJECT

 public:
  // Reads the ecosystem's age source; the window must go before the ecosystem.
  explicit TForm_Korfa(TOkoszisztema& okoszisztema, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // A species' display name joins the chooser; the selection stays as it was
  // (none until the user picks one).
  void AllatFajHozzaadasa(const QString& nev);

  int32_t AllatFaj() const { return allatFaj_; }
  void SetAllatFaj(int32_t index);
  const korfa::TBeallitas& Beallitas() const { return beallitas_; }
  void SetSavSzelesseg(int64_t v);
  void SetSavHossz(int64_t v);
  void SetKorbeosztas(int64_t v);
  // After each step: recompute if a species is shown, then draw.
  void Frissit();

  int64_t HasznaltOsztalyok() const { return hasznalt_; }
  int64_t SavSzam() const { return savSzam_; }
  int64_t LegnagyobbSavSzam() const { return legnagyobb_; }
  const QColor& SavSzin() const { return savSzin_; }

  QLabel* Lbl_Caption() const { return lblCaption_; }
  QComboBox* CmB_AllatFaj() const { return cmbAllatFaj_; }
  TSpinMezo* SpE_Korbeosztas() const { return speKorbeosztas_; }
  TSpinMezo* SpE_SavSzelesseg() const { return speSavSzelesseg_; }
  TSpinMezo* SpE_Savhossz() const { return speSavhossz_; }
  TKorfaVaszon& Vaszon() const { return *vaszon_; }
  // The right button's "Kép mentése PNG-be..." (the window as shown);
  // whoever opens the window binds it.
  QAction* KepMentesAkcio() const { return kepMentes_; }

 private:
  void Ujraszamolas();
  void Rajzolas();
  void Beallitasvaltozas();
  bool UjErtek(int64_t v, int32_t& mezo);

  TOkoszisztema& okoszisztema_;
  int32_t allatFaj_ = -1;
  TKorfaSorok sorok_;
  QColor savSzin_;
  korfa::TBeallitas beallitas_;
  int64_t hasznalt_ = 0;
  int64_t savSzam_ = 0;
  int64_t legnagyobb_ = 0;

  QLabel* lblCaption_;
  QComboBox* cmbAllatFaj_;
  TSpinMezo* speKorbeosztas_;
  TSpinMezo* speSavSzelesseg_;
  TSpinMezo* speSavhossz_;
  QLabel* lblKorbeosztas_;
  QLabel* lblSavSzelesseg_;
  QLabel* lblSavHossz_;
  QLabel* lblKorbeosztasMertek_;
  QLabel* lblSavSzelessegMertek_;
  QLabel* lblSavHosszMertek_;
  TKorfaVaszon* vaszon_;
  QAction* kepMentes_;
};

}  // namespace zelvaris
