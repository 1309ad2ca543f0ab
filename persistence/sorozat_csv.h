#pragma once
// The population history as CSV, as the batch tool's --series and a chart
// window's data export write it: a header "step" and one name per column,
// then one row per recorded step: the step number (from 1) and each column's
// value after that step. Both programs go through this writer, so their files
// agree byte for byte.

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/letszam_forras.h"

namespace zelvaris {

class TOkoszisztema;

// One column: a row of a population source under the name the file shows.
struct TSorozatOszlop {
  std::string Nev;
  const TLetszamForras* Forras = nullptr;
  int32_t Sor = 0;
};

// Every species, plants first, then animals, each kind in Id order, under its
// current display name.
std::vector<TSorozatOszlop> SorozatOszlopok(const TOkoszisztema& oko);
// The dose history: per animal species in Id order, its display name followed
// by " deg mean", " deg max", " per mean" and " per max".
std::vector<TSorozatOszlop> DozisOszlopok(const TOkoszisztema& oko);
// Of those, the means alone: per animal species " deg mean" and " per mean".
std::vector<TSorozatOszlop> DozisAtlagOszlopok(const TOkoszisztema& oko);
// The steps recorded in both of the ecosystem's population sources.
int32_t RogzitettLepesek(const TOkoszisztema& oko);

// Writes `lepesek` rows; every column's source must hold at least that many.
void SorozatIrasa(std::span<const TSorozatOszlop> oszlopok, int32_t lepesek, std::ostream& ki);
void SorozatIrasa(const TOkoszisztema& oko, std::ostream& ki);

// Writes the file through a temporary one renamed over the target, so a
// failed save leaves the previous file intact. Throws TFajlHiba naming the
// file and the reason.
void SorozatMentese(std::span<const TSorozatOszlop> oszlopok, int32_t lepesek,
                    const std::filesystem::path& fajl);
void SorozatMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl);

}  // namespace zelvaris
