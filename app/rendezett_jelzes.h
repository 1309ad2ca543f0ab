#pragma once
// A notification whose subscribers are heard in a fixed order of groups,
// whatever order they subscribed in (the windows are created in start-up
// order, which is not the order the program must address them in); within
// a group, in subscription order. A subscription lasts as long as the
// object it names.

#include <QObject>
#include <QPointer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace zelvaris {

template <typename TCsoport, typename... TArgs>
class TRendezettJelzes {
 public:
  using TFuggveny = std::function<void(TArgs...)>;

  void Feliratkozas(TCsoport csoport, QObject* kovetett, TFuggveny f) {
    const auto hely = std::upper_bound(elemek_.begin(), elemek_.end(), csoport,
                                       [](TCsoport c, const TElem& e) { return c < e.Csoport; });
    elemek_.insert(hely, TElem{csoport, kovetett, std::move(f)});
  }

  // Every subscriber, group by group.
  void Kuldes(TArgs... args) {
    Hivasok([](TCsoport) { return true; }, args...);
  }
  // The groups before `ig`, or those from `tol` on.
  void KuldesIg(TCsoport ig, TArgs... args) {
    Hivasok([ig](TCsoport c) { return c < ig; }, args...);
  }
  void KuldesTol(TCsoport tol, TArgs... args) {
    Hivasok([tol](TCsoport c) { return !(c < tol); }, args...);
  }

 private:
  struct TElem {
    TCsoport Csoport;
    QPointer<QObject> Kovetett;
    TFuggveny F;
  };

  template <typename TSzuro>
  void Hivasok(TSzuro szuro, TArgs... args) {
    Takaritas();
    // A handler may subscribe or destroy a subscriber: work on a copy.
    const std::vector<TElem> most = elemek_;
    for (const TElem& e : most) {
      if (szuro(e.Csoport) && !e.Kovetett.isNull()) e.F(args...);
    }
  }

  void Takaritas() {
    std::erase_if(elemek_, [](const TElem& e) { return e.Kovetett.isNull(); });
  }

  std::vector<TElem> elemek_;
};

}  // namespace zelvaris
