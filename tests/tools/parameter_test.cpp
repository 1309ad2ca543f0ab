// Every field of the species-field table through --set: the name finds the
// field and the value, written as the files hold it, reaches it.

#include "tools/parameter.h"

#include <gtest/gtest.h>

#include "core/okoszisztema.h"
#include "tests/teszt_mezok.h"

namespace zelvaris {
namespace {

TEST(SetParameter, EveryFieldOfBothKindsIsSetByItsName) {
  TVeletlen veletlen{1};
  TKeresoTabla tabla;
  TOkoszisztema oko(veletlen, tabla);
  oko.UjAllatFaj("Nyúl");
  oko.UjNovenyFaj("Fű");
  for (const auto& [fajta, elotag] : {std::pair{TFajFajta::Allat, "animal:0."},
                                      std::pair{TFajFajta::Noveny, "plant:0."}}) {
    for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
      const TParameter p = ParameterErtelmezese(elotag + std::string(l.Nev));
      const std::string ertek = ErtekSzovegge(l.Fajta, teszt::MintaErtek(l));
      ErtekEllenorzese(p, ertek);
      ParameterBeallitasa(oko, p, FajFeloldasa(oko, p), ertek);
    }
    // Checked only once all are set: a name that reached another field shows.
    const TElolenyFaj& faj = fajta == TFajFajta::Allat ? static_cast<const TElolenyFaj&>(oko.AllatFaj(0))
                                                       : oko.NovenyFaj(0);
    for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
      EXPECT_EQ(l.Olvas(faj), teszt::MintaErtek(l)) << l.Nev;
    }
  }
}

}  // namespace
}  // namespace zelvaris
