// Speed of the step on a standard and a large world, against two lower
// bounds: one slot read per probe the step made and as many generator draws
// as it made, the reads either at random cells of a grid of the same size or
// at exactly the cells the step probed, replayed after each step. Also the
// shipped meadow's animal steps per second, comparable with other tools.
// With ZELVARIS_BENCH_CPU=1 every time is the process's CPU time instead of
// wall time, for comparisons on a machine that other work shares. A second
// argument (standard, large or meadow) runs that part alone, for profiling.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/proba_vilag.h"
#include "core/memoria.h"
#include "core/okoszisztema.h"
#include "persistence/konfiguracio.h"

using namespace zelvaris;

namespace {

const bool kCpuIdo = [] {
  const char* e = std::getenv("ZELVARIS_BENCH_CPU");
  return e != nullptr && std::string(e) == "1";
}();

struct TOra {
  using time_point = double;
  static double now() {
    if (kCpuIdo) return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
};

double Mp(double tol) { return TOra::now() - tol; }

struct TMeres {
  double lepesMasodperc = 0, nsEgyedLepes = 0, egyedLepesMasodperc = 0, probaMasodperc = 0, arany = 0,
         visszajatszasArany = 0;
};

struct TVilag {
  TVeletlen veletlen{12345};
  TKeresoTabla tabla;
  TOkoszisztema oko{veletlen, tabla};
  TVilag(int32_t oldal, double arany) {
    oko.Atmeretez(oldal);
    bench::ProbaVilag(oko, arany);
    oko.Alkalmaz();
  }
};

int64_t Egyedek(const TOkoszisztema& oko, bool novenyekIs) {
  int64_t n = 0;
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f) n += oko.AllatFaj(f).Egyedek.Darab();
  if (novenyekIs)
    for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f) n += oko.NovenyFaj(f).Egyedek.Darab();
  return n;
}

// The draws of the bounds, as cheap as the generator allows.
uint64_t Huzasok(uint64_t n) {
  TVeletlen v(7);
  uint64_t osszeg = 0;
  for (uint64_t i = 0; i < n; ++i) osszeg += static_cast<uint64_t>(v.Random(1000));
  return osszeg;
}

TMeres Meres(const char* nev, int32_t oldal, double arany, int lepesek) {
  int64_t egyedLepes = 0;
  double ido = 0;
  uint64_t probak = 0, huzasok = 0, legtobbProba = 0;
  {
    TVilag v(oldal, arany);
    const uint64_t probak0 = v.oko.Probak(), huzasok0 = v.veletlen.Huzasok();
    const auto kezdet = TOra::now();
    for (int i = 0; i < lepesek; ++i) {
      egyedLepes += Egyedek(v.oko, true);
      const uint64_t p0 = v.oko.Probak();
      v.oko.Lepes();
      legtobbProba = std::max(legtobbProba, v.oko.Probak() - p0);
    }
    ido = Mp(kezdet);
    probak = v.oko.Probak() - probak0;
    huzasok = v.veletlen.Huzasok() - huzasok0;
    std::fprintf(stderr, "%s: %d steps, %lld animals at the end, %llu probes, %llu draws\n", nev, lepesek,
                 static_cast<long long>(Egyedek(v.oko, false)), static_cast<unsigned long long>(probak),
                 static_cast<unsigned long long>(huzasok));
  }

  const int64_t cellak = int64_t{oldal} * oldal;
  std::vector<uint32_t> slotok(static_cast<size_t>(cellak), 1);
  uint64_t osszeg = 0;

  // Random cells of the whole grid.
  const auto k2 = TOra::now();
  uint64_t x = 88172645463325252ull;
  for (uint64_t i = 0; i < probak; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    osszeg += slotok[static_cast<size_t>(x % static_cast<uint64_t>(cellak))];
  }
  osszeg += Huzasok(huzasok);
  const double korlat = Mp(k2);

  // The same run again (the step is exact, so it probes the same cells),
  // each step's probed cells read back right after it.
  double visszajatszas = 0;
  {
    TVilag v(oldal, arany);
    // Sized once for the busiest step, so the log holds no spare room.
    std::vector<int64_t> naplo;
    naplo.reserve(static_cast<size_t>(legtobbProba));
    v.oko.ProbaNaploBeallitasa(&naplo);
    for (int i = 0; i < lepesek; ++i) {
      naplo.clear();
      const uint64_t h0 = v.veletlen.Huzasok();
      v.oko.Lepes();
      const uint64_t h = v.veletlen.Huzasok() - h0;
      const auto k3 = TOra::now();
      for (int64_t cella : naplo) osszeg += slotok[static_cast<size_t>(cella)];
      osszeg += Huzasok(h);
      visszajatszas += Mp(k3);
    }
  }
  if (osszeg == 42) std::printf(" ");

  TMeres m;
  m.lepesMasodperc = lepesek / ido;
  m.nsEgyedLepes = ido * 1e9 / static_cast<double>(egyedLepes);
  m.egyedLepesMasodperc = static_cast<double>(egyedLepes) / ido;
  m.probaMasodperc = static_cast<double>(probak) / ido;
  m.arany = ido / korlat;
  m.visszajatszasArany = ido / visszajatszas;
  return m;
}

void Kiiras(const char* elotag, const TMeres& m) {
  std::printf("%s-steps-per-s: %.2f steps/s\n", elotag, m.lepesMasodperc);
  std::printf("%s-ns-per-individual-step: %.1f ns\n", elotag, m.nsEgyedLepes);
  std::printf("%s-individual-steps-per-s: %.0f steps/s\n", elotag, m.egyedLepesMasodperc);
  std::printf("%s-probes-per-s: %.0f probes/s\n", elotag, m.probaMasodperc);
  std::printf("%s-ratio-to-bound: %.2f x\n", elotag, m.arany);
  std::printf("%s-ratio-to-replay-bound: %.2f x\n", elotag, m.visszajatszasArany);
}

// The shipped meadow, 300 steps: the animals alive at each step, summed,
// over the wall time of the steps.
double RetAllatLepesek() {
  TVeletlen veletlen(1);
  TKeresoTabla tabla;
  auto oko = OkoCfgBetoltese(std::filesystem::path(ZELVARIS_PROGRAM_DIR) / "okocfg" / "meadow.okocfg",
                             veletlen, tabla);
  oko->Alkalmaz();
  int64_t allatLepesek = 0;
  const auto kezdet = TOra::now();
  for (int i = 0; i < 300; ++i) {
    allatLepesek += Egyedek(*oko, false);
    oko->Lepes();
  }
  return static_cast<double>(allatLepesek) / Mp(kezdet);
}

}  // namespace

int main(int argc, char** argv) {
  const int lepesek = argc > 1 ? std::stoi(argv[1]) : 300;
  const std::string csak = argc > 2 ? argv[2] : "";
  if (csak.empty() || csak == "standard") Kiiras("standard", Meres("standard", 300, 1.0, lepesek));
  if (csak.empty() || csak == "large") Kiiras("large", Meres("large", 2000, 25.0, lepesek / 3));
  if (csak.empty() || csak == "meadow")
    std::printf("meadow-animal-steps-per-s: %.0f steps/s\n", RetAllatLepesek());
  if (auto csucs = CsucsMemoria()) std::printf("peak-memory: %.1f MB\n", *csucs / 1048576.0);
  return 0;
}
