#include "nyelvkezelo.h"

#include "localisation/ini_fajl.h"
#include "localisation/nyelv_fajlok.h"
#include "localisation/nyelvi_kulcsok.h"

namespace zelvaris {

namespace {

constexpr std::string_view kStartStop = "Act_StartStop";

}  // namespace

TNyelvkezelo::TNyelvkezelo(std::filesystem::path programKonyvtar)
    : programKonyvtar_(std::move(programKonyvtar)),
      startFelirat_(BeepitettSzoveg("c1Act_StartStop")),
      stopFelirat_(BeepitettSzoveg("c2Act_StartStop")) {}

void TNyelvkezelo::NyelvBetoltese(const std::string& nev) {
  if (nev == aktualisNyelv_ || !EgyszeruFajlNev(nev)) return;
  aktualisNyelv_ = nev;
  const TIniTartalom ini = IniBetoltes(NyelvKonyvtar() / nev);

  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    switch (k.Fajta) {
      case TKulcsFajta::ProgramCim:
        tabla_.SetProgramCim(ini.Olvas(k.Szakasz, k.Kulcs, tabla_.ProgramCim()));
        CimBeallitas();
        break;
      case TKulcsFajta::MenuFelirat:
      case TKulcsFajta::AkcioFelirat:
        if (foAblak_ != nullptr) {
          foAblak_->SetFelirat(k.Komponens(),
                               ini.Olvas(k.Szakasz, k.Kulcs, foAblak_->Felirat(k.Komponens())));
        }
        break;
      case TKulcsFajta::AkcioTipp:
        if (foAblak_ != nullptr) {
          foAblak_->SetTipp(k.Komponens(),
                            ini.Olvas(k.Szakasz, k.Kulcs, foAblak_->Tipp(k.Komponens())));
        }
        break;
      case TKulcsFajta::StartFelirat:
        StartStopBetoltes(ini);
        break;
      case TKulcsFajta::StopFelirat:
        break;  // read together with the Start text
      case TKulcsFajta::Ablak:
        tabla_.SetSzoveg(k.Kulcs, ini.Olvas(k.Szakasz, k.Kulcs, tabla_.Szoveg(k.Kulcs)));
        break;
    }
  }

  for (const TAlkalmazas& alkalmazas : ablakok_) {
    if (alkalmazas) alkalmazas(tabla_);
  }
}

// The action gets the new text of the state it is in; then both texts are
// replaced, each keeping its old value when the file lacks it.
void TNyelvkezelo::StartStopBetoltes(const TIniTartalom& ini) {
  const TNyelviKulcs& start = *NyelviKulcs("c1Act_StartStop");
  const TNyelviKulcs& stop = *NyelviKulcs("c2Act_StartStop");
  if (foAblak_ != nullptr) {
    const TNyelviKulcs& most = fut_ ? stop : start;
    foAblak_->SetFelirat(kStartStop,
                         ini.Olvas(most.Szakasz, most.Kulcs, foAblak_->Felirat(kStartStop)));
  }
  startFelirat_ = ini.Olvas(start.Szakasz, start.Kulcs, startFelirat_);
  stopFelirat_ = ini.Olvas(stop.Szakasz, stop.Kulcs, stopFelirat_);
}

void TNyelvkezelo::Feliratkozas(TNyelviAblak ablak, TAlkalmazas alkalmazas) {
  ablakok_.at(static_cast<std::size_t>(ablak)) = std::move(alkalmazas);
}

void TNyelvkezelo::Leiratkozas(TNyelviAblak ablak) {
  ablakok_.at(static_cast<std::size_t>(ablak)) = nullptr;
}

void TNyelvkezelo::SetCimElotag(std::string elotag) {
  cimElotag_ = std::move(elotag);
  CimBeallitas();
}

void TNyelvkezelo::CimBeallitas() {
  if (foAblak_ != nullptr) foAblak_->SetAblakCim(AblakCim());
}

bool TNyelvkezelo::StartStopValtas() {
  fut_ = !fut_;
  if (foAblak_ != nullptr) foAblak_->SetFelirat(kStartStop, fut_ ? stopFelirat_ : startFelirat_);
  return fut_;
}

void TNyelvkezelo::StartStopMegallitva() {
  fut_ = false;
  if (foAblak_ != nullptr) foAblak_->SetFelirat(kStartStop, startFelirat_);
}

}  // namespace zelvaris
