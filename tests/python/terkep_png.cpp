// The window program's map after a run, as its "Térkép mentése PNG-be..."
// saves it: the map window's drawing sink installed on a loaded world, every
// step drawn incrementally as the window draws it, then the map image saved.
//   zelvaris-terkep-png FILE SEED STEPS OUT.png

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "core/hibak.h"
#include "monitors/kep_mentes.h"
#include "monitors/terkep_rajzolo.h"
#include "tools/vilag_betoltes.h"

int main(int argc, char** argv) {
  using namespace zelvaris;
  QCoreApplication app(argc, argv);
  if (argc != 5) {
    std::cerr << "usage: zelvaris-terkep-png FILE SEED STEPS OUT.png\n";
    return 2;
  }
  try {
    TVeletlen veletlen(static_cast<uint32_t>(std::stoul(argv[2])));
    TKeresoTabla tabla;
    std::ostringstream figyelmeztetesek;
    auto oko = VilagBetoltese(argv[1], {}, true, veletlen, tabla, figyelmeztetesek);
    TTerkepRajzolo rajzolo;
    oko->RajzoloBeallitasa(&rajzolo);
    rajzolo.KepekUjraepitese(oko->L(), true);
    oko->Ujrarajzol();
    for (int lepes = std::atoi(argv[3]); lepes > 0; --lepes) oko->Lepes();
    PngMentese(rajzolo.TerkepKep(), argv[4]);
    oko->RajzoloBeallitasa(nullptr);
  } catch (const THiba& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
