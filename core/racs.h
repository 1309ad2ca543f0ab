#pragma once
// The grid's storage: for every species one flat array with one slot per cell
// (the individual's list index + 1, 0 for none), and for every plant species
// a second one with the mass of the plant standing there (0 for none), so a
// search decides from the grid alone whether a cell holds food. Beside them
// one occupancy word per cell mirrors, a bit per species, which slots are
// taken and which plants have mass: a probe usually decides from that one
// read. A cell costs four bytes, plus four per animal species and eight per
// plant species; adding a species appends its arrays. Changed cells are kept
// as a bit per cell plus a list, so a drawing pass visits only them; a cell
// is marked when its look may have changed (a plant's mass matters only as
// zero or not).

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace zelvaris {

// A zero-filled array of slots; the zeroes come from fresh pages, so building
// a large grid touches only the memory the world actually uses. Large arrays
// live on huge pages where the system grants them.
class TSlotTomb {
 public:
  TSlotTomb() = default;
  explicit TSlotTomb(int64_t n);
  uint32_t* Adat() { return adat_.get(); }
  const uint32_t* Adat() const { return adat_.get(); }
  uint32_t& operator[](int64_t i) { return adat_[static_cast<size_t>(i)]; }
  uint32_t operator[](int64_t i) const { return adat_[static_cast<size_t>(i)]; }

 private:
  struct Felszabadito {
    void* terulet;  // the mapping, or null for a small heap block
    size_t hossz;
    void operator()(uint32_t* p) const;
  };
  std::unique_ptr<uint32_t[], Felszabadito> adat_{nullptr, Felszabadito{nullptr, 0}};
};

class TRacs {
 public:
  // Bytes one cell needs with the given number of species.
  static double BajtCellankent(int32_t allatFajok, int32_t novenyFajok) {
    return 4.0 + 4.0 * allatFajok + 8.0 * novenyFajok + 1.0 / 8.0;
  }
  // What one more species of the kind adds to every cell.
  static double UjFajBajtCellankent(bool allat) { return allat ? 4.0 : 8.0; }

  int64_t L() const { return l_; }
  int64_t Cellak() const { return l_ * l_; }

  // A fresh grid of side l with every slot empty and no cell changed.
  void Epites(int64_t l, int32_t allatFajok, int32_t novenyFajok);
  // Keeps the cells inside both squares; new cells are empty and unchanged.
  void Atmeretezes(int64_t ujL);
  void Torles();
  void AllatFajHozzaadasa();
  void NovenyFajHozzaadasa();

  // Occupancy bits: the first kAllatBitek animal species have a bit for a
  // taken slot, the first kNovenyBitek plant species one for a taken slot and
  // one for a plant of mass above 0. A species beyond them has the bit 0, so
  // its changes leave the word alone and its readers look at its arrays.
  static constexpr int32_t kAllatBitek = 16;
  static constexpr int32_t kNovenyBitek = 8;
  static uint32_t AllatBit(int32_t faj) { return faj < kAllatBitek ? uint32_t{1} << faj : 0; }
  static uint32_t NovenyBit(int32_t faj) {
    return faj < kNovenyBitek ? uint32_t{1} << (kAllatBitek + faj) : 0;
  }
  static uint32_t TomegBit(int32_t faj) {
    return faj < kNovenyBitek ? uint32_t{1} << (kAllatBitek + kNovenyBitek + faj) : 0;
  }
  const uint32_t* Foglaltsag() const { return foglaltsag_.Adat(); }

  // Every change of a slot's occupancy or of a plant's mass goes through
  // these, so the occupancy word stays exact; `slot` is the list index + 1.
  // A move inside a species' list only renumbers the slot (AllatSlotok).
  void AllatBe(int32_t faj, int64_t cella, uint32_t slot) {
    AllatSlotok(faj)[cella] = slot;
    foglaltsag_[cella] |= AllatBit(faj);
  }
  void AllatKi(int32_t faj, int64_t cella) {
    AllatSlotok(faj)[cella] = 0;
    foglaltsag_[cella] &= ~AllatBit(faj);
  }
  void NovenyBe(int32_t faj, int64_t cella, uint32_t slot, int32_t tomeg) {
    NovenySlotok(faj)[cella] = slot;
    foglaltsag_[cella] |= NovenyBit(faj);
    TomegBeallitasa(faj, cella, tomeg);
  }
  void NovenyKi(int32_t faj, int64_t cella) {
    NovenySlotok(faj)[cella] = 0;
    foglaltsag_[cella] &= ~NovenyBit(faj);
    TomegBeallitasa(faj, cella, 0);
  }
  // Most changes of mass keep it above 0 and leave the occupancy word, and
  // its cache line, alone.
  void TomegBeallitasa(int32_t faj, int64_t cella, int32_t tomeg) {
    int32_t& regi = reinterpret_cast<int32_t*>(novenyTomeg_[static_cast<size_t>(faj)].Adat())[cella];
    if ((regi > 0) != (tomeg > 0)) foglaltsag_[cella] ^= TomegBit(faj);
    regi = tomeg;
  }

  uint32_t* AllatSlotok(int32_t faj) { return allat_[static_cast<size_t>(faj)].Adat(); }
  uint32_t* NovenySlotok(int32_t faj) { return noveny_[static_cast<size_t>(faj)].Adat(); }
  const uint32_t* AllatSlotok(int32_t faj) const { return allat_[static_cast<size_t>(faj)].Adat(); }
  const uint32_t* NovenySlotok(int32_t faj) const { return noveny_[static_cast<size_t>(faj)].Adat(); }
  const int32_t* NovenyTomegek(int32_t faj) const {
    return reinterpret_cast<const int32_t*>(novenyTomeg_[static_cast<size_t>(faj)].Adat());
  }

  void Jelol(int64_t cella) {
    uint64_t& szo = valtozott_[static_cast<size_t>(cella >> 6)];
    const uint64_t bit = uint64_t{1} << (cella & 63);
    if ((szo & bit) == 0) {
      szo |= bit;
      valtozottLista_.push_back(cella);
    }
  }
  bool Valtozott(int64_t cella) const {
    return (valtozott_[static_cast<size_t>(cella >> 6)] >> (cella & 63)) & 1u;
  }
  void JelolesTorlese(int64_t cella) {
    valtozott_[static_cast<size_t>(cella >> 6)] &= ~(uint64_t{1} << (cella & 63));
  }
  // The changed cells in the order they were first marked (may hold cells
  // whose mark was cleared by a full pass; check Valtozott).
  std::vector<int64_t>& ValtozottLista() { return valtozottLista_; }
  void MindenJelolesTorlese();

  // Calls f(cella) for every marked cell in cell order and clears all marks.
  // When many cells changed, walking the marks in order reads the slot arrays
  // front to back instead of at random.
  template <typename F>
  void JeloltekBejarasa(F&& f) {
    if (static_cast<int64_t>(valtozottLista_.size()) * 16 < Cellak()) {
      for (int64_t cella : valtozottLista_) {
        if (!Valtozott(cella)) continue;
        JelolesTorlese(cella);
        f(cella);
      }
    } else {
      for (size_t w = 0; w < valtozott_.size(); ++w) {
        for (uint64_t szo = valtozott_[w]; szo != 0; szo &= szo - 1)
          f(static_cast<int64_t>(w * 64) + std::countr_zero(szo));
        valtozott_[w] = 0;
      }
    }
    valtozottLista_.clear();
  }

 private:
  int64_t l_ = 0;
  std::vector<TSlotTomb> allat_;
  std::vector<TSlotTomb> noveny_;
  std::vector<TSlotTomb> novenyTomeg_;
  TSlotTomb foglaltsag_;
  std::vector<uint64_t> valtozott_;
  std::vector<int64_t> valtozottLista_;
};

}  // namespace zelvaris
