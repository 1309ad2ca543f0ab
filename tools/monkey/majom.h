#pragma once
// The monkey: random user actions on the whole window program. Each action
// is one line of the log, its kind and the seed of the generator all its
// choices come from, so a log replays exactly, and a shortened log replays
// what is left of it. After every action the world's invariants and the
// windows' species lists are checked.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace zelvaris {

class TMajomModalis;
class TProgram;
class TVeletlenBemenet;

enum class TAkcioFajta {
  Akcio,      // an enabled action of the main window
  Vezerlo,    // a control of a visible window: click, type, choose
  Terkep,     // the mouse on the map
  Nagyito,    // the mouse on the magnifier
  Tikk,       // timer ticks
  Nyelv,      // a language from the menu
  Rontas,     // a file in the folder corrupted
  Bezaras,    // a window's close button
  Kicsinyites,  // a large world replaced by a modest one
};

std::string AkcioNev(TAkcioFajta f);
std::optional<TAkcioFajta> AkcioFajtaNevbol(const std::string& nev);

class TMajom {
 public:
  // `mappa` is the program directory, where files are read and written.
  TMajom(TProgram& program, TMajomModalis& modalis, QString mappa, std::function<void(const QString&)> naplo);

  // Draws the next action's kind from `v`, weighted toward what users do.
  TAkcioFajta Sorsolas(TVeletlenBemenet& v) const;
  // Performs one action with its choices drawn from a generator seeded by
  // `mag`, then lets posted events run and checks everything. Returns the
  // faults found.
  std::vector<std::string> Vegrehajtas(TAkcioFajta fajta, uint32_t mag);

 private:
  void Akcio(TVeletlenBemenet& v);
  void Vezerlo(TVeletlenBemenet& v);
  void Terkep(TVeletlenBemenet& v);
  void Nagyito(TVeletlenBemenet& v);
  void Tikkek(TVeletlenBemenet& v, int64_t legfeljebb);
  void Nyelv(TVeletlenBemenet& v);
  void Rontas(TVeletlenBemenet& v);
  void Bezaras(TVeletlenBemenet& v);
  void Kicsinyites(TVeletlenBemenet& v);
  void Futtat(const char* akcio);
  void EgerAblakon(QWidget& ablak, QPoint hely, TVeletlenBemenet& v);
  // Every top-level window in the order the monkey first saw it: Qt lists
  // them in no fixed order, and a replay must choose the same one.
  std::vector<QWidget*> Ablakok();
  std::vector<QWidget*> LathatoAblakok();
  bool NagyVilag() const;
  int64_t Allatok() const;
  // The probes the next step would make: the larger of what the species'
  // search budgets and litters allow and the last step scaled by the
  // animals alive now.
  uint64_t VarhatoProbak() const;

  TProgram& program_;
  TMajomModalis& modalis_;
  QString mappa_;
  std::function<void(const QString&)> naplo_;
  std::vector<QPointer<QWidget>> ismertAblakok_;
  // Search probes of the last step a tick ran: far-reaching searches make a
  // small world slow to step.
  uint64_t utolsoLepesProbai_ = 0;
  int64_t utolsoLepesAllatai_ = 0;
};

}  // namespace zelvaris
