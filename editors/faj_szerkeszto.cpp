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
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>

#include "app/alkalmazas_kornyezet.h"
#include "app/faj_kozpont.h"
#include "app/mentesi_nev.h"
#include "core/listak.h"
#include "editors/csukhato_doboz.h"
#include "editors/szerkeszto_spin.h"
#include "localisation/nyelvi_tabla.h"
#include "localisation/program_uzenetek.h"
#include "persistence/faj_fajl.h"
#include "widgets/qszin.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

std::string Kulcs(std::string_view elotag, const char* nev) { return std::string(elotag) + nev; }

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
      kozpont_(kornyezet.Kozpont()),
      leiras_(leiras) {
  setObjectName(Qs(leiras_.Urlap));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  FeluletEpites();
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
  kozpont_.BejegyzesFeliratkozas(TBejegyzesiSor::Szerkesztok, this, [this, fajta](TFajFajta f, int32_t id) {
    if (f != fajta) return;
    const int kijelolt = valaszto_->currentIndex();
    while (valaszto_->count() <= id) valaszto_->addItem(QString());
    valaszto_->setItemText(id, Qs(kozpont_.Faj(f, id).MegjelenitettNev()));
    valaszto_->setCurrentIndex(kijelolt);
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
  // All three buttons always show: the window grows instead.
  eszkoztar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  megnyitas_ = eszkoztar->addAction(Ikon(leiras_.MegnyitasIkon), QString());
  megnyitas_->setObjectName(QStringLiteral("ToolBtn_Open"));
  mentes_ = eszkoztar->addAction(Ikon(leiras_.MentesIkon), QString());
  mentes_->setObjectName(QStringLiteral("ToolBtn_Save"));
  szin_ = eszkoztar->addAction(QString());
  szin_->setObjectName(QStringLiteral("ToolBtn_Szin"));
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

  gorgeto_ = new QScrollArea(this);
  auto* gorgeto = gorgeto_;
  gorgeto->setWidgetResizable(true);
  gorgeto->setFrameShape(QFrame::NoFrame);
  auto* belso = new QWidget(gorgeto);
  auto* oszlop = new QVBoxLayout(belso);
  oszlop->setContentsMargins(2, 2, 2, 2);
  oszlop->setSpacing(2);
  std::vector<QFormLayout*> urlapok;
  for (const TDobozLeiras& d : leiras_.Dobozok) {
    auto* doboz = new TCsukhatoDoboz(QString::fromLatin1(d.Nev), QString(), d.Csukhato, d.Nyitva,
                                     d.CsukottMagassag, d.NyitottMagassag, belso);
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
  // The last row's line: "+" with its field and a check box after another
  // check box join it, so that every box holds its rows at its designed height.
  QHBoxLayout* utolsoSav = nullptr;
  const TSorLeiras* elozo = nullptr;
  const auto sorba = [&](QFormLayout* urlap, QWidget* cimke, QWidget* mezo) {
    utolsoSav = new QHBoxLayout;
    utolsoSav->setSpacing(4);
    utolsoSav->addWidget(mezo, 1);
    if (cimke != nullptr) {
      urlap->addRow(cimke, utolsoSav);
    } else {
      urlap->addRow(utolsoSav);
    }
  };
  for (const TSorLeiras& l : leiras_.Sorok) {
    const bool kovetkezo = elozo != nullptr && elozo->Doboz == l.Doboz && utolsoSav != nullptr;
    const bool jelzoUtan = kovetkezo && l.Fajta == TSorLeiras::TFajta::Jelzo && elozo->Fajta == l.Fajta;
    elozo = &l;
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
        utolsoSav = sav;
        break;
      }
      case TSorLeiras::TFajta::Nev:
        nev_ = new QLineEdit(tartalom);
        nev_->setObjectName(nev);
        sor.Szoveg = nev_;
        connect(nev_, &QLineEdit::textChanged, this, &TFajSzerkeszto::NevValtozas);
        sorba(urlap, sor.Cimke, nev_);
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
        sorba(urlap, sor.Cimke, spin);
        break;
      }
      case TSorLeiras::TFajta::Lista: {
        auto* mezo = new QLineEdit(tartalom);
        mezo->setObjectName(nev);
        Hatter(mezo, l.Szin);
        sor.Szoveg = mezo;
        TSor* p = &sor;
        connect(mezo, &QLineEdit::editingFinished, this, [this, p] { ListaKilepes(*p); });
        sorba(urlap, sor.Cimke, mezo);
        break;
      }
      case TSorLeiras::TFajta::Jelzo: {
        auto* jelzo = new QCheckBox(tartalom);
        jelzo->setObjectName(nev);
        sor.Jelzo = jelzo;
        TSor* p = &sor;
        connect(jelzo, &QCheckBox::toggled, this, [this, p](bool b) { JelzoValtozas(*p, b); });
        if (jelzoUtan) {
          utolsoSav->addWidget(jelzo, 1);
        } else {
          sorba(urlap, nullptr, jelzo);
        }
        break;
      }
      case TSorLeiras::TFajta::MozgasPlusz:
        mozgasPlusz_ = new QLineEdit(QStringLiteral("0"), tartalom);
        mozgasPlusz_->setObjectName(nev);
        mozgasPlusz_->setEnabled(false);
        if (kovetkezo) {
          utolsoSav->addWidget(sor.Cimke);
          utolsoSav->addWidget(mozgasPlusz_, 1);
        } else {
          sorba(urlap, sor.Cimke, mozgasPlusz_);
        }
        break;
    }
  }
}

// At least the designed size, and as wide and high as the texts of the
// language need, so that no label, field or button is cut and the boxes fit
// without scrolling; a window the user made larger stays so.
void TFajSzerkeszto::Illesztes() {
  QWidget* belso = gorgeto_->widget();
  // Fonts and styles settle with the polish: measured before, the window
  // would still grow when shown, after its place was chosen.
  ensurePolished();
  for (TCsukhatoDoboz* d : dobozok_) d->Igazitas();
  belso->layout()->activate();
  layout()->activate();
  // The chooser's width follows the species' names: only its minimum counts.
  const int savok = findChild<QToolBar*>(QStringLiteral("ToolB"))->sizeHint().width() +
                    findChild<QToolBar*>(QStringLiteral("ToolBar1"))->minimumSizeHint().width();
  const int mezok = belso->minimumSizeHint().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int szelesseg = std::max({leiras_.Meret.width(), savok, mezok});
  const int magassag =
      std::max(leiras_.Meret.height(), layout()->itemAt(0)->sizeHint().height() + belso->sizeHint().height());
  setMinimumWidth(szelesseg);
  resize(std::max(width(), szelesseg), std::max(height(), magassag));
}

void TFajSzerkeszto::showEvent(QShowEvent* esemeny) {
  QWidget::showEvent(esemeny);
  Illesztes();
}

void TFajSzerkeszto::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  const std::string_view e = leiras_.Elotag;
  setWindowTitle(Qs(tabla.Szoveg(std::string(e) + std::string(leiras_.Urlap))));
  megnyitas_->setText(Qs(tabla.Szoveg(*leiras_.BetoltesTipp)));
  mentes_->setText(Qs(tabla.Szoveg(*leiras_.MentesTipp)));
  szin_->setText(Qs(tabla.Szoveg(kSzinGombSzoveg)));
  szin_->setToolTip(leiras_.SzinTipp != nullptr ? Qs(tabla.Szoveg(*leiras_.SzinTipp)) : QString());
  Illesztes();
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
                                kornyezet_.Uzenet(TUzenet(kNemEgeszUzenet, {hibas.toStdString()})));
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
  const QString konyvtar = QUtvonal(kornyezet_.Helyek().FajlKonyvtar(leiras_.Konyvtar));
  const QString cim = kornyezet_.Szoveg(*leiras_.BetoltesTipp);
  const QString fajl = m.FajlMegnyitas(this, cim, konyvtar, kornyezet_.Szoveg(*leiras_.Szuro));
  if (fajl.isEmpty()) return;
  try {
    if (leiras_.Fajta == TFajFajta::Allat) {
      AllatfajBetoltese(Utvonal(fajl), static_cast<TAllatFaj&>(*f));
    } else {
      NovenyfajBetoltese(Utvonal(fajl), static_cast<TNovenyFaj&>(*f));
    }
  } catch (const std::exception& hiba) {
    // The load is all or nothing: the species is as it was.
    m.Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, cim, Qs(HibaSzovege(hiba, kornyezet_.Nyelv().Tabla())));
    return;
  }
  kozpont_.Frissites(leiras_.Fajta, fajIndex_);
}

void TFajSzerkeszto::Mentes() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  TModalisFelulet& m = kornyezet_.Modalis();
  const QString konyvtar = QUtvonal(kornyezet_.Helyek().FajlKonyvtar(leiras_.Konyvtar));
  const QString cim = kornyezet_.Szoveg(*leiras_.MentesTipp);
  const std::filesystem::path fajl =
      MentesiNev(m, this, cim, konyvtar, kornyezet_.Szoveg(*leiras_.Szuro), leiras_.Kiterjesztes,
                 &kornyezet_.Nyelv().Tabla());
  if (fajl.empty()) return;
  try {
    if (leiras_.Fajta == TFajFajta::Allat) {
      AllatfajMentese(fajl, static_cast<const TAllatFaj&>(*f));
    } else {
      NovenyfajMentese(fajl, static_cast<const TNovenyFaj&>(*f));
    }
  } catch (const std::exception& h) {
    m.Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, cim, Qs(HibaSzovege(h, kornyezet_.Nyelv().Tabla())));
  }
}

}  // namespace zelvaris
