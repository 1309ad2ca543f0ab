#include "tools/parancssor.h"

#include <charconv>
#include <limits>

#include "persistence/fajlnevek.h"

namespace zelvaris {

namespace {

// Plain decimal digits only: no sign, no blanks, no hexadecimal.
uint64_t Szam(const std::string& nev, const std::string& szoveg, uint64_t legnagyobb,
              uint64_t legkisebb = 0) {
  uint64_t ertek = 0;
  const char* eleje = szoveg.data();
  const char* vege = eleje + szoveg.size();
  const bool csakSzamjegy =
      !szoveg.empty() && szoveg.find_first_not_of("0123456789") == std::string::npos;
  const auto eredmeny = std::from_chars(eleje, vege, ertek);
  if (!csakSzamjegy || eredmeny.ec != std::errc{} || eredmeny.ptr != vege || ertek > legnagyobb ||
      ertek < legkisebb) {
    throw THasznalatHiba(nev + " needs a whole number from " + std::to_string(legkisebb) + " to " +
                         std::to_string(legnagyobb) + ", not \"" + szoveg + "\"");
  }
  return ertek;
}

uint64_t Pozitiv(const std::string& nev, const std::string& szoveg, uint64_t legnagyobb) {
  return Szam(nev, szoveg, legnagyobb, 1);
}

// "P=V": the parameter up to the first "=", the value after it.
std::pair<TParameter, std::string> ParameterEsErtek(const std::string& nev,
                                                    const std::string& szoveg) {
  const auto egyenlo = szoveg.find('=');
  if (egyenlo == std::string::npos)
    throw THasznalatHiba(nev + " needs PARAMETER=VALUE, not \"" + szoveg + "\"");
  return {ParameterErtelmezese(szoveg.substr(0, egyenlo)), szoveg.substr(egyenlo + 1)};
}

TSopresLeiras Sopres(const std::string& szoveg) {
  auto [p, tartomany] = ParameterEsErtek("--sweep", szoveg);
  if (!p.Soporheto())
    throw THasznalatHiba("--sweep " + p.Szoveg + ": only whole-number and 0/1 fields can be swept");
  const auto elso = tartomany.find(':');
  const auto masodik = elso == std::string::npos ? elso : tartomany.find(':', elso + 1);
  if (masodik == std::string::npos || tartomany.find(':', masodik + 1) != std::string::npos)
    throw THasznalatHiba("--sweep " + p.Szoveg + ": bad range \"" + tartomany +
                         "\" (write FROM:TO:STEP)");
  const std::string a = tartomany.substr(0, elso);
  const std::string b = tartomany.substr(elso + 1, masodik - elso - 1);
  const std::string lepes = tartomany.substr(masodik + 1);
  ErtekEllenorzese(p, a);
  ErtekEllenorzese(p, b);
  TSopresLeiras s;
  s.Tol = static_cast<int32_t>(std::stoll(a));
  s.Ig = static_cast<int32_t>(std::stoll(b));
  if (s.Tol > s.Ig)
    throw THasznalatHiba("--sweep " + p.Szoveg + ": bad range \"" + tartomany +
                         "\": FROM is above TO");
  s.Lepes = static_cast<int32_t>(
      Pozitiv("--sweep " + p.Szoveg + " STEP", lepes, std::numeric_limits<int32_t>::max()));
  s.Parameter = std::move(p);
  return s;
}

TPermetezes Permetezes(const std::string& szoveg) {
  const auto kettospont = szoveg.find(':');
  const std::string fajta = kettospont == std::string::npos ? "" : szoveg.substr(kettospont + 1);
  if (fajta != "degradable" && fajta != "persistent")
    throw THasznalatHiba("--spray needs STEP:degradable or STEP:persistent, not \"" + szoveg + "\"");
  TPermetezes p;
  p.Lepes = static_cast<int32_t>(
      Pozitiv("--spray STEP", szoveg.substr(0, kettospont), std::numeric_limits<int32_t>::max()));
  p.Perzisztens = fajta == "persistent";
  return p;
}

// Combinations that would silently do something else than asked.
void Ellenorzes(TBatchBeallitas& b) {
  if (PontosKiterjesztes(b.Fajl, kOkoPillKiterjesztes)) {
    auto oldal = [](const TParameter& p) { return p.Fajta == TParameterFajta::Oldal; };
    for (const auto& e : b.Ertekek)
      if (oldal(e.Parameter))
        throw THasznalatHiba("L cannot be set for a snapshot: its grid is stored with it");
    for (const auto& s : b.Sopresek)
      if (oldal(s.Parameter))
        throw THasznalatHiba("L cannot be swept for a snapshot: its grid is stored with it");
  }
  if (b.Futas && b.Munkak) throw THasznalatHiba("--jobs and --run exclude each other");
  if (b.Osszegzes && (b.Futas || b.Fejlec))
    throw THasznalatHiba(
        "--run and --header print on standard output; "
        "--summary is for a whole sweep");
  const bool egyFutas = !b.SopresMod || (b.Futas && !b.Fejlec);
  if (!egyFutas && (b.Pillanatkep || b.Sorozat || b.Dozisok || b.Haladas))
    throw THasznalatHiba(
        "--snapshot, --series, --doses and --progress belong to a "
        "single run; in a sweep give them with --run I");
  // A header alone makes no step, so a spray after its (absent) steps is no mistake there.
  const bool lepesekFutnak = !b.SopresMod || b.Futas || !b.Fejlec;
  for (const TPermetezes& p : b.Permetezesek)
    if (lepesekFutnak && p.Lepes > b.Lepesek)
      throw THasznalatHiba("--spray " + p.Szoveg() + ": the run has only " +
                           std::to_string(b.Lepesek) + " steps");
  int64_t futasok = b.Ismetlesek;
  for (const auto& s : b.Sopresek) {
    futasok *= s.Pontok();
    if (futasok > std::numeric_limits<int32_t>::max())
      throw THasznalatHiba("the sweep has too many runs (more than 2147483647)");
  }
  if (b.Futas && *b.Futas >= futasok)
    throw THasznalatHiba("--run " + std::to_string(*b.Futas) + ": the sweep has only " +
                         std::to_string(futasok) + " runs (0 to " + std::to_string(futasok - 1) +
                         ")");
}

}  // namespace

std::string TPermetezes::Szoveg() const {
  return std::to_string(Lepes) + (Perzisztens ? ":persistent" : ":degradable");
}

int32_t TBatchBeallitas::FutasokSzama() const {
  int64_t futasok = Ismetlesek;
  for (const auto& s : Sopresek) futasok *= s.Pontok();
  return static_cast<int32_t>(futasok);
}

TBatchBeallitas BatchParancssor(std::span<const std::string> argumentumok) {
  TBatchBeallitas b;
  bool vanFajl = false;
  bool opciokVege = false;
  for (size_t i = 0; i < argumentumok.size(); ++i) {
    const std::string& arg = argumentumok[i];
    if (opciokVege || arg.size() < 2 || arg[0] != '-') {
      if (vanFajl)
        throw THasznalatHiba("only one FILE may be given (\"" + arg + "\" is a second one)");
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
    auto FajlNev = [&]() -> std::filesystem::path {
      const std::string s = Ertek();
      if (s.empty()) throw THasznalatHiba(nev + " needs a file name");
      return s;
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
      b.Pillanatkep = FajlNev();
    } else if (nev == "--series") {
      b.Sorozat = FajlNev();
    } else if (nev == "--doses") {
      b.Dozisok = FajlNev();
    } else if (nev == "--spray") {
      b.Permetezesek.push_back(Permetezes(Ertek()));
    } else if (nev == "--progress") {
      ErtekNelkul();
      b.Haladas = true;
    } else if (nev == "--set") {
      auto [p, v] = ParameterEsErtek(nev, Ertek());
      ErtekEllenorzese(p, v);
      b.Ertekek.push_back({std::move(p), std::move(v)});
    } else if (nev == "--sweep") {
      b.SopresMod = true;
      b.Sopresek.push_back(Sopres(Ertek()));
    } else if (nev == "--replicates") {
      b.SopresMod = true;
      b.Ismetlesek =
          static_cast<int32_t>(Pozitiv(nev, Ertek(), std::numeric_limits<int32_t>::max()));
    } else if (nev == "--summary") {
      b.SopresMod = true;
      b.Osszegzes = FajlNev();
    } else if (nev == "--jobs") {
      b.SopresMod = true;
      b.Munkak = static_cast<int32_t>(Pozitiv(nev, Ertek(), 4096));
    } else if (nev == "--run") {
      b.SopresMod = true;
      b.Futas = static_cast<int32_t>(Szam(nev, Ertek(), std::numeric_limits<int32_t>::max() - 1));
    } else if (nev == "--header") {
      b.SopresMod = true;
      ErtekNelkul();
      b.Fejlec = true;
    } else {
      throw THasznalatHiba("unknown option " + nev);
    }
  }
  if (b.Sugo) return b;
  if (!vanFajl) throw THasznalatHiba("no FILE given");
  Ellenorzes(b);
  return b;
}

std::string BatchHasznalat() {
  return R"(Usage: zelvaris-batch [--seed N] [--steps N] [--snapshot OUT] [--series OUT.csv]
                      [--doses OUT.csv] [--progress] [--spray STEP:KIND]...
                      [--set P=V]... FILE
       zelvaris-batch [--seed N] [--steps N] [--spray STEP:KIND]... [--set P=V]...
                      [--sweep P=A:B:S]... [--replicates R] [--summary OUT.csv]
                      [--jobs J | --run I] [--header] FILE

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
--doses OUT.csv
              writes how the sprays climb the food chain, as CSV like --series:
              a header "step", then for each animal species in Id order
              "NAME (Id) deg mean", "NAME (Id) deg max", "NAME (Id) per mean"
              and "NAME (Id) per max"; then one row per step: the step number
              and the mean and the highest degradable and persistent dose of
              the species' living animals after that step (0 when it has none).
--spray STEP:KIND
              sprays the whole world just before step STEP of the run (1..N, as
              the rows of --series count them), as the window program's spray
              actions do: KIND "degradable" for the degradable spray, which
              lasts one step, "persistent" for the persistent one, which stays.
              Which species it touches and how is part of each species
              (DegHatas, PerHatas, DegHatasfok, ... below). May be repeated.
              Example: --spray 100:persistent --spray 300:degradable
--progress    shows steps done, steps per second and the populations on one
              line on stderr, updated a few times a second.
--set P=V     sets parameter P to V before the run: for a configuration after
              loading it and before its world is built, for a snapshot after
              loading it. P is one of
                animal:ID.Field   a field of an animal species
                plant:ID.Field    a field of a plant species
                L                 the side length (configurations only, 50..2000000000)
              ID is the species' Id or its name, if exactly one species of that
              kind has it. Field is a line of the species' record:
                both kinds: Nev Szin PopulacioMeret DegHatas PerHatas
                  GocEgyedszam GocRitkitas DegHatasfok PerHatasfok Tkp Ngy
                animals: NovenyPredak AllatPredak NovenyUtkozes AllatUtkozes
                  Tomeg Kor Vemhes Ivarerettseg Regeneralodas Utod SzuloSugar
                  Ehes Jollakottsag MozgasHossz DegUtodMinusz DegKorMinusz
                  PerUtodMinusz PerKorMinusz
                plants: NovenyUtkozes AllatGatlas Novekmeny Tomeg DegNovMinusz
                  PerNovMinusz
              V is written as in the files: a 32-bit whole number, 0 or 1 for
              DegHatas, PerHatas, Tkp and Ngy, a list as "2, 0, 7" and prey
              groups as "3/4, 1". An animal species' Tomeg also sets the mass of
              its living animals.
              Example: --set animal:Fox.Utod=3 --set "animal:0.NovenyPredak=1, 0"

Sweeps (any of the options below makes the run a sweep):
--sweep P=A:B:S
              runs P at A, A+S, A+2S, ... up to B (A <= B, S >= 1), for a
              whole-number or 0/1 parameter. Several sweeps run every
              combination of their values, the first sweep slowest.
--replicates R
              runs every combination R times (default 1); replicate r uses the
              seed N+r (modulo 2^32), so combinations are compared on the same
              seeds. The run index is combination * R + r.
--summary OUT.csv
              writes the summary there instead of on stdout. It has one row per
              run in run order: run, replicate, seed, the swept values, steps,
              each species' final value (plant species' total mass, animal
              species' count) under its display name, each species' first step
              at which it was recorded as 0 (empty if none), each animal
              species' mean persistent dose at the end ("NAME (Id) per mean"),
              and the final seed.
--jobs J      runs the runs in J worker processes at a time (default: the
              number of cores).
--run I       makes run I only (0 .. runs-1) and prints its row on stdout;
              --snapshot, --series, --doses and --progress then apply to that
              run.
--header      prints the summary's header on stdout (before the row with
              --run). The header followed by the rows of every --run I is the
              summary, byte for byte.
--help        prints this text.

At the end of a single run "final seed: N" is printed on stderr: the
generator's state after the run. Loading the saved snapshot with --seed N and
running on gives the same world as one longer run.

Start populations that do not fit into the world (too few cells admit the
species) are a warning on stderr, not an error: the run goes on with what was
placed.

The input file is only read, never changed.

Exit status: 0 success; 1 a file could not be loaded or saved, or the world
does not fit into memory (the message names the file or the size); in a sweep
also when a run failed (reported as "run I: ..."; the other rows are still
written); 2 bad usage, including a parameter or species that does not exist,
a bad range, a value beyond 32 bits, L with a snapshot, or a spray after
the last step.
)";
}

}  // namespace zelvaris
