#include "net/mod_valto.h"

#include <QAction>
#include <QPlainTextEdit>

#include "localisation/beallitasok.h"
#include "localisation/program_uzenetek.h"
#include "net/form_bejelentkezesek.h"
#include "net/form_kliens_mod.h"
#include "net/net_szovegek.h"
#include "widgets/modalis_felulet.h"

namespace zelvaris {

namespace {

const QString kCim = QStringLiteral("Zelvaris");

}  // namespace

TModValto::TModValto(TModElemek elemek, TModalisFelulet& modalis, TBeallitasok& beallitasok,
                     TModBeallitas beallitas, QObject* szulo)
    : QObject(szulo),
      fuggetlenAkcio_(elemek.FuggetlenAkcio),
      szerverAkcio_(elemek.SzerverAkcio),
      kliensAkcio_(elemek.KliensAkcio),
      szulo_(elemek.Szulo),
      naploNezet_(elemek.Naplo),
      jelentkezesek_(elemek.Jelentkezesek),
      dialogus_(elemek.Dialogus),
      modalis_(modalis),
      beallitasok_(beallitasok),
      beallitas_(beallitas),
      szerver_(beallitas.Szerver),
      naplo_(elemek.Naplo, elemek.Jelentkezesek, beallitas.Naplo) {
  connect(&szerver_, &TSzerver::Sor, &naplo_, &TSzerverNaplo::Sor);
  connect(&szerver_, &TSzerver::Jelentkezo, &naplo_, &TSzerverNaplo::Jelentkezo);
  connect(&kliens_, &TKliensBejelentes::Sikerult, this, &TModValto::KliensSikerult);
  connect(&kliens_, &TKliensBejelentes::Sikertelen, this, &TModValto::KliensSikertelen);
  for (QAction* a : {elemek.FuggetlenAkcio, elemek.SzerverAkcio, elemek.KliensAkcio}) {
    if (a != nullptr) a->setCheckable(true);
  }
  Jeloles();
}

TModValto::~TModValto() { Leallitas(); }

void TModValto::SetNyelviTabla(const TNyelviTabla* tabla) {
  tabla_ = tabla;
  szerver_.SetNyelviTabla(tabla);
  naplo_.SetNyelviTabla(tabla);
  if (jelentkezesek_) jelentkezesek_->SetNyelviTabla(tabla);
}

// Exactly one of the three is checked, the one of the current mode; this
// also undoes what an exclusive action group checked on a click that
// changed nothing.
void TModValto::Jeloles() {
  if (fuggetlenAkcio_) fuggetlenAkcio_->setChecked(mod_ == Fuggetlen);
  if (szerverAkcio_) szerverAkcio_->setChecked(mod_ == Szerver);
  if (kliensAkcio_) kliensAkcio_->setChecked(mod_ == Kliens);
}

void TModValto::ModAkciokEngedelyezese(bool be) {
  for (QAction* a : {fuggetlenAkcio_.data(), szerverAkcio_.data(), kliensAkcio_.data()}) {
    if (a != nullptr) a->setEnabled(be);
  }
}

void TModValto::SzerverLeallitas() {
  szerver_.Deaktivalas();
  // What arrived before the stop still reaches the log.
  naplo_.Kiiras();
  if (naploNezet_) naploNezet_->hide();
  if (jelentkezesek_) jelentkezesek_->hide();
}

void TModValto::SzerverMod() {
  if (kliens_.Fut()) return;
  if (mod_ == Szerver && szerver_.Aktiv()) {
    Jeloles();
    return;
  }
  if (auto hiba = szerver_.Aktivalas(beallitas_.SzerverPort)) {
    Jeloles();
    modalis_.Uzenet(szulo_, TModalisFelulet::TUzenetFajta::Hiba, kCim,
                    NetUzenet(tabla_, TUzenet(kSzerverNemIndultUzenet, {std::to_string(beallitas_.SzerverPort),
                                                                        hiba->toStdString()})));
    return;
  }
  mod_ = Szerver;
  Jeloles();
  if (naploNezet_) naploNezet_->show();
}

void TModValto::FuggetlenMod() {
  if (kliens_.Fut()) return;
  if (mod_ == Fuggetlen) {
    Jeloles();
    return;
  }
  if (mod_ == Szerver) {
    Jeloles();
    if (!modalis_.IgenNem(szulo_, kCim, NetUzenet(tabla_, TUzenet(kSzerverMegszunteteseUzenet, {})))) return;
  }
  mod_ = Fuggetlen;
  Jeloles();
  SzerverLeallitas();
}

void TModValto::KliensMod() {
  if (kliens_.Fut()) return;
  Jeloles();
  if (mod_ == Kliens) return;
  if (mod_ == Szerver && !modalis_.IgenNem(szulo_, kCim, NetUzenet(tabla_, TUzenet(kSzerverMegszunteteseUzenet, {})))) {
    return;
  }
  if (!dialogus_) return;
  dialogus_->SetServerIP(QString::fromStdString(beallitasok_.ServerIP()));
  if (modalis_.Dialogus(*dialogus_) != QDialog::Accepted) return;
  const QString host = dialogus_->ServerIP().trimmed();
  beallitasok_.SetServerIP(dialogus_->ServerIP().toStdString());
  ModAkciokEngedelyezese(false);
  kliens_.Inditas(host, beallitas_.KliensPort, dialogus_->KliensNev(), beallitas_.KliensIdokorlat);
}

void TModValto::KliensSikerult() {
  ModAkciokEngedelyezese(true);
  mod_ = Kliens;
  Jeloles();
  SzerverLeallitas();
  modalis_.Uzenet(szulo_, TModalisFelulet::TUzenetFajta::Informacio, kCim,
                  NetUzenet(tabla_, TUzenet(kKapcsolodasSikeresUzenet, {})));
  emit KliensBefejezodott(true);
}

void TModValto::KliensSikertelen() {
  ModAkciokEngedelyezese(true);
  Jeloles();
  modalis_.Uzenet(szulo_, TModalisFelulet::TUzenetFajta::Hiba, kCim, NetUzenet(tabla_, TUzenet(kKapcsolodasSikertelenUzenet, {})));
  emit KliensBefejezodott(false);
}

void TModValto::Leallitas() {
  kliens_.Megszakitas();
  szerver_.Deaktivalas();
  ModAkciokEngedelyezese(true);
}

}  // namespace zelvaris
