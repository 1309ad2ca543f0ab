#pragma once
// The seed-point dialog "Gócbevitel": a plant page and an animal page, each
// with its species list, and the count and thinning of the seed point. The
// map window reads the choice after the dialog closes (or without showing it
// for a repeated placement). The lists follow the species through the push
// hub: a registered species joins its list, a renamed one is renamed there by
// Id, and a new ecosystem empties both.

#include <QDialog>
#include <QString>
#include <cstdint>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace zelvaris {

class TSpinMezo;

class TForm_Goc : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_Goc(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // The species lists follow the registration of species (entry i is species i).
  void NovenyFajHozzaadasa(const QString& megjelenitettNev);
  void AllatFajHozzaadasa(const QString& megjelenitettNev);
  void NovenyFajAtnevezese(int id, const QString& megjelenitettNev);
  void AllatFajAtnevezese(int id, const QString& megjelenitettNev);
  // A new ecosystem: both lists emptied.
  void Urites();

  // The choice as it stands.
  bool NovenyOldalAktiv() const;
  bool AllatOldalAktiv() const;
  void SetNovenyOldal(bool noveny);
  int KivalasztottNoveny() const;  // -1: none
  int KivalasztottAllat() const;
  void NovenyKivalasztasa(int id);
  void AllatKivalasztasa(int id);
  int64_t Egyedszam() const;
  int64_t Ritkitas() const;
  void SetEgyedszam(int64_t ertek);
  void SetRitkitas(int64_t ertek);

 private:
  void MezokBetoltese();

  TAlkalmazasKornyezet& kornyezet_;
  QTabWidget* lapok_ = nullptr;
  QWidget* novenyLap_ = nullptr;
  QWidget* allatLap_ = nullptr;
  QComboBox* novenyek_ = nullptr;
  QComboBox* allatok_ = nullptr;
  QLabel* egyedszamFelirat_ = nullptr;
  QLabel* ritkitasFelirat_ = nullptr;
  TSpinMezo* egyedszam_ = nullptr;
  TSpinMezo* ritkitas_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* megsem_ = nullptr;
};

}  // namespace zelvaris
