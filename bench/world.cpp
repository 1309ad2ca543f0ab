// Memory per cell and the time to build and populate large worlds.

#include <chrono>
#include <cstdio>

#include "core/memoria.h"
#include "core/okoszisztema.h"
#include "core/racs.h"

using namespace zelvaris;

namespace {

double Alkalmazas(int32_t oldal) {
  TVeletlen veletlen(1);
  TKeresoTabla tabla;
  TOkoszisztema oko(veletlen, tabla);
  oko.Atmeretez(oldal);
  const double suruseg = static_cast<double>(oldal) * oldal;
  for (const char* nev : {"fű", "here"}) {
    TNovenyFaj& p = oko.UjNovenyFaj(nev);
    p.Tomeg = 20;
    p.PopulacioMeret = static_cast<int32_t>(suruseg * 0.01);
  }
  for (const char* nev : {"nyúl", "róka"}) {
    TAllatFaj& a = oko.UjAllatFaj(nev);
    a.Kor = 50;
    a.Ehes = 5;
    a.Ivarerettseg = 10;
    a.PopulacioMeret = static_cast<int32_t>(suruseg * 0.001);
  }
  const auto kezdet = std::chrono::steady_clock::now();
  oko.Alkalmaz();
  const auto vege = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(vege - kezdet).count();
}

}  // namespace

int main() {
  std::printf("bytes-per-cell: %.3f B\n", TRacs::BajtCellankent(2, 2));
  std::printf("apply-2000: %.1f ms\n", Alkalmazas(2000));
  std::printf("apply-10000: %.1f ms\n", Alkalmazas(10000));
  if (auto csucs = CsucsMemoria()) std::printf("peak-memory: %.1f MB\n", *csucs / 1048576.0);
  return 0;
}
