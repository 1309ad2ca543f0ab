#pragma once
// The display-settings window ("Kijelző"): which species the map and the
// magnifier show, the magnifier frame's visibility on the map and the two
// drawing orders. It follows the species through the push hub; the program
// ties it to the map's frame.

#include <QWidget>
#include <cstdint>

#include "monitors/kijelzes_fajlista.h"
#include "monitors/kijelzes_sorrend.h"

class QCheckBox;
class QTabWidget;

namespace zelvaris {

class TNyelviTabla;

class TForm_Kijelzes : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Kijelzes(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // A registered species joins both check lists and the order of its kind.
  void AllatHozzaad(int32_t id);
  void NovenyHozzaad(int32_t id);
  // Both orders from the ecosystem (after a new ecosystem or a load).
  void SorrendBetoltes();
  // A new ecosystem: every list and pending order emptied.
  void Torles();
  void Atnevezes(bool allat, int32_t id);
  // A flag changed elsewhere: the entries follow the species.
  void JelzoIgazitas(bool allat, TFajJelzo jelzo, int32_t id);
  void JelzoMindIgazitasa(bool allat, TFajJelzo jelzo);

  // The left button on the map showed the frame: "Nagyítókeret" follows.
  void NagyitoKeretMutatasa();

  TFajJeloloLista& Lista(bool allat, TFajJelzo jelzo) const;
  TSorrendCsoport& Sorrend(bool allat) const { return allat ? *allatSorrend_ : *novenySorrend_; }
  QCheckBox& NagyitoKeret() const { return *ngyRajzol_; }

 signals:
  // "Nagyítókeret" was checked or unchecked, by the user or by the map.
  void NagyitoKeretValtozott(bool lathato);
  // The user changed a flag of every species of a kind.
  void JelzokValtoztak(bool allat, zelvaris::TFajJelzo jelzo);

 private:
  TFajJeloloLista* UjLista(bool allat, TFajJelzo jelzo, const TFajJeloloLista::TNevek& nevek,
                           QWidget* lap);

  TAlkalmazasKornyezet& kornyezet_;
  QTabWidget* lapok_;
  QCheckBox* ngyRajzol_;
  TFajJeloloLista* tkpNovenyek_;
  TFajJeloloLista* tkpAllatok_;
  TFajJeloloLista* ngyNovenyek_;
  TFajJeloloLista* ngyAllatok_;
  TSorrendCsoport* novenySorrend_;
  TSorrendCsoport* allatSorrend_;
};

}  // namespace zelvaris
