#pragma once
// Individuals and the list that holds a species' individuals. A species' list
// owns its individuals by value; a cell slot names an individual by its list
// index, and every move inside the list updates that slot.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace zelvaris {

// Fields in the order a snapshot stores them (after the cell).
struct TAllat {
  int32_t Sor = 0;
  int32_t Oszlop = 0;
  int32_t Tomeg = 0;
  int32_t Nem = 0;  // 0 undecided, 1 male, 2 female
  int32_t Eletkor = 0;
  int32_t Evett = 0;
  int32_t Ehezes = 0;
  int32_t VemhesIdo = 0;
  int32_t UtodSzam = 0;
  int32_t RegenIdo = 0;
  int32_t DegDozis = 0;
  int32_t PerDozis = 0;
  bool operator==(const TAllat&) const = default;
};

struct TNoveny {
  int32_t Sor = 0;
  int32_t Oszlop = 0;
  int32_t Tomeg = 0;  // a plant of mass 0 stays in its cell and regrows
  bool operator==(const TNoveny&) const = default;
};

class TOkoszisztema;
class TAllatLepesek;

// How an individual comes into being; decides its starting state.
enum class TLetrehozas { Veletlen = 0, Ujszulott = 1, Felnott = 2, Betoltott = 3 };

template <typename T>
class TElolenyList {
 public:
  int32_t Darab() const { return static_cast<int32_t>(elemek_.size()); }
  // The most individuals the list ever held.
  int32_t Kapacitas() const { return kapacitas_; }
  // During a step, the individuals below Kurzor have already taken their step.
  int32_t Kurzor = 0;

  // A plant's mass is also kept in its cell for the searches, so a plant is
  // changed only through the ecosystem (TOkoszisztema::NovenyTomegBeallitasa).
  T& operator[](int32_t i)
    requires(!std::is_same_v<T, TNoveny>)
  {
    return elemek_[static_cast<size_t>(i)];
  }
  const T& operator[](int32_t i) const { return elemek_[static_cast<size_t>(i)]; }
  const std::vector<T>& Elemek() const { return elemek_; }

  // Appends e and returns its index.
  int32_t Hozzaad(const T& e) {
    elemek_.push_back(e);
    if (Darab() > kapacitas_) kapacitas_ = Darab();
    return Darab() - 1;
  }

  // Removes the individual at index i. In an animal list during a step an
  // already-stepped individual is replaced by the last stepped one, which in
  // turn takes the last element, so the not-yet-stepped individuals stay
  // behind Kurzor. `athelyezve(j)` is called for every element moved to index j.
  template <typename F>
  void Kivesz(int32_t i, bool allatLista, F&& athelyezve) {
    const int32_t utolso = Darab() - 1;
    if (i < utolso) {
      if (allatLista && Kurzor < Darab() && i < Kurzor) {
        elemek_[i] = elemek_[Kurzor - 1];
        athelyezve(i);
        elemek_[Kurzor - 1] = elemek_[utolso];
        athelyezve(Kurzor - 1);
        Kurzor -= 1;
      } else {
        elemek_[i] = elemek_[utolso];
        athelyezve(i);
      }
    }
    elemek_.pop_back();
    if (Darab() < Kurzor) Kurzor = Darab();
  }

  // Replaces the list by an empty one.
  void Urites() {
    elemek_.clear();
    Kurzor = 0;
    kapacitas_ = 0;
  }

  void Tartalek(size_t n) { elemek_.reserve(n); }

 private:
  friend class TOkoszisztema;
  friend class TAllatLepesek;
  T& Elem(int32_t i) { return elemek_[static_cast<size_t>(i)]; }

  std::vector<T> elemek_;
  int32_t kapacitas_ = 0;
};

}  // namespace zelvaris
