#include "core/racs.h"

#include <algorithm>
#include <new>

#include <sys/mman.h>

namespace zelvaris {

namespace {

constexpr size_t kNagyLap = size_t{2} << 20;

}  // namespace

// Large arrays are mapped directly, aligned to 2 MiB and marked for huge
// pages: a search ring spans a few rows, each on its own 4 KiB page, so with
// small pages nearly every probe of a large world misses the address cache.
// Fresh anonymous pages read as zero and cost memory only once touched.
TSlotTomb::TSlotTomb(int64_t n) {
  const size_t bajt = static_cast<size_t>(std::max<int64_t>(n, 1)) * sizeof(uint32_t);
  if (bajt < kNagyLap) {
    auto* p = static_cast<uint32_t*>(std::calloc(bajt / sizeof(uint32_t), sizeof(uint32_t)));
    if (p == nullptr) throw std::bad_alloc();
    adat_ = {p, Felszabadito{nullptr, 0}};
    return;
  }
  const size_t hossz = bajt + kNagyLap;
  void* terulet = mmap(nullptr, hossz, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (terulet == MAP_FAILED) throw std::bad_alloc();
  const auto kezdet = reinterpret_cast<uintptr_t>(terulet);
  const uintptr_t igazitott = (kezdet + kNagyLap - 1) & ~(uintptr_t{kNagyLap} - 1);
  madvise(reinterpret_cast<void*>(igazitott), bajt, MADV_HUGEPAGE);
  adat_ = {reinterpret_cast<uint32_t*>(igazitott), Felszabadito{terulet, hossz}};
}

void TSlotTomb::Felszabadito::operator()(uint32_t* p) const {
  if (terulet == nullptr) {
    std::free(p);
  } else {
    munmap(terulet, hossz);
  }
}

void TRacs::Epites(int64_t l, int32_t allatFajok, int32_t novenyFajok) {
  Torles();
  l_ = l;
  allat_.reserve(static_cast<size_t>(allatFajok));
  for (int32_t i = 0; i < allatFajok; ++i) allat_.emplace_back(Cellak());
  noveny_.reserve(static_cast<size_t>(novenyFajok));
  for (int32_t i = 0; i < novenyFajok; ++i) noveny_.emplace_back(Cellak());
  novenyTomeg_.reserve(static_cast<size_t>(novenyFajok));
  for (int32_t i = 0; i < novenyFajok; ++i) novenyTomeg_.emplace_back(Cellak());
  foglaltsag_ = TSlotTomb(Cellak());
  valtozott_.assign(static_cast<size_t>((Cellak() + 63) / 64), 0);
}

void TRacs::Torles() {
  l_ = 0;
  allat_.clear();
  noveny_.clear();
  novenyTomeg_.clear();
  foglaltsag_ = TSlotTomb();
  valtozott_.clear();
  valtozott_.shrink_to_fit();
  valtozottLista_.clear();
  valtozottLista_.shrink_to_fit();
}

void TRacs::AllatFajHozzaadasa() {
  if (l_ > 0) allat_.emplace_back(Cellak());
}

void TRacs::NovenyFajHozzaadasa() {
  if (l_ <= 0) return;
  TSlotTomb slotok(Cellak()), tomegek(Cellak());
  noveny_.reserve(noveny_.size() + 1);
  novenyTomeg_.reserve(novenyTomeg_.size() + 1);
  noveny_.push_back(std::move(slotok));
  novenyTomeg_.push_back(std::move(tomegek));
}

void TRacs::Atmeretezes(int64_t ujL) {
  const int64_t kozos = std::min(l_, ujL);
  auto atmasol = [&](TSlotTomb& regi) {
    TSlotTomb uj(ujL * ujL);
    for (int64_t sor = 0; sor < kozos; ++sor)
      std::copy_n(regi.Adat() + sor * l_, kozos, uj.Adat() + sor * ujL);
    regi = std::move(uj);
  };
  for (auto& t : allat_) atmasol(t);
  for (auto& t : noveny_) atmasol(t);
  for (auto& t : novenyTomeg_) atmasol(t);
  atmasol(foglaltsag_);
  std::vector<uint64_t> ujJelek(static_cast<size_t>((ujL * ujL + 63) / 64), 0);
  std::vector<int64_t> ujLista;
  for (int64_t regiCella : valtozottLista_) {
    if (!Valtozott(regiCella)) continue;
    const int64_t sor = regiCella / l_, oszlop = regiCella % l_;
    if (sor >= ujL || oszlop >= ujL) continue;
    const int64_t cella = sor * ujL + oszlop;
    const uint64_t bit = uint64_t{1} << (cella & 63);
    if ((ujJelek[static_cast<size_t>(cella >> 6)] & bit) == 0) {
      ujJelek[static_cast<size_t>(cella >> 6)] |= bit;
      ujLista.push_back(cella);
    }
  }
  valtozott_ = std::move(ujJelek);
  valtozottLista_ = std::move(ujLista);
  l_ = ujL;
}

void TRacs::MindenJelolesTorlese() {
  std::fill(valtozott_.begin(), valtozott_.end(), 0);
  valtozottLista_.clear();
}

}  // namespace zelvaris
