#include "localisation/program_helyek.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <system_error>

#include "localisation/beallitasok.h"

namespace zelvaris {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 5> kAdatMappak = {"languages", "allat", "noveny", "okocfg", "okopill"};
constexpr std::string_view kProgramNev = "zelvaris";

std::string Valtozo(const char* nev) {
  const char* ertek = std::getenv(nev);
  return ertek != nullptr ? std::string(ertek) : std::string();
}

bool Mappa(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

bool Letezik(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

// Whether this process may create and rename files in the folder (as the
// settings file's replacement needs), judged by the effective user.
bool Irhato(const fs::path& mappa) {
  return ::faccessat(AT_FDCWD, mappa.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// An XDG base folder: the variable when it holds an absolute path (the
// standard says to ignore a relative one), else the default under home.
fs::path XdgMappa(const std::string& valtozo, const fs::path& otthon, const fs::path& alap) {
  if (!valtozo.empty() && fs::path(valtozo).is_absolute()) return fs::path(valtozo);
  if (otthon.empty()) return {};
  return otthon / alap;
}

// The shipped examples go into a temporary folder first and take the
// folder's name only when complete, so an interrupted seed is never taken
// for the user's own folder, and two programs starting at once cannot mix.
void MappaFeltoltese(const fs::path& cel, const fs::path& forras) {
  std::error_code ec;
  fs::create_directories(cel.parent_path(), ec);
  std::string minta = (cel.parent_path() / ("." + cel.filename().string() + "-XXXXXX")).string();
  std::vector<char> nev(minta.begin(), minta.end());
  nev.push_back('\0');
  if (::mkdtemp(nev.data()) == nullptr) {
    fs::create_directory(cel, ec);
    return;
  }
  const fs::path ideiglenes(nev.data());
  if (Mappa(forras)) fs::copy(forras, ideiglenes, fs::copy_options::recursive, ec);
  if (!ec) fs::rename(ideiglenes, cel, ec);
  if (ec) {
    fs::remove_all(ideiglenes, ec);
    fs::create_directory(cel, ec);
  }
}

}  // namespace

TFelhasznaloiKornyezet TFelhasznaloiKornyezet::Folyamate() {
  TFelhasznaloiKornyezet k{Valtozo("XDG_CONFIG_HOME"), Valtozo("XDG_DATA_HOME"), Valtozo("HOME")};
  if (k.Home.empty()) {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw != nullptr && pw->pw_dir != nullptr) {
      k.Home = pw->pw_dir;
    }
  }
  return k;
}

TProgramHelyek::TProgramHelyek(fs::path programKonyvtar, const TFelhasznaloiKornyezet& kornyezet)
    : programKonyvtar_(std::move(programKonyvtar)), adatKonyvtar_(programKonyvtar_) {
  const bool melletteAdat = std::any_of(kAdatMappak.begin(), kAdatMappak.end(),
                                        [this](std::string_view m) { return Mappa(programKonyvtar_ / m); });
  const fs::path telepitett = (programKonyvtar_ / "..").lexically_normal() / "share" / kProgramNev;
  const bool telepitve = !melletteAdat && Mappa(telepitett);
  if (telepitve) adatKonyvtar_ = telepitett;

  if (!kornyezet.Home.empty() && fs::path(kornyezet.Home).is_absolute()) otthon_ = kornyezet.Home;
  const fs::path konfig = XdgMappa(kornyezet.XdgConfigHome, otthon_, ".config");
  const fs::path adat = XdgMappa(kornyezet.XdgDataHome, otthon_, fs::path(".local") / "share");
  // Without a home there is no per-user place: the program directory it is,
  // and a failed save says so at close.
  const bool vanFelhasznaloi = !konfig.empty() && !adat.empty();
  if (vanFelhasznaloi) {
    felhasznaloiBeallitas_ = konfig / kProgramNev;
    felhasznaloiAdat_ = adat / kProgramNev;
  }
  programMellett_ = !vanFelhasznaloi || (!telepitve && Irhato(programKonyvtar_));

  const bool melletteBeallitas = Letezik(programKonyvtar_ / kBeallitasFajlNev);
  elsoInditas_ = programMellett_ ? !melletteBeallitas
                                 : !melletteBeallitas && !Letezik(felhasznaloiBeallitas_ / kBeallitasFajlNev);
}

fs::path TProgramHelyek::BeallitasKonyvtar() const {
  if (programMellett_) return programKonyvtar_;
  std::error_code ec;
  fs::create_directories(felhasznaloiBeallitas_, ec);
  const fs::path sajat = felhasznaloiBeallitas_ / kBeallitasFajlNev;
  const fs::path mellette = programKonyvtar_ / kBeallitasFajlNev;
  if (!Letezik(sajat) && fs::is_regular_file(mellette, ec)) {
    fs::copy_file(mellette, sajat, fs::copy_options::skip_existing, ec);
  }
  return felhasznaloiBeallitas_;
}

fs::path TProgramHelyek::FajlKonyvtar(std::string_view fajta) const {
  if (programMellett_) return programKonyvtar_ / fajta;
  const fs::path cel = felhasznaloiAdat_ / fajta;
  if (!Letezik(cel)) MappaFeltoltese(cel, adatKonyvtar_ / fajta);
  return cel;
}

fs::path TProgramHelyek::MentesKonyvtar() const {
  if (programMellett_) return programKonyvtar_;
  if (!otthon_.empty()) return otthon_;
  std::error_code ec;
  fs::create_directories(felhasznaloiAdat_, ec);
  return felhasznaloiAdat_;
}

std::string ElsoInditasNyelve(const std::vector<std::string>& nyelvFajlok, bool magyar) {
  const std::string nev = magyar ? "Magyar.lng" : "English.lng";
  return std::find(nyelvFajlok.begin(), nyelvFajlok.end(), nev) != nyelvFajlok.end() ? nev : std::string();
}

}  // namespace zelvaris
