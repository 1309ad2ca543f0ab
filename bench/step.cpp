// Speed of the step on a standard and a large world, against a lower bound:
// a loop that makes, at random cells of the same grid, one slot read per probe
// the step made and as many generator draws as the step made.

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/memoria.h"
#include "bench/proba_vilag.h"
#include "core/okoszisztema.h"

using namespace zelvaris;

namespace {

struct TMeres {
  double lepesMasodperc = 0, nsEgyedLepes = 0, probaMasodperc = 0, arany = 0;
};

TMeres Meres(const char* nev, int32_t oldal, double arany, int lepesek) {
  TVeletlen veletlen(12345);
  TKeresoTabla tabla;
  TOkoszisztema oko(veletlen, tabla);
  oko.Atmeretez(oldal);
  bench::ProbaVilag(oko, arany);
  oko.Alkalmaz();
  int64_t egyedLepes = 0;
  const uint64_t probak0 = oko.Probak(), huzasok0 = veletlen.Huzasok();
  const auto kezdet = std::chrono::steady_clock::now();
  for (int i = 0; i < lepesek; ++i) {
    for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f) egyedLepes += oko.AllatFaj(f).Egyedek.Darab();
    for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f) egyedLepes += oko.NovenyFaj(f).Egyedek.Darab();
    oko.Lepes();
  }
  const double ido = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdet).count();
  const uint64_t probak = oko.Probak() - probak0, huzasok = veletlen.Huzasok() - huzasok0;

  // The bound: the same number of slot reads at random cells of a grid of
  // the same size, and of draws.
  const int64_t cellak = int64_t{oldal} * oldal;
  std::vector<uint32_t> slotok(static_cast<size_t>(cellak), 1);
  TVeletlen also(7);
  uint64_t x = 88172645463325252ull, osszeg = 0;
  const auto k2 = std::chrono::steady_clock::now();
  for (uint64_t i = 0; i < probak; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    osszeg += slotok[static_cast<size_t>(x % static_cast<uint64_t>(cellak))];
  }
  for (uint64_t i = 0; i < huzasok; ++i) osszeg += static_cast<uint64_t>(also.Random(1000));
  const double korlat = std::chrono::duration<double>(std::chrono::steady_clock::now() - k2).count();
  if (osszeg == 42) std::printf(" ");

  int64_t allatok = 0;
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f) allatok += oko.AllatFaj(f).Egyedek.Darab();
  std::fprintf(stderr, "%s: %d steps, %lld animals at the end, %llu probes, %llu draws\n", nev, lepesek,
               static_cast<long long>(allatok), static_cast<unsigned long long>(probak),
               static_cast<unsigned long long>(huzasok));
  TMeres m;
  m.lepesMasodperc = lepesek / ido;
  m.nsEgyedLepes = ido * 1e9 / static_cast<double>(egyedLepes);
  m.probaMasodperc = static_cast<double>(probak) / ido;
  m.arany = ido / korlat;
  return m;
}

void Kiiras(const char* elotag, const TMeres& m) {
  std::printf("%s-steps-per-s: %.2f steps/s\n", elotag, m.lepesMasodperc);
  std::printf("%s-ns-per-individual-step: %.1f ns\n", elotag, m.nsEgyedLepes);
  std::printf("%s-probes-per-s: %.0f probes/s\n", elotag, m.probaMasodperc);
  std::printf("%s-ratio-to-bound: %.2f x\n", elotag, m.arany);
}

}  // namespace

int main(int argc, char** argv) {
  const int lepesek = argc > 1 ? std::stoi(argv[1]) : 300;
  Kiiras("standard", Meres("standard", 300, 1.0, lepesek));
  Kiiras("large", Meres("large", 2000, 25.0, lepesek / 3));
  if (auto csucs = CsucsMemoria()) std::printf("peak-memory: %.1f MB\n", *csucs / 1048576.0);
  return 0;
}
