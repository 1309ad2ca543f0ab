#pragma once
// One drawing-order page of the display settings: the species of one kind
// in display order (top = drawn over the others), moved on a pending copy
// and stored in the ecosystem only by "Alkalmaz".
//
// The pending order is always a permutation of the species: an order read
// from a file that is not one is shown with unknown and repeated Ids left
// out and missing species appended, and "Alkalmaz" replaces the ecosystem's
// order by it as a whole.

#include <QGroupBox>
#include <cstdint>
#include <vector>

#include "app/alkalmazas_kornyezet.h"

class QListWidget;
class QPushButton;
class QToolButton;

namespace zelvaris {

class TSorrendCsoport : public QGroupBox {
  Q_OBJECT

 public:
  // `fajta` names the controls: "Noveny" gives ListB_NovenySorrend, ...
  TSorrendCsoport(TAlkalmazasKornyezet& kornyezet, bool allat, const QString& fajta,
                  QWidget* szulo = nullptr);

  const std::vector<int32_t>& Fuggo() const { return fuggo_; }
  QListWidget& Lista() const { return *lista_; }
  QPushButton& AlkalmazGomb() const { return *alkalmaz_; }

  // A registered species joins the end; the only entry is selected.
  void Hozzaad(int32_t id);
  // The ecosystem's order, first entry selected; a pending order is lost.
  void Betoltes();
  void Torles();
  void Atnevezes(int32_t id);

  // The order operations; each needs a selected entry.
  void Elejere();
  void Vegere();
  void Fel();
  void Le();
  void Alkalmaz();

  void SetSzovegek(const QString& csoport, const QString& elejere, const QString& vegere,
                   const QString& alkalmaz);

 private:
  QString Nev(int32_t id) const;
  void Athelyezes(int honnan, int hova);

  TAlkalmazasKornyezet& kornyezet_;
  bool allat_;
  std::vector<int32_t> fuggo_;
  QListWidget* lista_;
  QToolButton* fel_;
  QToolButton* le_;
  QPushButton* elejere_;
  QPushButton* vegere_;
  QPushButton* alkalmaz_;
};

// The order shown for a stored one: each species below `fajokSzama` once, in
// stored order, then the missing ones by Id.
std::vector<int32_t> RendezettSorrend(const std::vector<int32_t>& tarolt, int32_t fajokSzama);

}  // namespace zelvaris
