#pragma once
// A group of one species flag for every species of one kind: a "Mindet" box
// over a check list whose entry i is species i. The display-settings window
// uses it for Tkp and Ngy, the sprays window for DegHatas and PerHatas.
//
// A click on an entry sets the flag of every species to its entry; the list
// then follows the species again and announces the change, so that the
// owner can bring the other views of the flag into line. Fills made by code
// hold the event guard, so itemChanged (which fires for them too) does
// nothing then.

#include <QGroupBox>
#include <cstdint>

#include "app/alkalmazas_kornyezet.h"

class QCheckBox;
class QListWidget;

namespace zelvaris {

enum class TFajJelzo { Tkp, Ngy, DegHatas, PerHatas };

bool FajJelzoErtek(const TElolenyFaj& faj, TFajJelzo jelzo);

class TFajJeloloLista : public QGroupBox {
  Q_OBJECT

 public:
  struct TNevek {
    const char* Csoport;  // "GB_TkpAllatok"
    const char* Mindet;   // "ChB_TkpOsszesAllat"
    const char* Lista;    // "ChListB_TkpAllatok"
  };

  TFajJeloloLista(TAlkalmazasKornyezet& kornyezet, bool allat, TFajJelzo jelzo, const TNevek& nevek,
                  bool mindetKezdo, QWidget* szulo = nullptr);

  bool Allat() const { return allat_; }
  TFajJelzo Jelzo() const { return jelzo_; }
  QCheckBox& Mindet() const { return *mindet_; }
  QListWidget& Lista() const { return *lista_; }

  // Appends species `id`, checked as its flag.
  void Hozzaad(int32_t id);
  void Torles();
  void Atnevezes(int32_t id);
  // The entry of one species, or every entry, from the species' flags.
  void Igazitas(int32_t id);
  void MindIgazitasa();
  void SetSzovegek(const QString& csoport, const QString& mindet);

 signals:
  // The user changed the flags of this list's kind.
  void JelzokValtoztak();

 private:
  TElolenyFaj* Faj(int32_t id) const;
  void SetJelzo(TElolenyFaj& faj, bool ertek) const;
  void Kattintas();
  void MindetKattintas(bool ertek);

  TAlkalmazasKornyezet& kornyezet_;
  bool allat_;
  TFajJelzo jelzo_;
  QCheckBox* mindet_;
  QListWidget* lista_;
};

}  // namespace zelvaris
