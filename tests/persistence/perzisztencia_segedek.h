#pragma once
// Shared helpers of the file-format tests: a temporary directory removed at
// the end, whole-file reads and writes, line counting, a directory that
// cannot be written, and a small world that runs.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/kereso_tabla.h"
#include "core/okoszisztema.h"
#include "core/veletlen.h"
#include "tests/teszt_fajlok.h"

namespace zelvaris::teszt {

using TIdeiglenes = TIdeiglenesKonyvtar;

// Lines of a file that ends every line with CR LF.
inline std::vector<std::string> Sorok(const std::string& tartalom) {
  std::vector<std::string> sorok;
  size_t kezdet = 0;
  for (size_t i; (i = tartalom.find("\r\n", kezdet)) != std::string::npos; kezdet = i + 2)
    sorok.push_back(tartalom.substr(kezdet, i - kezdet));
  return sorok;
}

using TIrasvedett = TIrasvedettKonyvtar;

// A generator, a search table and a world of grass, rabbits and foxes that
// keeps changing for a hundred steps.
struct TVilag {
  TVeletlen Veletlen{12345};
  TKeresoTabla Tabla;
  std::unique_ptr<TOkoszisztema> Oko = std::make_unique<TOkoszisztema>(Veletlen, Tabla);

  TVilag() {
    Oko->Atmeretez(60);
    TNovenyFaj& fu = Oko->UjNovenyFaj("Fű");
    fu.SetSzin(Rgb(0, 200, 0));
    fu.PopulacioMeret = 900;
    fu.Novekmeny = 3;
    fu.Tomeg = 12;
    fu.DegHatas = true;
    fu.DegHatasfok = 10;
    fu.DegNovMinusz = 50;
    TNovenyFaj& moha = Oko->UjNovenyFaj("Moha");
    moha.PopulacioMeret = 300;
    moha.Novekmeny = 1;
    moha.Tomeg = 5;
    moha.NovenyUtkozes = {0};
    moha.AllatGatlas = {1};

    TAllatFaj& nyul = Oko->UjAllatFaj("Nyúl");
    nyul.PopulacioMeret = 300;
    nyul.SetTomeg(6);
    nyul.Kor = 40;
    nyul.Vemhes = 2;
    nyul.Ivarerettseg = 4;
    nyul.Regeneralodas = 1;
    nyul.Utod = 4;
    nyul.SzuloSugar = 2;
    nyul.Ehes = 10;
    nyul.Jollakottsag = 3;
    nyul.SetMozgasHossz(20);
    nyul.Predak.SetNovenyPredak({{0, 1}});
    nyul.PerHatas = true;
    nyul.PerKorMinusz = 1;
    nyul.PerUtodMinusz = 30;
    TAllatFaj& roka = Oko->UjAllatFaj("Róka");
    roka.SetSzin(Rgb(200, 80, 0));
    roka.PopulacioMeret = 8;
    roka.SetTomeg(20);
    roka.Kor = 80;
    roka.Vemhes = 5;
    roka.Ivarerettseg = 10;
    roka.Regeneralodas = 4;
    roka.Utod = 2;
    roka.SzuloSugar = 3;
    roka.Ehes = 15;
    roka.Jollakottsag = 6;
    roka.SetMozgasHossz(60);
    roka.Predak.SetAllatPredak({{0}});
    roka.NovenyUtkozes = {1};
    roka.GocEgyedszam = 7;
    roka.GocRitkitas = 2;
    Oko->AllatSorrend = {1, 0};
  }
};

}  // namespace zelvaris::teszt
