#pragma once
// Text forms of species-Id lists, shared by the editors and every file format:
// flat lists "2, 0, 7" and prey groups "3/4, 1". Parsing takes every maximal
// run of digits as a number; everything else, signs included, only separates.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

class TVeletlen;

using TIdLista = std::vector<int32_t>;
using TCsoportok = std::vector<TIdLista>;

std::string ListaSzovegge(const TIdLista& lista);
TIdLista SzovegbolLista(std::string_view szoveg);
std::string CsoportokSzovegge(const TCsoportok& csoportok);
TCsoportok SzovegbolCsoportok(std::string_view szoveg);
// The first digit run of a list text too large for a 32-bit Id (the parsers
// above would wrap it), or an empty string when every run fits.
std::string TulnagySzam(std::string_view szoveg);

// In-place shuffle: for i = 0..n-2, swap i with i + Random(n - i). Lists
// shorter than two are left alone and draw nothing.
void Kever(TIdLista& lista, TVeletlen& veletlen);

// Ceiling of a single-precision value as the age pyramid computes it: the
// value rounded (halves to even), plus 1 if the value is greater than that.
int64_t Plafon(float ertek);

}  // namespace zelvaris
