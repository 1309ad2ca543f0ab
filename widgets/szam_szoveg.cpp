#include "szam_szoveg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zelvaris {

QString TizedesSzoveg(double ertek, int tizedesjegyek) {
  const int d = std::clamp(tizedesjegyek, 0, 15);
  if (std::isnan(ertek)) return QStringLiteral("nan");
  if (std::isinf(ertek)) return ertek < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
  // Large enough for 10^308 written out in full plus 15 decimals.
  char puffer[400];
  // to_chars is exact and locale-free; a value exactly halfway rounds to even.
  const auto eredmeny = std::to_chars(puffer, puffer + sizeof puffer, ertek, std::chars_format::fixed, d);
  QString szoveg = QString::fromLatin1(puffer, static_cast<int>(eredmeny.ptr - puffer));
  // A small negative value that rounds to zero reads as 0, not -0.
  if (szoveg.startsWith(u'-') && std::all_of(szoveg.cbegin() + 1, szoveg.cend(),
                                              [](QChar c) { return c == u'0' || c == u'.'; }))
    szoveg.remove(0, 1);
  return szoveg;
}

}  // namespace zelvaris
