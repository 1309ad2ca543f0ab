#include "app/faj_kozpont.h"

#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

TFajKozpont::TFajKozpont(TAlkalmazasKornyezet& kornyezet)
    : kornyezet_(kornyezet), allatSzin_(Qt::white), novenySzin_(Qt::white) {
  setObjectName(QStringLiteral("FajKozpont"));
  connect(&kornyezet, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, [this] {
    TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
    emit Urites();
  });
}

TElolenyFaj& TFajKozpont::Faj(TFajFajta fajta, int32_t id) const {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (fajta == TFajFajta::Allat) return oko.AllatFaj(id);
  return oko.NovenyFaj(id);
}

int32_t TFajKozpont::FajokSzama(TFajFajta fajta) const {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  return fajta == TFajFajta::Allat ? oko.AllatFajokSzama() : oko.NovenyFajokSzama();
}

void TFajKozpont::MezoValtozas(TFajFajta fajta, int32_t id, TFajMezo mezo) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  emit MezoValtozott(fajta, id, mezo);
}

void TFajKozpont::Atnevezes(TFajFajta fajta, int32_t id) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  emit Atnevezve(fajta, id);
}

void TFajKozpont::Atszinezes(TFajFajta fajta, int32_t id) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  emit Atszinezve(fajta, id);
}

void TFajKozpont::JelzoMindenFajra(TFajFajta fajta, TFajMezo jelzo) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  emit JelzoValtozott(fajta, jelzo);
}

void TFajKozpont::Frissites(TFajFajta fajta, int32_t id) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  for (TFajMezo mezo : FajMezok(fajta)) emit MezoValtozott(fajta, id, mezo);
  emit Atnevezve(fajta, id);
  emit Atszinezve(fajta, id);
}

void TFajKozpont::Bejegyzes(TFajFajta fajta, int32_t id) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  bejegyzes_.KuldesIg(TBejegyzesiSor::Grafikonok, fajta, id);
  Frissites(fajta, id);
  bejegyzes_.KuldesTol(TBejegyzesiSor::Grafikonok, fajta, id);
}

void TFajKozpont::BejegyzesFeliratkozas(TBejegyzesiSor sor, QObject* nezet,
                                        std::function<void(TFajFajta, int32_t)> f) {
  bejegyzes_.Feliratkozas(sor, nezet, std::move(f));
}

QColor TFajKozpont::UtolsoSzin(TFajFajta fajta) const {
  return fajta == TFajFajta::Allat ? allatSzin_ : novenySzin_;
}

void TFajKozpont::SetUtolsoSzin(TFajFajta fajta, const QColor& szin) {
  (fajta == TFajFajta::Allat ? allatSzin_ : novenySzin_) = szin;
}

}  // namespace zelvaris
