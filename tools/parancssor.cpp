#include "tools/parancssor.h"

#include <charconv>
#include <limits>

namespace zelvaris {

namespace {

// Plain decimal digits only: no sign, no blanks, no hexadecimal.
uint64_t Szam(const std::string& nev, const std::string& szoveg, uint64_t legnagyobb) {
  uint64_t ertek = 0;
  const char* eleje = szoveg.data();
  const char* vege = eleje + szoveg.size();
  const bool csakSzamjegy =
      !szoveg.empty() && szoveg.find_first_not_of("0123456789") == std::string::npos;
  const auto eredmeny = std::from_chars(eleje, vege, ertek);
  if (!csakSzamjegy || eredmeny.ec != std::errc{} || eredmeny.ptr != vege || ertek > legnagyobb) {
    throw THasznalatHiba(nev + " needs a whole number from 0 to " + std::to_string(legnagyobb) +
                         ", not \"" + szoveg + "\"");
  }
  return ertek;
}

}  // namespace

TBatchBeallitas BatchParancssor(std::span<const std::string> argumentumok) {
  TBatchBeallitas b;
  bool vanFajl = false;
  bool opciokVege = false;
  for (size_t i = 0; i < argumentumok.size(); ++i) {
    const std::string& arg = argumentumok[i];
    if (opciokVege || arg.size() < 2 || arg[0] != '-') {
      if (vanFajl) throw THasznalatHiba("only one FILE may be given (\"" + arg + "\" is a second one)");
      b.Fajl = arg;
      vanFajl = true;
      continue;
    }
    if (arg == "--") {
      opciokVege = true;
      continue;
    }
    std::string nev = arg;
    std::optional<std::string> ertek;
    if (const auto egyenlo = arg.find('='); arg.starts_with("--") && egyenlo != std::string::npos) {
      nev = arg.substr(0, egyenlo);
      ertek = arg.substr(egyenlo + 1);
    }
    auto Ertek = [&]() -> std::string {
      if (ertek) return *ertek;
      if (i + 1 >= argumentumok.size()) throw THasznalatHiba(nev + " needs a value");
      return argumentumok[++i];
    };
    auto ErtekNelkul = [&] {
      if (ertek) throw THasznalatHiba(nev + " takes no value");
    };
    if (nev == "--help" || nev == "-h") {
      ErtekNelkul();
      b.Sugo = true;
    } else if (nev == "--seed") {
      b.Mag = static_cast<uint32_t>(Szam(nev, Ertek(), std::numeric_limits<uint32_t>::max()));
    } else if (nev == "--steps") {
      b.Lepesek = static_cast<int32_t>(Szam(nev, Ertek(), std::numeric_limits<int32_t>::max()));
    } else if (nev == "--snapshot") {
      const std::string s = Ertek();
      if (s.empty()) throw THasznalatHiba("--snapshot needs a file name");
      b.Pillanatkep = s;
    } else if (nev == "--series") {
      const std::string s = Ertek();
      if (s.empty()) throw THasznalatHiba("--series needs a file name");
      b.Sorozat = s;
    } else if (nev == "--progress") {
      ErtekNelkul();
      b.Haladas = true;
    } else {
      throw THasznalatHiba("unknown option " + nev);
    }
  }
  if (!b.Sugo && !vanFajl) throw THasznalatHiba("no FILE given");
  return b;
}

std::string BatchHasznalat() {
  return R"(Usage: zelvaris-batch [--seed N] [--steps N] [--snapshot OUT] [--series OUT.csv]
                      [--progress] FILE

Runs an ecosystem without a window, with the same simulation and files as the
window program.

FILE          a configuration (.okocfg) or a snapshot (.okopill).
              A configuration is built and its start populations are placed at
              random. A snapshot continues exactly where it was saved; its data
              file (.okodat) must lie beside it. Any other name is refused.
--seed N      sets the random generator to N (0..4294967295) before FILE is
              loaded, so the placement of the start populations repeats too.
              Without it the clock seeds the generator and the seed used is
              printed as "seed: N".
--steps N     runs N steps after loading (0..2147483647; default 0).
--snapshot OUT
              saves a snapshot after the run: OUT gets ".okopill" unless it
              already ends with it; its data file is written beside it.
--series OUT.csv
              writes the population history of the run as CSV (UTF-8, RFC 4180):
              a header "step", then each plant species' display name, then
              each animal species', in Id order; then one row per step: the
              step number (from 1), each plant species' total mass and each
              animal species' count after that step. A run started from a
              snapshot records only the steps made since loading it.
--progress    shows steps done, steps per second and the populations on one
              line on stderr, updated a few times a second.
--help        prints this text.

At the end "final seed: N" is printed on stderr: the generator's state after the
run. Loading the saved snapshot with --seed N and running on gives the same
world as one longer run.

Start populations that do not fit into the world (too few cells admit the
species) are a warning on stderr, not an error: the run goes on with what was
placed.

Exit status: 0 success; 1 a file could not be loaded or saved, or the world
does not fit into memory (the message names the file or the size); 2 bad usage.
)";
}

}  // namespace zelvaris
