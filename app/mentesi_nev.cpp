#include "app/mentesi_nev.h"

#include "localisation/nyelvi_tabla.h"
#include "localisation/program_uzenetek.h"
#include "persistence/fajlnevek.h"
#include "widgets/modalis_felulet.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

std::filesystem::path MentesiNev(TModalisFelulet& modalis, QWidget* szulo, const QString& cim,
                                 const QString& konyvtar, const QString& szuro,
                                 std::string_view kiterjesztes, const TNyelviTabla* tabla) {
  const QString valasztott = modalis.FajlMentes(szulo, cim, konyvtar, szuro);
  if (valasztott.isEmpty()) return {};
  const std::filesystem::path nev = Utvonal(valasztott);
  const std::filesystem::path fajl = FajFajlNev(nev, kiterjesztes);
  std::error_code hiba;
  if (fajl != nev && std::filesystem::exists(fajl, hiba)) {
    const TUzenet kerdes(kMarLetezikUzenet, {fajl.filename().string()});
    if (!modalis.IgenNem(szulo, cim, Qs(tabla != nullptr ? tabla->Uzenet(kerdes) : kerdes.Szoveg()))) return {};
  }
  return fajl;
}

}  // namespace zelvaris
