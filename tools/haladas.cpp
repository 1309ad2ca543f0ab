#include "tools/haladas.h"

#include <cstdio>

#include "core/okoszisztema.h"
#include "persistence/csv_iro.h"

namespace zelvaris {

THaladas::THaladas(std::ostream& ki, int64_t osszes, std::function<TOra::time_point()> ora)
    : ki_(ki), osszes_(osszes), ora_(std::move(ora)), kezdet_(ora_()), utolso_(kezdet_) {}

std::string THaladas::Sor(const TOkoszisztema& oko, int64_t kesz, int64_t osszes,
                          double lepesPerMasodperc) {
  char sebesseg[32];
  std::snprintf(sebesseg, sizeof sebesseg, "%.0f", lepesPerMasodperc);
  std::string s = "step " + std::to_string(kesz) + "/" + std::to_string(osszes) + ", " +
                  sebesseg + " steps/s";
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) {
    const auto& f = oko.NovenyFaj(i);
    s += " | " + f.MegjelenitettNev() + " mass: " + TCsvIro::SzamSzoveg(f.OsszTomegValos);
  }
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) {
    const auto& f = oko.AllatFaj(i);
    s += " | " + f.MegjelenitettNev() + ": " + std::to_string(f.Egyedek.Darab());
  }
  return s;
}

void THaladas::Kiiras(const TOkoszisztema& oko, int64_t kesz) {
  const auto most = ora_();
  const double mp = std::chrono::duration<double>(most - kezdet_).count();
  const std::string sor = Sor(oko, kesz, osszes_, mp > 0 ? kesz / mp : 0.0);
  ki_ << '\r' << sor;
  if (sor.size() < elozoHossz_) ki_ << std::string(elozoHossz_ - sor.size(), ' ');
  ki_.flush();
  elozoHossz_ = sor.size();
  utolso_ = most;
}

void THaladas::Lepett(const TOkoszisztema& oko, int64_t kesz) {
  if (ora_() - utolso_ < Idokoz) return;
  Kiiras(oko, kesz);
}

void THaladas::Vege(const TOkoszisztema& oko, int64_t kesz) {
  Kiiras(oko, kesz);
  ki_ << '\n';
  ki_.flush();
}

}  // namespace zelvaris
