#include "tools/sopres_futtatas.h"

#include <sstream>
#include <string>
#include <vector>

#include "core/hibak.h"
#include "persistence/atomi_mentes.h"
#include "tools/batch_futtatas.h"
#include "tools/munkasok.h"
#include "tools/osszegzes.h"
#include "tools/sopres_terv.h"

namespace zelvaris {

namespace {

// The command line of the worker that makes run `index`: everything that
// decides the run, with the seed fixed.
std::vector<std::string> MunkasArgumentumok(const TBatchBeallitas& b, uint32_t mag, int32_t index) {
  std::vector<std::string> a = {"--seed", std::to_string(mag), "--steps",
                                std::to_string(b.Lepesek)};
  for (const TErtekAdas& e : b.Ertekek) {
    a.push_back("--set");
    a.push_back(e.Parameter.Szoveg + "=" + e.Ertek);
  }
  for (const TPermetezes& p : b.Permetezesek) {
    a.push_back("--spray");
    a.push_back(p.Szoveg());
  }
  for (const TSopresLeiras& s : b.Sopresek) {
    a.push_back("--sweep");
    a.push_back(s.Parameter.Szoveg + "=" + std::to_string(s.Tol) + ":" + std::to_string(s.Ig) +
                ":" + std::to_string(s.Lepes));
  }
  a.insert(a.end(), {"--replicates", std::to_string(b.Ismetlesek), "--run", std::to_string(index),
                     "--", b.Fajl.string()});
  return a;
}

// Every line of a worker's messages, marked with its run.
void Tovabbitas(std::ostream& hiba, int32_t index, const std::string& uzenet) {
  std::istringstream be(uzenet);
  std::string sor;
  while (std::getline(be, sor))
    if (!sor.empty()) hiba << "run " << index << ": " << sor << '\n';
}

// --run I and --header: one run in this process, its row on `ki`.
int EgyFutas(const TBatchBeallitas& b, uint32_t mag, std::ostream& ki, std::ostream& hiba) {
  const TFutasTerv f = FutasTerve(b, mag, b.Futas.value_or(0));
  TVeletlen veletlen(f.Mag);
  TKeresoTabla tabla;
  int kod = kSikeres;
  const bool futas = b.Futas.has_value();
  const auto oko = BetoltesJelentve(b, FutasErtekei(b, f), futas, veletlen, tabla, hiba, kod);
  if (!oko) return kod;
  if (b.Fejlec) ki << OsszegzesFejlec(*oko, b);
  if (!futas) return kSikeres;
  kod = LepesekEsKimenetek(*oko, b, hiba);
  ki << OsszegzesSor(*oko, b, f, veletlen.Mag());
  return kod;
}

int TeljesSopres(const TBatchBeallitas& b, uint32_t mag, std::ostream& ki, std::ostream& hiba) {
  const int32_t futasok = b.FutasokSzama();
  // The file is loaded once here, so that a file that cannot be loaded or a
  // parameter that names no species is reported once, before any run starts.
  std::string tabla;
  {
    TVeletlen veletlen(mag);
    TKeresoTabla keresoTabla;
    int kod = kSikeres;
    const auto oko = BetoltesJelentve(b, FutasErtekei(b, FutasTerve(b, mag, 0)), false, veletlen,
                                      keresoTabla, hiba, kod);
    if (!oko) return kod;
    tabla = OsszegzesFejlec(*oko, b);
  }

  std::vector<std::string> sorok(static_cast<size_t>(futasok));
  bool hibas = false;
  const int32_t munkak = std::min(b.Munkak.value_or(MagokSzama()), futasok);
  MunkakFuttatasa(
      SajatProgram(), futasok, munkak, [&](int32_t i) { return MunkasArgumentumok(b, mag, i); },
      [&](int32_t i, TMunkaEredmeny&& e) {
        Tovabbitas(hiba, i, e.Hiba);
        if (e.Kod == kSikeres && !e.Ki.empty() && e.Ki.back() == '\n') {
          sorok[static_cast<size_t>(i)] = std::move(e.Ki);
          return;
        }
        hibas = true;
        if (e.Jel != 0) {
          hiba << "run " << i << ": failed, ended by signal " << e.Jel << '\n';
        } else {
          hiba << "run " << i << ": failed (exit status " << e.Kod << ")\n";
        }
      });
  for (const std::string& sor : sorok) tabla += sor;

  int eredmeny = hibas ? kFajlHiba : kSikeres;
  if (b.Osszegzes) {
    try {
      AtomiMentes(*b.Osszegzes, tabla);
    } catch (const THiba& e) {
      hiba << e.what() << '\n';
      eredmeny = kFajlHiba;
    }
  } else {
    ki << tabla;
    ki.flush();
  }
  if (hibas)
    hiba << "zelvaris-batch: some runs failed; their rows are missing from the "
            "summary\n";
  return eredmeny;
}

}  // namespace

int SopresFuttatas(const TBatchBeallitas& b, std::ostream& ki, std::ostream& hiba) {
  uint32_t mag = 0;
  if (b.Mag) {
    mag = *b.Mag;
  } else {
    TVeletlen ora;
    mag = ora.OrabolVetes();
    if (b.Futas || !b.Fejlec) hiba << "seed: " << mag << '\n';
  }
  if (b.Futas || b.Fejlec) return EgyFutas(b, mag, ki, hiba);
  return TeljesSopres(b, mag, ki, hiba);
}

}  // namespace zelvaris
