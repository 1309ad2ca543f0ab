#pragma once
// The part that configurations and snapshots share: the version line, the
// side length, (snapshots) the spray flags, the species records and the two
// drawing orders. Read into plain values first, the ecosystem is built from
// them only when the whole file was understood.
//
// Layout 4.5/4.6: version, L, [3 spray flags], Np, Np full plant records,
// Na, Na full animal records, animal order, plant order. Layout 4.4 has the
// two orders right after L (and the flags) and ignores them: adding the
// species makes both orders the identity.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/okoszisztema.h"
#include "persistence/faj_rekord.h"
#include "persistence/sorfajl.h"

namespace zelvaris {

inline constexpr int32_t kLegkisebbOldal = 50;
inline constexpr int32_t kLegnagyobbOldal = 2'000'000'000;

struct TOkoLeiras {
  int32_t L = 0;
  bool PermetezesVolt = false;
  bool DegPermet = false;
  bool PerPermet = false;
  std::vector<TFajRekord> Novenyek;
  std::vector<TFajRekord> Allatok;
  TIdLista AllatSorrend;
  TIdLista NovenySorrend;
};

// Throws TFajlHiba for an unknown version line, a side length outside
// 50..2,000,000,000 and everything TSorOlvaso refuses.
TOkoLeiras OkoLeirasOlvasasa(TSorOlvaso& olvaso, bool permetekkel);
// Refuses (TFajlHiba naming the target) an ecosystem whose side length no
// load would accept: such a save would only look successful.
void OkoLeirasIrasa(TSorIro& iro, const TOkoszisztema& oko, bool permetekkel,
                    const std::filesystem::path& cel);

// A fresh ecosystem with L and the species and orders of the description,
// without a grid. Draws no random numbers.
std::unique_ptr<TOkoszisztema> OkoEpitese(const TOkoLeiras& leiras, TVeletlen& veletlen,
                                          TKeresoTabla& tabla);

}  // namespace zelvaris
