#include "editors/allat_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <optional>

#include "app/alkalmazas_kornyezet.h"
#include "app/faj_kozpont.h"
#include "core/listak.h"
#include "editors/szerkeszto_spin.h"
#include "localisation/program_uzenetek.h"
#include "widgets/qszin.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

using F = TPanelSorLeiras::TFajta;
constexpr int64_t kMax = 2'000'000'000;


void Hatter(QWidget* w, QRgb szin) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, QColor::fromRgb(szin));
  w->setPalette(p);
}

int32_t Egesz32(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}


}  // namespace

const char* TAllatPanel::SorFelirat(int sor) {
  const TPanelSorLeiras& l = AllatPanelSorok()[static_cast<size_t>(sor - 1)];
  return l.Fajta == F::Jelzo ? "" : l.Felirat;
}

TAllatPanel::TAllatPanel(TAlkalmazasKornyezet& kornyezet, int32_t fajIndex, QWidget* szulo)
    : QFrame(szulo), kornyezet_(kornyezet), kozpont_(kornyezet.Kozpont()), fajIndex_(fajIndex) {
  setObjectName(QStringLiteral("AllatPanel%1").arg(fajIndex));
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(kSzelesseg, kMagassag);
  Epites();
  Kitoltes();
}

QRect TAllatPanel::Sor(int sor) const { return QRect(4, SorTeteje(sor), kSzelesseg - 8, kSorMagassag); }

void TAllatPanel::Epites() {
  // Handlers keep pointers into mezok_: it never grows after this.
  mezok_.reserve(kSorokSzama);
  for (int sor = 1; sor <= kSorokSzama; ++sor) {
    const TPanelSorLeiras& l = AllatPanelSorok()[static_cast<size_t>(sor - 1)];
    const QString nev = QString::fromLatin1(l.Vezerlo);
    switch (l.Fajta) {
      case F::Nev:
        nev_ = new QLineEdit(this);
        nev_->setObjectName(nev);
        nev_->setGeometry(Sor(sor));
        connect(nev_, &QLineEdit::textChanged, this, &TAllatPanel::NevValtozas);
        break;
      case F::Azonosito: {
        const QRect r = Sor(sor);
        auto* cimke = new QLabel(QStringLiteral("Id:"), this);
        cimke->setGeometry(r.x(), r.y(), 18, r.height());
        id_ = new QLineEdit(QString::number(fajIndex_), this);
        id_->setObjectName(nev);
        id_->setEnabled(false);
        id_->setGeometry(r.x() + 20, r.y(), r.width() - 20 - 24, r.height());
        szinMinta_ = new QFrame(this);
        szinMinta_->setObjectName(QStringLiteral("Shp_Szin"));
        szinMinta_->setFrameShape(QFrame::Box);
        szinMinta_->setAutoFillBackground(true);
        szinMinta_->setGeometry(r.right() - 21, r.y(), 22, 22);
        break;
      }
      case F::Lista: {
        auto* mezo = new QLineEdit(this);
        mezo->setObjectName(nev);
        mezo->setGeometry(Sor(sor));
        Hatter(mezo, l.Szin);
        mezok_.push_back({l.Mezo, nullptr, mezo, nullptr});
        TMezoVezerlo* v = &mezok_.back();
        connect(mezo, &QLineEdit::editingFinished, this, [this, v] { ListaKilepes(*v); });
        break;
      }
      case F::Spin:
      case F::Sugar: {
        auto* spin = new TSzerkesztoSpin(this);
        spin->setObjectName(nev);
        spin->setGeometry(Sor(sor));
        spin->SetTartomany(0, kMax);
        spin->SetLepes(l.Lepes);
        spin->SetErtek(l.Kezdo);
        spin->SetVisszatoltes(false);
        Hatter(spin, l.Szin);
        if (l.Fajta == F::Sugar) {
          spin->setReadOnly(true);
          spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
          mozgasSugar_ = spin;
          break;
        }
        mezok_.push_back({l.Mezo, spin, nullptr, nullptr});
        TMezoVezerlo* v = &mezok_.back();
        connect(spin, &TSpinMezo::Valtozas, this, [this, v] { SpinValtozas(*v); });
        connect(spin, &TSpinMezo::Kilepes, this, [this, v] { SpinKilepes(*v); });
        break;
      }
      case F::Jelzo: {
        auto* jelzo = new QCheckBox(QString::fromUtf8(l.Felirat), this);
        jelzo->setObjectName(nev);
        jelzo->setGeometry(Sor(sor));
        mezok_.push_back({l.Mezo, nullptr, nullptr, jelzo});
        TMezoVezerlo* v = &mezok_.back();
        connect(jelzo, &QCheckBox::toggled, this, [this, v](bool b) { JelzoValtozas(*v, b); });
        break;
      }
    }
  }
}

TElolenyFaj* TAllatPanel::Faj() const {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  return oko.VanAllatFaj(fajIndex_) ? &kornyezet_.Okoszisztema().AllatFaj(fajIndex_) : nullptr;
}

bool TAllatPanel::Engedelyezett() const { return kornyezet_.EsemenyEngedely().Engedelyezett(); }

// --- Writing the controls ------------------------------------------------------------

void TAllatPanel::Kitoltes() {
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  NevIras();
  SzinIras();
  for (TMezoVezerlo& v : mezok_) Iras(v, true);
  mozgasSugar_->SetErtek(static_cast<TAllatFaj&>(*f).MozgasSugar());
}

// A field whose text already stands for the value keeps it, so that the
// field being typed in is left alone.
void TAllatPanel::SpinIras(TMezoVezerlo& v, int64_t ertek, bool mindig) {
  if (!mindig && !v.Spin->ErtekNelkul() && Egesz32(v.Spin->SzovegErteke()) == ertek) return;
  v.Spin->SetErtek(ertek);
}

void TAllatPanel::Iras(TMezoVezerlo& v, bool mindig) {
  const TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  if (v.Spin != nullptr) {
    SpinIras(v, MezoErtek(*f, TFajFajta::Allat, v.Mezo), mindig);
  } else if (v.Lista != nullptr) {
    const QString szoveg = Qs(ListaMezoSzoveg(*f, TFajFajta::Allat, v.Mezo));
    if (v.Lista->text() != szoveg) v.Lista->setText(szoveg);
  } else if (v.Jelzo != nullptr) {
    v.Jelzo->setChecked(MezoErtek(*f, TFajFajta::Allat, v.Mezo) != 0);
  }
}

void TAllatPanel::MezoFrissites(TFajMezo mezo) {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  for (TMezoVezerlo& v : mezok_) {
    if (v.Mezo == mezo) Iras(v, false);
  }
}

void TAllatPanel::NevIras() {
  const TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const QString nev = Qs(f->Nev());
  if (nev_->text() == nev) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  nev_->setText(nev);
}

void TAllatPanel::SzinIras() {
  const TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  QPalette p = szinMinta_->palette();
  p.setColor(QPalette::Window, QSzin(f->Szin()));
  szinMinta_->setPalette(p);
}

// --- Change handlers -----------------------------------------------------------------

void TAllatPanel::SpinValtozas(TMezoVezerlo& v) {
  if (!Engedelyezett() || v.Spin->ErtekNelkul()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  MezoBeallitas(*f, TFajFajta::Allat, v.Mezo, Egesz32(v.Spin->SzovegErteke()));
  kozpont_.MezoValtozas(TFajFajta::Allat, fajIndex_, v.Mezo);
}

void TAllatPanel::SpinKilepes(TMezoVezerlo& v) {
  if (!Engedelyezett() || !v.Spin->Ures()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const int64_t ertek = MezoErtek(*f, TFajFajta::Allat, v.Mezo);
  const int64_t kijelzett = std::clamp(ertek, v.Spin->Minimum(), v.Spin->Maximum());
  {
    TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
    v.Spin->SetErtek(kijelzett);
  }
  // A species value outside the field's range is stored at the bound, as
  // leaving the field with any such value does.
  if (kijelzett != ertek) {
    MezoBeallitas(*f, TFajFajta::Allat, v.Mezo, Egesz32(kijelzett));
    kozpont_.MezoValtozas(TFajFajta::Allat, fajIndex_, v.Mezo);
  }
}

void TAllatPanel::ListaKilepes(TMezoVezerlo& v) {
  if (listaUzenet_ || !Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  const QString szoveg = v.Lista->text();
  if (const QString hibas = QString::fromStdString(TulnagySzam(szoveg.toStdString())); !hibas.isEmpty()) {
    {
      TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
      v.Lista->setText(Qs(ListaMezoSzoveg(*f, TFajFajta::Allat, v.Mezo)));
    }
    listaUzenet_ = true;
    kornyezet_.Modalis().Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, window()->windowTitle(),
                                kornyezet_.Uzenet(TUzenet(kNemEgeszUzenet, {hibas.toStdString()})));
    listaUzenet_ = false;
    return;
  }
  ListaMezoBeallitas(*f, TFajFajta::Allat, v.Mezo, szoveg.toStdString());
  kozpont_.MezoValtozas(TFajFajta::Allat, fajIndex_, v.Mezo);
}

void TAllatPanel::JelzoValtozas(TMezoVezerlo& v, bool ertek) {
  if (!Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  MezoBeallitas(*f, TFajFajta::Allat, v.Mezo, ertek ? 1 : 0);
  kozpont_.MezoValtozas(TFajFajta::Allat, fajIndex_, v.Mezo);
}

void TAllatPanel::NevValtozas(const QString& szoveg) {
  if (!Engedelyezett()) return;
  TElolenyFaj* f = Faj();
  if (f == nullptr) return;
  f->SetNev(szoveg.toStdString());
  kozpont_.Atnevezes(TFajFajta::Allat, fajIndex_);
}

}  // namespace zelvaris
