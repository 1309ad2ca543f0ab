// Developer utility: writes the example data shipped beside the program
// (species files, configurations and the meadow snapshot) into a data folder.
//   zelvaris-pelda-adatok DATA_DIR
// The meadow's parameters were tuned so that every species lives through
// 2,000 steps on many seeds while the populations swing; change them only
// together with tests/tools/ret_test.cpp. The pesticide example's likewise
// with tests/tools/permet_pelda_test.cpp.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/okoszisztema.h"
#include "persistence/faj_fajl.h"
#include "persistence/fajl_hiba.h"
#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"
#include "tools/pelda_fajok.h"

namespace fs = std::filesystem;
using namespace zelvaris;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zelvaris-pelda-adatok DATA_DIR\n";
    return 2;
  }
  const fs::path adat = argv[1];
  try {
    for (const char* mappa : {"allat", "noveny", "okocfg", "okopill"}) fs::create_directories(adat / mappa);

    // The species library: every example species in its short form.
    {
      TVeletlen v;
      TKeresoTabla t;
      TOkoszisztema oko(v, t);
      for (const TNovenyMinta& m : NovenyMintak()) {
        TNovenyFaj& f = oko.UjNovenyFaj(m.Nev);
        NovenyBeallitasa(f, m);
        NovenyfajMentese(adat / "noveny" / (m.Fajlnev + std::string(kNovenyKiterjesztes)), f);
      }
      for (const TAllatMinta& m : AllatMintak()) {
        TAllatFaj& f = oko.UjAllatFaj(m.Nev);
        AllatBeallitasa(f, m);
        AllatfajMentese(adat / "allat" / (m.Fajlnev + std::string(kAllatKiterjesztes)), f);
      }
    }

    for (const TPeldaVilag& vilag : PeldaVilagok()) {
      TVeletlen v;
      TKeresoTabla t;
      TOkoszisztema oko(v, t);
      vilag.Epites(oko);
      OkoCfgMentese(oko, adat / "okocfg" / (vilag.Fajlnev + std::string(kOkoCfgKiterjesztes)));
    }

    // The meadow after some hundreds of steps, loaded from the file just
    // written so the snapshot is exactly what a user would get.
    {
      TVeletlen v(kPillanatkepMag);
      TKeresoTabla t;
      auto oko = OkoCfgBetoltese(adat / "okocfg" / (std::string(kRetFajlnev) + std::string(kOkoCfgKiterjesztes)), v, t);
      oko->Alkalmaz();
      for (int32_t i = 0; i < kPillanatkepLepesek; ++i) oko->Lepes();
      OkoPillMentese(*oko, adat / "okopill" / (std::string(kRetFajlnev) + "-" +
                                                std::to_string(kPillanatkepLepesek) +
                                                std::string(kOkoPillKiterjesztes)));
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
