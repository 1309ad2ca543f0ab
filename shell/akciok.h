#pragma once
// The actions of the main window: every menu item, toolbar button and
// controller button is bound to one of them. Captions and hints are the
// built-in texts of the language keys; an action without an operation is
// shown disabled whatever its enabled flag says. The three enabling states
// (start, not set up, set up) switch the flags as one.

#include <QAction>
#include <QIcon>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

enum class TEngedelyAllapot { Kezdet, NemBeallitott, Beallitott };

inline constexpr int kTolKezdet = 0;         // on in every state
inline constexpr int kTolNemBeallitott = 1;
inline constexpr int kTolBeallitott = 2;
inline constexpr int kTolSoha = 3;            // off in every state
inline constexpr int kErintetlen = -1;        // the states leave it alone

struct TAkcioLeiras {
  std::string_view Nev;       // "Act_Tovabb"
  std::string_view Kategoria;
  int Kep;                    // index into the image list, -1: none
  bool Kezdo;                 // enabled before the start state is first applied
  bool Muvelet;               // has an operation
  // The first state that enables it: kTol* below.
  int Tol;
  bool Kijelolheto = false;
  bool Kijelolt = false;
};

// Every action of the main window, in the order of the action list.
const std::vector<TAkcioLeiras>& AkcioLeirasok();

class TAkciok : public QObject {
  Q_OBJECT

 public:
  // `kepek` gives the icon of an image index.
  TAkciok(const std::function<QIcon(int)>& kepek, QObject* szulo);

  // The action of that name; throws std::out_of_range for an unknown name.
  QAction* operator[](std::string_view nev) const;
  bool Van(std::string_view nev) const { return akciok_.find(nev) != akciok_.end(); }
  const std::vector<QAction*>& Mind() const { return sorban_; }

  // Binds the operation; an action without one stays disabled.
  void Muvelet(std::string_view nev, std::function<void()> muvelet);

  // The enabled flag as the states and the program set it; what the user
  // sees also needs the operation.
  bool Engedelyezett(std::string_view nev) const;
  void SetEngedelyezett(std::string_view nev, bool ertek);

  void AllapotBeallitasa(TEngedelyAllapot allapot);
  void SetKep(std::string_view nev, int kep);

 signals:
  // An action's operation has run (or ended with an error): what shows the
  // world's state may refresh.
  void Lefutott();

 private:
  struct TAkcio {
    QAction* Akcio;
    const TAkcioLeiras* Leiras;
    bool Engedelyezett;
    bool VanMuvelet;
  };
  void Frissites(TAkcio& a);

  std::function<QIcon(int)> kepek_;
  std::map<std::string, TAkcio, std::less<>> akciok_;
  std::vector<QAction*> sorban_;
};

}  // namespace zelvaris
