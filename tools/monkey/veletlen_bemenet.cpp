#include "tools/monkey/veletlen_bemenet.h"

#include <limits>

namespace zelvaris {

int64_t TVeletlenBemenet::Egesz(int64_t tol, int64_t ig) {
  if (ig <= tol) return tol;
  return std::uniform_int_distribution<int64_t>(tol, ig)(gen_);
}

bool TVeletlenBemenet::Esely(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_) < p; }

int64_t TVeletlenBemenet::Szam() {
  static const std::vector<int64_t> szelsok = {
      0, 1, -1, 2, 10, 100, 255, 256, 65535, 65536,
      std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(),
      int64_t{std::numeric_limits<int32_t>::max()} + 1, int64_t{std::numeric_limits<int32_t>::min()} - 1,
      std::numeric_limits<uint32_t>::max(), std::numeric_limits<int64_t>::max(),
      std::numeric_limits<int64_t>::min()};
  const int64_t k = Egesz(0, 99);
  if (k < 55) return Egesz(0, 30);
  if (k < 75) return Egesz(-5, 500);
  if (k < 85) return Egesz(-100000, 100000);
  return Valaszt(szelsok);
}

QString TVeletlenBemenet::Szoveg() {
  static const std::vector<QString> darabok = {
      QStringLiteral("-"), QStringLiteral("+"), QStringLiteral(","), QStringLiteral(", "),
      QStringLiteral("/"), QStringLiteral("."), QStringLiteral(" "), QStringLiteral(";"),
      QStringLiteral("e"), QStringLiteral("x"), QStringLiteral("ő"), QStringLiteral("\n"),
      QStringLiteral("\r\n"), QStringLiteral("\t"), QStringLiteral("2147483647"),
      QStringLiteral("-2147483648"), QStringLiteral("4294967296"), QStringLiteral("99999999999999999999"),
      QStringLiteral("0/1, 2"), QStringLiteral("1,2,3"), QStringLiteral("Nyúl (0)")};
  const int64_t k = Egesz(0, 9);
  if (k < 4) return QString::number(Szam());
  QString s;
  const int64_t n = Egesz(1, 8);
  for (int64_t i = 0; i < n; ++i) {
    if (Esely(0.5))
      s += QString::number(Egesz(0, 999));
    else
      s += Valaszt(darabok);
  }
  return s;
}

int64_t TVeletlenBemenet::FajlSzam() {
  const int64_t n = Szam();
  // A world of billions of cells that still fits would take the machine's
  // memory (see Oldalhossz): such a number is pushed far beyond.
  return n > 3000 && n < 300'000 ? n * 10'000 : n;
}

int64_t TVeletlenBemenet::Oldalhossz() {
  static const std::vector<int64_t> tiltott = {0, -1, 49, 2'000'000'001, 4'294'967'296};
  // Too large for any memory, so refused at once. The largest world that
  // fits is left out: on a machine shared with others it takes all its free
  // memory and far longer than an action may.
  static const std::vector<int64_t> tul_nagy = {200'000, 1'000'000, 2'000'000'000};
  const int64_t k = Egesz(0, 99);
  if (k < 12) return 50;
  if (k < 88) return Egesz(50, 300);
  if (k < 92) return Egesz(301, 700);
  if (k < 94) return Egesz(1500, 2500);
  if (k < 97) return Valaszt(tul_nagy);
  return Valaszt(tiltott);
}

}  // namespace zelvaris
