#include "beallitasok.h"

#include "localisation/ini_fajl.h"
#include "localisation/nyelvkezelo.h"

namespace zelvaris {

namespace {

constexpr std::string_view kServerSzakasz = "SERVER";
constexpr std::string_view kServerKulcs = "ServerIP";
constexpr std::string_view kNyelvSzakasz = "LANGUAGE";
constexpr std::string_view kNyelvKulcs = "defaultlanguage";

}  // namespace

TBeallitasok::TBeallitasok(std::filesystem::path programKonyvtar)
    : programKonyvtar_(std::move(programKonyvtar)) {}

void TBeallitasok::BeallitasokOlvasasa(TNyelvkezelo& nyelv) {
  const TIniTartalom ini = IniBetoltes(FajlUtvonal());
  serverIP_ = ini.Olvas(kServerSzakasz, kServerKulcs, serverIP_);
  nyelv.NyelvBetoltese(ini.Olvas(kNyelvSzakasz, kNyelvKulcs, nyelv.AktualisNyelv()));
}

std::optional<std::string> TBeallitasok::BeallitasokIrasa(const TNyelvkezelo& nyelv) const {
  const std::filesystem::path utvonal = FajlUtvonal();
  auto ini = IniBetoltesIrashoz(utvonal);
  if (!ini) return std::string(kBeallitasMentesiHiba);
  ini->Ir(kServerSzakasz, kServerKulcs, serverIP_);
  ini->Ir(kNyelvSzakasz, kNyelvKulcs, nyelv.AktualisNyelv());
  if (!IniMentes(utvonal, *ini)) return std::string(kBeallitasMentesiHiba);
  return std::nullopt;
}

}  // namespace zelvaris
