#include "tools/monkey/parancssor.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace zelvaris {

namespace {

template <typename T>
T Szam(const std::string& opcio, const std::string& s, T tol, T ig) {
  T ertek{};
  const auto [vege, hiba] = std::from_chars(s.data(), s.data() + s.size(), ertek);
  if (hiba != std::errc() || vege != s.data() + s.size() || ertek < tol || ertek > ig)
    throw std::invalid_argument(opcio + " wants a whole number from " + std::to_string(tol) + " to " +
                                std::to_string(ig) + ", not \"" + s + "\"");
  return ertek;
}

}  // namespace

TMajomBeallitasok MajomParancssor(const std::vector<std::string>& a) {
  TMajomBeallitasok b;
  for (size_t i = 0; i < a.size(); ++i) {
    const std::string& o = a[i];
    if (o != "--seed" && o != "--actions" && o != "--log" && o != "--replay")
      throw std::invalid_argument("unknown option \"" + o + "\"");
    if (i + 1 >= a.size()) throw std::invalid_argument(o + " needs a value");
    const std::string& ertek = a[++i];
    if (o == "--seed")
      b.Mag = Szam<uint32_t>(o, ertek, 0, UINT32_MAX);
    else if (o == "--actions")
      b.Akciok = Szam<int64_t>(o, ertek, 0, INT64_MAX);
    else if (o == "--log")
      b.Naplo = ertek;
    else
      b.Visszajatszas = ertek;
  }
  return b;
}

TNaploTartalom NaploOlvasas(const std::filesystem::path& fajl) {
  std::ifstream be(fajl);
  if (!be) throw std::runtime_error("cannot read " + fajl.string());
  TNaploTartalom t;
  std::vector<TNaploAkcio>& akciok = t.Akciok;
  std::string sor;
  const std::string fej = "# zelvaris-monkey --seed ";
  for (int szam = 1; std::getline(be, sor); ++szam) {
    if (szam == 1 && sor.rfind(fej, 0) == 0) {
      std::istringstream s(sor.substr(fej.size()));
      uint64_t mag = 0;
      if (!(s >> mag) || mag > UINT32_MAX)
        throw std::runtime_error(fajl.string() + ":1: no seed in the first line");
      t.Mag = static_cast<uint32_t>(mag);
    }
    if (sor.empty() || sor[0] == '#') continue;
    std::istringstream s(sor);
    int64_t sorszam = 0;
    std::string fajta;
    uint64_t mag = 0;
    std::string tobb;
    const std::optional<TAkcioFajta> f = (s >> sorszam >> fajta >> mag) ? AkcioFajtaNevbol(fajta) : std::nullopt;
    if (!f || mag > UINT32_MAX || (s >> tobb))
      throw std::runtime_error(fajl.string() + ":" + std::to_string(szam) + ": not an action: " + sor);
    akciok.push_back({*f, static_cast<uint32_t>(mag)});
  }
  return t;
}

}  // namespace zelvaris
