#include "editors/goc_kotes.h"

#include "app/faj_kozpont.h"
#include "monitors/form_goc.h"

namespace zelvaris {

namespace {

QString MegjelenitettNev(TFajKozpont& kozpont, TFajFajta fajta, int32_t id) {
  return QString::fromStdString(kozpont.Faj(fajta, id).MegjelenitettNev());
}

}  // namespace

void GocFeliratkozas(TFajKozpont& kozpont, TForm_Goc& goc) {
  QObject::connect(&kozpont, &TFajKozpont::Bejegyezve, &goc, [&kozpont, &goc](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      goc.AllatFajHozzaadasa(MegjelenitettNev(kozpont, f, id));
    } else {
      goc.NovenyFajHozzaadasa(MegjelenitettNev(kozpont, f, id));
    }
  });
  QObject::connect(&kozpont, &TFajKozpont::Atnevezve, &goc, [&kozpont, &goc](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      goc.AllatFajAtnevezese(id, MegjelenitettNev(kozpont, f, id));
    } else {
      goc.NovenyFajAtnevezese(id, MegjelenitettNev(kozpont, f, id));
    }
  });
  QObject::connect(&kozpont, &TFajKozpont::Urites, &goc, [&goc] { goc.Urites(); });
}

}  // namespace zelvaris
