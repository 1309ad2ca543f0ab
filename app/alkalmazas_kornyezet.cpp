#include "app/alkalmazas_kornyezet.h"

#include "app/faj_kozpont.h"

namespace zelvaris {

TAlkalmazasKornyezet::TAlkalmazasKornyezet(std::filesystem::path programKonyvtar,
                                           TModalisFelulet* modalis, QObject* szulo)
    : QObject(szulo),
      programKonyvtar_(std::move(programKonyvtar)),
      helyek_(programKonyvtar_),
      nyelv_(helyek_.AdatKonyvtar()),
      valodiModalis_(std::make_unique<TValodiModalisFelulet>()),
      modalis_(modalis != nullptr ? modalis : valodiModalis_.get()),
      okoszisztema_(UjOkoszisztema()),
      kozpont_(std::make_unique<TFajKozpont>(*this)) {
  nyelv_.SetBetoltesJelzo([this] { nyelvValtozas_.Kuldes(nyelv_.Tabla()); });
}

TAlkalmazasKornyezet::~TAlkalmazasKornyezet() { nyelv_.SetBetoltesJelzo(nullptr); }

void TAlkalmazasKornyezet::ModalisBeallitasa(TModalisFelulet* modalis) {
  modalis_ = modalis != nullptr ? modalis : valodiModalis_.get();
}

std::unique_ptr<TOkoszisztema> TAlkalmazasKornyezet::UjOkoszisztema() {
  return std::make_unique<TOkoszisztema>(veletlen_, tabla_);
}

void TAlkalmazasKornyezet::OkoszisztemaCsere(std::unique_ptr<TOkoszisztema> uj) {
  std::unique_ptr<TOkoszisztema> regi = std::move(okoszisztema_);
  okoszisztema_ = std::move(uj);
  emit OkoszisztemaCserelodott(okoszisztema_.get());
  regi.reset();
  emit IdoValtozott(okoszisztema_->Ido);
}

void TAlkalmazasKornyezet::VilagBemutatasa() {
  const TOkoszisztema& oko = Okoszisztema();
  emit OldalhosszValtozott(oko.L());
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) kozpont_->Bejegyzes(TFajFajta::Noveny, i);
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) kozpont_->Bejegyzes(TFajFajta::Allat, i);
  emit SorrendekBetoltve();
}

void TAlkalmazasKornyezet::Atmeretez(int32_t l) {
  okoszisztema_->Atmeretez(l);
  emit OldalhosszValtozott(okoszisztema_->L());
  emit VilagAtmeretezve();
}

std::vector<THiany> TAlkalmazasKornyezet::Alkalmaz() {
  // Kept even when the build fails: it is where the attempt began.
  kezdoMag_ = veletlen_.Mag();
  emit KezdoMagValtozott(kezdoMag_);
  std::vector<THiany> hianyok = okoszisztema_->Alkalmaz();
  okoszisztema_->Benepesit = true;
  emit RacsFelepult();
  return hianyok;
}

void TAlkalmazasKornyezet::FelepitettVilag(uint32_t kezdoMag) {
  kezdoMag_ = kezdoMag;
  emit KezdoMagValtozott(kezdoMag_);
  okoszisztema_->Benepesit = true;
  emit RacsFelepult();
}

void TAlkalmazasKornyezet::LepesKozzetetele() { emit Lepett(); }

void TAlkalmazasKornyezet::IdoKozzetetele() {
  emit IdoValtozott(okoszisztema_->Ido);
  AllapotKozzetetele();
}

void TAlkalmazasKornyezet::AllapotKozzetetele() {
  const uint32_t mag = veletlen_.Mag();
  if (kozzetettMag_ != mag) {
    kozzetettMag_ = mag;
    emit MagValtozott(mag);
  }
  emit AllapotValtozott();
}

void TAlkalmazasKornyezet::MagBeallitasa(uint32_t mag) {
  veletlen_.MagBeallitasa(mag);
  AllapotKozzetetele();
}

void TAlkalmazasKornyezet::NyelvFeliratkozas(TNyelviSor sor, QObject* ablak,
                                             std::function<void(const TNyelviTabla&)> f) {
  nyelvValtozas_.Feliratkozas(sor, ablak, std::move(f));
}

}  // namespace zelvaris
