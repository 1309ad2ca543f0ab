#include "editors/faj_szerkeszto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>

#include "core/listak.h"
#include "editors/csukhato_doboz.h"
#include "editors/faj_kozpont.h"
#include "editors/szerkeszto_spin.h"
#include "localisation/nyelvi_tabla.h"
#include "persistence/faj_fajl.h"
#include "persistence/fajlnevek.h"
#include "widgets/alkalmazas_kornyezet.h"
#include "widgets/qszin.h"

namespace zelvaris {

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

std::string Kulcs(std::string_view elotag, const char* nev) { return std::string(elotag) + nev; }

std::filesystem::path Utvonal(const QString& fajl) { return std::filesystem::path(fajl.toStdString()); }

int32_t Egesz32(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The movement budget, which the radius row and the "+" row show with it: one
// push for all three. Plants have none.
std::optional<TFajMezo> MozgasMezo(const TSzerkesztoLeiras& leiras) {
  for (const TSorLeiras& l : leiras.Sorok) {
    if (l.Fajta == TSorLeiras::TFajta::MozgasPlusz) return l.Mezo;
  }
  return std::nullopt;
}

// The button images are compiled into the program; elsewhere the buttons
// show their texts.
QIcon Ikon(const QString& eroforras) { return QFile::exists(eroforras) ? QIcon(eroforras) : QIcon(); }

void Hatter(QWidget* w, QRgb szin) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, QColor::fromRgb(szin));
  w->setPalette(p);
}


}  // namespace

TFajSzerkeszto::TFajSzerkeszto(TAlkalmazasKornyezet& kornyezet, const TSzerkesztoLeiras& leiras,
                               QWidget* szulo)
    : QWidget(szulo),
      kornyezet_(kornyezet),
      kozpont_(TFajKozpont::Kozpont(kornyezet)),
      leiras_(leiras) {
  setObjectName(Qs(std::string(leiras_.Urlap)));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  FeluletEpites();
  setMinimumWidth(209);
  resize(leiras_.Meret);
  SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());

  const TFajFajta fajta = leiras_.Fajta;
  connect(&kozpont_, &TFajKozpont::MezoValtozott, this,
          [this, fajta](TFajFajta f, int32_t id, TFajMezo mezo) {
            if (f == fajta && id == fajIndex_) MezoFrissites(mezo);
          });
  connect(&kozpont_, &TFajKozpont::JelzoValtozott, this, [this, fajta](TFajFajta f, TFajMezo jelzo) {
    if (f == fajta) MezoFrissites(jelzo);
  });
  connect(&kozpont_, &TFajKozpont::Atnevezve, this, &TFajSzerkeszto::Atnevezve);
  connect(&kozpont_, &TFajKozpont::Atszinezve, this, [this, fajta](TFajFajta f, int32_t id) {
    if (f == fajta && id == fajIndex_) SzinIras();
  });
  connect(&kozpont_, &TFajKozpont::Bejegyezve, this, [this, fajta](TFajFajta f, int32_t id) {
    if (f != fajta) return;
    const int kijelolt = valaszto_->currentIndex();
    while (valaszto_->count() <= id) valaszto_->addItem(QString());
    valaszto_->setItemText(id, Qs(kozpont_.Faj(f, id).MegjelenitettNev()));
    valaszto_->setCurrentIndex(kijelolt);
  });
  connect(&kozpont_, &TFajKozpont::Urites, this, [this] {
    fajIndex_ = -1;
    valaszto_->clear();
  });
}

TFajSzerkeszto::~TFajSzerkeszto() = default;

// --- Building ----------------------------------------------------------------------

void TFajSzerkeszto::FeluletEpites() {
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(0, 0, 0, 0);
  reteg->setSpacing(0);

  auto* savok = new QHBoxLayout;
  savok->setSpacing(0);
  auto* eszkoztar = new QToolBar(this);
  eszkoztar->setObjectName(QStringLiteral("ToolB"));
  megnyitas_ = eszkoztar->addAction(Ikon(leiras_.MegnyitasIkon), leiras_.BetoltesTipp);
  megnyitas_->setObjectName(QStringLiteral("ToolBtn_Open"));
  mentes_ = eszkoztar->addAction(Ikon(leiras_.MentesIkon), leiras_.MentesTipp);
  mentes_->setObjectName(QStringLiteral("ToolBtn_Save"));
  szin_ = eszkoztar->addAction(QStringLiteral("Szín"));
  szin_->setObjectName(QStringLiteral("ToolBtn_Szin"));
  szin_->setToolTip(leiras_.SzinTipp);
  connect(megnyitas_, &QAction::triggered, this, &TFajSzerkeszto::Betoltes);
  connect(mentes_, &QAction::triggered, this, &TFajSzerkeszto::Mentes);
  connect(szin_, &QAction::triggered, this, &TFajSzerkeszto::SzinValasztas);
  auto* valasztoSav = new QToolBar(this);
  valasztoSav->setObjectName(QStringLiteral("ToolBar1"));
  valaszto_ = new QComboBox(valasztoSav);
  valaszto_->setObjectName(QString::fromLatin1(leiras_.Valaszto));
  valaszto_->setEditable(false);
  valaszto_->setMinimumWidth(124);
  valasztoSav->addWidget(valaszto_);
  connect(valaszto_, &QComboBox::activated, this, [this](int i) { FajValaszt(i); });
  savok->addWidget(eszkoztar);
  savok->addWidget(valasztoSav, 1);
  reteg->addLayout(savok);

  auto* gorgeto = new QScrollArea(this);
  gorgeto->setWidgetResizable(true);
  gorgeto->setFrameShape(QFrame::NoFrame);
  auto* belso = new QWidget(gorgeto);
  auto* oszlop = new QVBoxLayout(belso);
  oszlop->setContentsMargins(2, 2, 2, 2);
  oszlop->setSpacing(2);
  std::vector<QFormLayout*> urlapok;
  for (const TDobozLeiras& d : leiras_.Dobozok) {
    auto* doboz = new TCsukhatoDoboz(QString::fromLatin1(d.Nev), QString(), d.Csukhato, d.Nyitva, belso);
    auto* urlap = new QFormLayout(doboz->Tartalom());
    urlap->setContentsMargins(0, 0, 0, 0);
    urlap->setVerticalSpacing(2);
    oszlop->addWidget(doboz);
    dobozok_.push_back(doboz);
    urlapok.push_back(urlap);
  }
  oszlop->addStretch(1);
  gorgeto->setWidget(belso);
  reteg->addWidget(gorgeto, 1);

  // Handlers keep pointers into sorok_: it never grows after this.
  sorok_.reserve(leiras_.Sorok.size());
  for (const TSorLeiras& l : leiras_.Sorok) {
    sorok_.push_back(TSor{&l});
    TSor& sor = sorok_.back();
    QWidget* tartalom = dobozok_.at(static_cast<size_t>(l.Doboz))->Tartalom();
    QFormLayout* urlap = urlapok.at(static_cast<size_t>(l.Doboz));
    const QString nev = QString::fromLatin1(l.Vezerlo);
    if (l.Fajta != TSorLeiras::TFajta::Jelzo) {
      sor.Cimke = new QLabel(l.Felirat != nullptr ? QString::fromUtf8(l.Felirat) : QString(), tartalom);
      if (l.Cimke != nullptr) sor.Cimke->setObjectName(QString::fromLatin1(l.Cimke));
    }
    switch (l.Fajta) {
      case TSorLeiras::TFajta::Azonosito: {
        auto* sav = new QHBoxLayout;
        id_ = new QLineEdit(tartalom);
        id_->setObjectName(nev);
        id_->setEnabled(false);
        szinMinta_ = new QFrame(tartalom);
        szinMinta_->setObjectName(QStringLiteral("Shp_Szin"));
        szinMinta_->setFixedSize(22, 22);
        szinMinta_->setFrameShape(QFrame::Box);
        szinMinta_->setAutoFillBackground(true);
        sav->addWidget(id_, 1);
        sav->addWidget(szinMinta_);
        urlap->addRow(sor.Cimke, sav);
        break;
      }
      case TSorLeiras::TFajta::Nev:
        nev_ = new QLineEdit(tartalom);
        nev_->setObjectName(nev);
        sor.Szoveg = nev_;
        connect(nev_, &QLineEdit::textChanged, this, &TFajSzerkeszto::NevValtozas);
        urlap->addRow(sor.Cimke, nev_);
        break;
      case TSorLeiras::TFajta::Spin: {
        auto* spin = new TSzerkesztoSpin(tartalom);
        spin->setObjectName(nev);
        spin->SetTartomany(l.Minimum, l.Maximum);
        spin->SetLepes(l.Lepes);
        // A field without bounds reads a text that is no number as 0.
        spin->SetNemSzamErtek(l.Minimum == std::numeric_limits<int32_t>::min() ? 0 : l.Minimum);
        // The editor puts the species' value back itself, not the field's last.
        spin->SetVisszatoltes(false);
        Hatter(spin, l.Szin);
        sor.Spin = spin;
        TSor* p = &sor;
        connect(spin, &TSpinMezo::Valtozas, this, [this, p] { SpinValtozas(*p); });
        connect(spin, &TSpinMezo::Kilepes, this, [this, p] { SpinKilepes(*p); });
        urlap->addRow(sor.Cimke, spin);
        break;
      }
      case TSorLeiras::TFajta::Lista: {
        auto* mezo = new QLineEdit(tartalom);
        mezo->setObjectName(nev);
        Hatter(mezo, l.Szin);
        sor.Szoveg = mezo;
        TSor* p = &sor;
        connect(mezo, &QLineEdit::editingFinished, this, [this, p] { ListaKilepes(*p); });
        urlap->addRow(sor.Cimke, mezo);
        break;
      }
      case TSorLeiras::TFajta::Jelzo: {
        auto* jelzo = new QCheckBox(tartalom);
        jelzo->setObjectName(nev);
        sor.Jelzo = jelzo;
        TSor* p = &sor;
        connect(jelzo, &QCheckBox::toggled, this, [this, p](bool b) { JelzoValtozas(*p, b); });
        urlap->addRow(jelzo);
        break;
      }
      case TSorLeiras::TFajta::MozgasPlusz:
        mozgasPlusz_ = new QLineEdit(QStringLiteral("0"), tartalom);
        mozgasPlusz_->setObjectName(nev);
        mozgasPlusz_->setEnabled(false);
        urlap->addRow(sor.Cimke, mozgasPlusz_);
        break;
    }
  }
}

void TFajSzerkeszto::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  const std::string_view e = leiras_.Elotag;
  setWindowTitle(Qs(tabla.Szoveg(std::string(e) + std::string(leiras_.Urlap))));
  for (size_t i = 0; i < dobozok_.size(); ++i) {
    dobozok_[i]->SetSzoveg(Qs(tabla.Szoveg(Kulcs(e, leiras_.Dobozok[i].Nev))));
  }
  for (TSor& sor : sorok_) {
    if (sor.Jelzo != nullptr) sor.Jelzo->setText(Qs(tabla.Szoveg(Kulcs(e, sor.Leiras->Vezerlo))));
    if (sor.Cimke != nullptr && sor.Leiras->Cimke != nullptr) {
      sor.Cimke->setText(Qs(tabla.Szoveg(Kulcs(e, sor.Leiras->Cimke))));
    }
  }
}

// --- Species and filling -----------------------------------------------------------

TElolenyFaj* TFajSzerkeszto::Faj() const {
  if (fajIndex_ < 0 || fajIndex_ >= kozpont_.FajokSzama(leiras_.Fajta)) return nullptr;
  return &kozpont_.Faj(leiras_.Fajta, fajIndex_);
}

bool TFajSzerkeszto::Engedelyezett() const { return kornyezet_.EsemenyEngedely().Engedelyezett(); }

bool TFajSzerkeszto::SugarSor(const TSor& sor) {
  return std::strcmp(sor.Leiras->Vezerlo, "SpE_MozgasSugar") == 0;
}

int64_t TFajSzerkeszto::TaroltErtek(const TSor& sor, int64_t ertek) {
  if (SugarSor(sor)) return std::clamp<int64_t>(ertek, 0, kLegnagyobbMozgasSugar);
  return Egesz32(ertek);
}

void TFajSzerkeszto::ValasztoFeltoltese() {
  valaszto_->clear();
  for (int32_t i = 0; i < kozpont_.FajokSzama(leiras_.Fajta); ++i) {
    valaszto_->addItem(Qs(kozpont_.Faj(leiras_.Fajta, i).MegjelenitettNev()));
  }
  valaszto_->setCurrentIndex(-1);
}

void TFajSzerkeszto::FajValaszt(int32_t index) {
  if (index < 0 || index >= kozpont_.FajokSzama(leiras_.Fajta)) return;
  fajIndex_ = index;
  id_->setText(QString::number(index));
  Kitolt();
}

void TFajSzerkeszto::Kitolt() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  if (leiras_.Fajta == TFajFajta::Allat) {
    // Counting the ring sizes once up to the ring that no 32-bit budget
    // fills lets no later keystroke in the movement fields count any.
    f->Okoszisztema()->Tabla().SugarHosszbol(std::numeric_limits<int32_t>::max());
  }
  NevIras();
  SzinIras();
  const std::optional<TFajMezo> mozgas = MozgasMezo(leiras_);
  for (TSor& sor : sorok_) {
    if (sor.Spin != nullptr && sor.Leiras->Mezo != mozgas) {
      SpinIras(sor, MezoErtek(*f, leiras_.Fajta, sor.Leiras->Mezo), true);
    } else if (sor.Szoveg != nullptr && sor.Szoveg != nev_) {
      sor.Szoveg->setText(Qs(ListaMezoSzoveg(*f, leiras_.Fajta, sor.Leiras->Mezo)));
    } else if (sor.Jelzo != nullptr) {
      sor.Jelzo->setChecked(MezoErtek(*f, leiras_.Fajta, sor.Leiras->Mezo) != 0);
    }
  }
  MozgasIras(true);
}

// --- Writing the controls ------------------------------------------------------------

// A field whose text already stands for the value is left alone, so that the
// field being typed in keeps its text (-5 in a field whose minimum is 0).
void TFajSzerkeszto::SpinIras(TSor& sor, int64_t ertek, bool mindig) {
  TSzerkesztoSpin& spin = *sor.Spin;
  if (!mindig && !spin.ErtekNelkul() &&
      TaroltErtek(sor, spin.SzovegErteke()) == ertek) {
    return;
  }
  spin.SetErtek(ertek);
}

void TFajSzerkeszto::MozgasIras(bool mindig) {
  TElolenyFaj* f = Faj();
  const std::optional<TFajMezo> mozgas = MozgasMezo(leiras_);
  if (f == nullptr || !mozgas || leiras_.Fajta != TFajFajta::Allat) return;
  const int32_t sugar = static_cast<TAllatFaj&>(*f).MozgasSugar();
  const int32_t hossz = MezoErtek(*f, leiras_.Fajta, *mozgas);
  for (TSor& sor : sorok_) {
    if (sor.Spin == nullptr || sor.Leiras->Mezo != *mozgas) continue;
    SpinIras(sor, SugarSor(sor) ? sugar : hossz, mindig);
  }
  if (mozgasPlusz_ != nullptr) {
    const int32_t kijelzett = std::clamp(sugar, 0, kLegnagyobbMozgasSugar);
    const int64_t plusz = int64_t{hossz} - f->Okoszisztema()->Tabla().KorMeret(kijelzett) + 1;
    mozgasPlusz_->setText(QString::number(plusz));
  }
}

void TFajSzerkeszto::NevIras() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const QString nev = Qs(f->Nev());
  // Rewriting an equal text would move the cursor of the field being typed in.
  if (nev_->text() != nev) nev_->setText(nev);
}

void TFajSzerkeszto::SzinIras() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  QPalette p = szinMinta_->palette();
  p.setColor(QPalette::Window, QSzin(f->Szin()));
  szinMinta_->setPalette(p);
}

void TFajSzerkeszto::MezoFrissites(TFajMezo mezo) {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  if (mezo == MozgasMezo(leiras_)) {
    MozgasIras(false);
    return;
  }
  for (TSor& sor : sorok_) {
    if (sor.Leiras->Mezo != mezo || sor.Szoveg == nev_) continue;
    if (sor.Spin != nullptr) {
      SpinIras(sor, MezoErtek(*f, leiras_.Fajta, mezo), false);
    } else if (sor.Szoveg != nullptr) {
      const QString szoveg = Qs(ListaMezoSzoveg(*f, leiras_.Fajta, mezo));
      if (sor.Szoveg->text() != szoveg) sor.Szoveg->setText(szoveg);
    } else if (sor.Jelzo != nullptr) {
      sor.Jelzo->setChecked(MezoErtek(*f, leiras_.Fajta, mezo) != 0);
    }
  }
}

void TFajSzerkeszto::Atnevezve(TFajFajta fajta, int32_t id) {
  if (fajta != leiras_.Fajta) return;
  if (id >= 0 && id < valaszto_->count() && id < kozpont_.FajokSzama(fajta)) {
    valaszto_->setItemText(id, Qs(kozpont_.Faj(fajta, id).MegjelenitettNev()));
  }
  if (id == fajIndex_) NevIras();
}

// --- Change handlers -----------------------------------------------------------------

void TFajSzerkeszto::SpinTarolas(TSor& sor, int64_t ertek) {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  if (SugarSor(sor)) {
    // A radius beyond the bound would leave the budget's range and cost
    // billions of ring offsets; a negative one names no ring.
    static_cast<TAllatFaj&>(*f).SetMozgasSugar(static_cast<int32_t>(TaroltErtek(sor, ertek)));
  } else {
    MezoBeallitas(*f, leiras_.Fajta, sor.Leiras->Mezo, Egesz32(ertek));
  }
  kozpont_.MezoValtozas(leiras_.Fajta, fajIndex_, sor.Leiras->Mezo);
}

void TFajSzerkeszto::SpinValtozas(TSor& sor) {
  if (!Engedelyezett() || sor.Spin->ErtekNelkul()) return;
  SpinTarolas(sor, sor.Spin->SzovegErteke());
}

void TFajSzerkeszto::SpinKilepes(TSor& sor) {
  if (!Engedelyezett() || !sor.Spin->Ures() || !sor.Leiras->Visszatoltes) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const int64_t ertek = SugarSor(sor) ? static_cast<TAllatFaj&>(*f).MozgasSugar()
                                      : MezoErtek(*f, leiras_.Fajta, sor.Leiras->Mezo);
  const int64_t kijelzett = std::clamp(ertek, sor.Spin->Minimum(), sor.Spin->Maximum());
  {
    TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
    sor.Spin->SetErtek(kijelzett);
  }
  // The species' value put back lay outside the range: the bound is stored,
  // as leaving a field with any out-of-range value does.
  if (kijelzett != ertek) SpinTarolas(sor, kijelzett);
}

void TFajSzerkeszto::ListaKilepes(TSor& sor) {
  if (listaUzenet_ || !Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const QString szoveg = sor.Szoveg->text();
  if (const QString hibas = QString::fromStdString(TulnagySzam(szoveg.toStdString())); !hibas.isEmpty()) {
    // Nothing is stored: the field shows the list as it stands.
    sor.Szoveg->setText(Qs(ListaMezoSzoveg(*f, leiras_.Fajta, sor.Leiras->Mezo)));
    listaUzenet_ = true;
    kornyezet_.Modalis().Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, windowTitle(),
                                QStringLiteral("„%1” nem érvényes egész szám.").arg(hibas));
    listaUzenet_ = false;
    return;
  }
  ListaMezoBeallitas(*f, leiras_.Fajta, sor.Leiras->Mezo, szoveg.toStdString());
  kozpont_.MezoValtozas(leiras_.Fajta, fajIndex_, sor.Leiras->Mezo);
}

void TFajSzerkeszto::JelzoValtozas(TSor& sor, bool ertek) {
  if (!Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  MezoBeallitas(*f, leiras_.Fajta, sor.Leiras->Mezo, ertek ? 1 : 0);
  kozpont_.MezoValtozas(leiras_.Fajta, fajIndex_, sor.Leiras->Mezo);
}

void TFajSzerkeszto::NevValtozas(const QString& szoveg) {
  if (!Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  f->SetNev(szoveg.toStdString());
  kozpont_.Atnevezes(leiras_.Fajta, fajIndex_);
}

// --- Colour and files ----------------------------------------------------------------

void TFajSzerkeszto::SzinValasztas() {
  if (!Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const std::optional<QColor> szin = kornyezet_.Modalis().Szin(this, kozpont_.UtolsoSzin(leiras_.Fajta));
  if (!szin) return;
  kozpont_.SetUtolsoSzin(leiras_.Fajta, *szin);
  f->SetSzin(ModellSzin(*szin));
  kozpont_.Atszinezes(leiras_.Fajta, fajIndex_);
}

void TFajSzerkeszto::Betoltes() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  TModalisFelulet& m = kornyezet_.Modalis();
  const QString konyvtar = Qs(kornyezet_.Helyek().FajlKonyvtar(leiras_.Konyvtar).string());
  const QString fajl = m.FajlMegnyitas(this, leiras_.BetoltesTipp, konyvtar, leiras_.Szuro);
  if (fajl.isEmpty()) return;
  try {
    if (leiras_.Fajta == TFajFajta::Allat) {
      AllatfajBetoltese(Utvonal(fajl), static_cast<TAllatFaj&>(*f));
    } else {
      NovenyfajBetoltese(Utvonal(fajl), static_cast<TNovenyFaj&>(*f));
    }
  } catch (const std::exception& hiba) {
    // The load is all or nothing: the species is as it was.
    m.Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, leiras_.BetoltesTipp, Qs(hiba.what()));
    return;
  }
  kozpont_.Frissites(leiras_.Fajta, fajIndex_);
}

void TFajSzerkeszto::Mentes() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  TModalisFelulet& m = kornyezet_.Modalis();
  const QString konyvtar = Qs(kornyezet_.Helyek().FajlKonyvtar(leiras_.Konyvtar).string());
  const QString valasztott = m.FajlMentes(this, leiras_.MentesTipp, konyvtar, leiras_.Szuro);
  if (valasztott.isEmpty()) return;
  const std::filesystem::path nev = Utvonal(valasztott);
  const std::filesystem::path fajl = FajFajlNev(nev, leiras_.Kiterjesztes);
  // The dialog asked about the name it was given; an added extension may
  // name another file that exists.
  std::error_code hiba;
  if (fajl != nev && std::filesystem::exists(fajl, hiba) &&
      !m.IgenNem(this, leiras_.MentesTipp,
                 QStringLiteral("%1 már létezik. Felülírja?").arg(Qs(fajl.filename().string())))) {
    return;
  }
  try {
    if (leiras_.Fajta == TFajFajta::Allat) {
      AllatfajMentese(fajl, static_cast<const TAllatFaj&>(*f));
    } else {
      NovenyfajMentese(fajl, static_cast<const TNovenyFaj&>(*f));
    }
  } catch (const std::exception& h) {
    m.Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, leiras_.MentesTipp, Qs(h.what()));
  }
}

}  // namespace zelvaris
