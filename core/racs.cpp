#include "core/racs.h"

#include <algorithm>
#include <new>

namespace zelvaris {

TSlotTomb::TSlotTomb(int64_t n) {
  auto* p = static_cast<uint32_t*>(std::calloc(static_cast<size_t>(std::max<int64_t>(n, 1)), sizeof(uint32_t)));
  if (p == nullptr) throw std::bad_alloc();
  adat_.reset(p);
}

void TRacs::Epites(int64_t l, int32_t allatFajok, int32_t novenyFajok) {
  Torles();
  l_ = l;
  allat_.reserve(static_cast<size_t>(allatFajok));
  for (int32_t i = 0; i < allatFajok; ++i) allat_.emplace_back(Cellak());
  noveny_.reserve(static_cast<size_t>(novenyFajok));
  for (int32_t i = 0; i < novenyFajok; ++i) noveny_.emplace_back(Cellak());
  valtozott_.assign(static_cast<size_t>((Cellak() + 63) / 64), 0);
}

void TRacs::Torles() {
  l_ = 0;
  allat_.clear();
  noveny_.clear();
  valtozott_.clear();
  valtozott_.shrink_to_fit();
  valtozottLista_.clear();
  valtozottLista_.shrink_to_fit();
}

void TRacs::AllatFajHozzaadasa() {
  if (l_ > 0) allat_.emplace_back(Cellak());
}

void TRacs::NovenyFajHozzaadasa() {
  if (l_ > 0) noveny_.emplace_back(Cellak());
}

void TRacs::Atmeretezes(int64_t ujL) {
  const int64_t kozos = std::min(l_, ujL);
  auto atmasol = [&](std::vector<TSlotTomb>& tombok) {
    for (auto& regi : tombok) {
      TSlotTomb uj(ujL * ujL);
      for (int64_t sor = 0; sor < kozos; ++sor)
        std::copy_n(regi.Adat() + sor * l_, kozos, uj.Adat() + sor * ujL);
      regi = std::move(uj);
    }
  };
  atmasol(allat_);
  atmasol(noveny_);
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
