#pragma once
// The push hub: every change of a species made in one view reaches every
// other view of that species through here. Events are keyed by (kind, Id),
// never by display name: a plant and an animal may both be called "Fű (0)",
// and a species-file load renames a species before its push. Each row of the
// push tables is one subscription; the hub emits with the event guard held, so
// a view that writes its controls in a handler runs no change handler of its
// own.
//
// One hub belongs to each application context, made with it.

#include <QColor>
#include <QObject>
#include <cstdint>
#include <functional>

#include "app/faj_mezok.h"
#include "app/rendezett_jelzes.h"

namespace zelvaris {

class TAlkalmazasKornyezet;
class TElolenyFaj;

// Where a view stands when a species is registered: views hear it in this
// order, whatever order their windows were made in. The full push of the new
// species' fields comes between the species lists and the chart series.
enum class TBejegyzesiSor {
  Szerkesztok,  // the species editors' choosers
  Panelek,      // a panel per animal species
  Valasztok,    // the seed-point dialog's choosers
  Permetek,     // the sprays window's lists
  Kijelzes,     // the display settings' lists and orders
  Grafikonok,   // a series in every chart
  Korfak,       // the age pyramids' choosers
};

class TFajKozpont : public QObject {
  Q_OBJECT

 public:
  explicit TFajKozpont(TAlkalmazasKornyezet& kornyezet);

  TAlkalmazasKornyezet& Kornyezet() const { return kornyezet_; }
  // The species of that kind and Id in the current ecosystem.
  TElolenyFaj& Faj(TFajFajta fajta, int32_t id) const;
  int32_t FajokSzama(TFajFajta fajta) const;

  // Pushes. The species already holds the new value.
  void MezoValtozas(TFajFajta fajta, int32_t id, TFajMezo mezo);
  void Atnevezes(TFajFajta fajta, int32_t id);
  void Atszinezes(TFajFajta fajta, int32_t id);
  // One flag (DegHatas, PerHatas, Tkp, Ngy) set for every species of the kind.
  void JelzoMindenFajra(TFajFajta fajta, TFajMezo jelzo);
  // Every field, the name and the colour (after a species-file load).
  void Frissites(TFajFajta fajta, int32_t id);
  // A species enters every list that shows its kind, with a full push
  // between the lists and the chart series.
  void Bejegyzes(TFajFajta fajta, int32_t id);
  // `f` hears every registration for as long as `nezet` lives.
  void BejegyzesFeliratkozas(TBejegyzesiSor sor, QObject* nezet,
                             std::function<void(TFajFajta, int32_t)> f);

  // The shared colour dialog of a kind starts at the colour last chosen.
  QColor UtolsoSzin(TFajFajta fajta) const;
  void SetUtolsoSzin(TFajFajta fajta, const QColor& szin);

 signals:
  void MezoValtozott(zelvaris::TFajFajta fajta, int32_t id, zelvaris::TFajMezo mezo);
  void Atnevezve(zelvaris::TFajFajta fajta, int32_t id);
  void Atszinezve(zelvaris::TFajFajta fajta, int32_t id);
  void JelzoValtozott(zelvaris::TFajFajta fajta, zelvaris::TFajMezo jelzo);
  // The ecosystem was replaced: every species view starts empty.
  void Urites();

 private:
  TAlkalmazasKornyezet& kornyezet_;
  TRendezettJelzes<TBejegyzesiSor, TFajFajta, int32_t> bejegyzes_;
  QColor allatSzin_;
  QColor novenySzin_;
};

}  // namespace zelvaris
