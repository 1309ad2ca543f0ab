#pragma once
// The batch program's command line:
//   zelvaris-batch [--seed N] [--steps N] [--snapshot OUT] [--series OUT.csv] [--doses OUT.csv]
//                  [--progress] [--spray STEP:KIND]... [--set P=V]... [--sweep P=A:B:S]... [--replicates R]
//                  [--summary OUT.csv] [--jobs J | --run I] [--header] FILE
// Options may also be written as --name=value. Bad usage throws THasznalatHiba
// with a one-line reason; the caller prints it with the usage text.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/hasznalati_hiba.h"
#include "tools/parameter.h"

namespace zelvaris {

// --set P=V
struct TErtekAdas {
  TParameter Parameter;
  std::string Ertek;
};

// --sweep P=A:B:S: A, A + S, ... up to B inclusive.
struct TSopresLeiras {
  TParameter Parameter;
  int32_t Tol = 0;
  int32_t Ig = 0;
  int32_t Lepes = 1;
  int64_t Pontok() const { return (int64_t{Ig} - Tol) / Lepes + 1; }
};

// --spray STEP:degradable or STEP:persistent: sprayed just before step STEP
// of the run (counted from 1, as the series count), as the window program's
// spray actions do it.
struct TPermetezes {
  int32_t Lepes = 1;
  bool Perzisztens = false;
  std::string Szoveg() const;  // as the command line writes it
};

struct TBatchBeallitas {
  bool Sugo = false;                                 // --help: print the usage text and stop
  std::optional<uint32_t> Mag;                       // --seed; none: seeded from the clock
  int32_t Lepesek = 0;                               // --steps
  std::optional<std::filesystem::path> Pillanatkep;  // --snapshot
  std::optional<std::filesystem::path> Sorozat;      // --series
  std::optional<std::filesystem::path> Dozisok;      // --doses
  std::vector<TPermetezes> Permetezesek;             // --spray, in command-line order
  bool Haladas = false;                              // --progress
  std::filesystem::path Fajl;                        // the .okocfg or .okopill to start from

  std::vector<TErtekAdas> Ertekek;                 // --set, in command-line order
  std::vector<TSopresLeiras> Sopresek;             // --sweep, the first slowest
  int32_t Ismetlesek = 1;                          // --replicates
  std::optional<std::filesystem::path> Osszegzes;  // --summary
  std::optional<int32_t> Munkak;                   // --jobs; none: the core count
  std::optional<int32_t> Futas;                    // --run
  bool Fejlec = false;                             // --header
  bool SopresMod = false;  // any sweep option: runs are counted and summarised

  // Points times replicates; the parser keeps it below 2^31.
  int32_t FutasokSzama() const;
};

// Parses the arguments after the program name.
TBatchBeallitas BatchParancssor(std::span<const std::string> argumentumok);

// The text --help prints; also shown after every usage error.
std::string BatchHasznalat();

}  // namespace zelvaris
