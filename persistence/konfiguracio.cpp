#include "persistence/konfiguracio.h"

#include "persistence/atomi_mentes.h"
#include "persistence/oko_leiras.h"

namespace zelvaris {

std::unique_ptr<TOkoszisztema> OkoCfgBetoltese(const std::filesystem::path& fajl,
                                               TVeletlen& veletlen, TKeresoTabla& tabla) {
  TSorOlvaso olvaso = TSorOlvaso::Megnyitas(fajl);
  const TOkoLeiras leiras = OkoLeirasOlvasasa(olvaso, false);
  return OkoEpitese(leiras, veletlen, tabla);
}

void OkoCfgMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl) {
  TSorIro iro;
  OkoLeirasIrasa(iro, oko, false, fajl);
  AtomiMentes(fajl, iro.Tartalom());
}

}  // namespace zelvaris
