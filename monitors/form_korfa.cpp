#include "monitors/form_korfa.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/okoszisztema.h"
#include "localisation/nyelvi_tabla.h"
#include "monitors/kep_mentes.h"
#include "monitors/korfa_vaszon.h"
#include "widgets/qszin.h"
#include "widgets/qszoveg.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {

constexpr int64_t BeallitasMax = 2'000'000'000;

// Lets only the arrow and paging keys through: the field changes by its arrows.
class TCsakNyilak : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* cel, QEvent* esemeny) override {
    if (esemeny->type() != QEvent::KeyPress) return QObject::eventFilter(cel, esemeny);
    switch (static_cast<QKeyEvent*>(esemeny)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        return false;
      default:
        return true;
    }
  }
};

TSpinMezo* Mezo(const char* nev, int64_t ertek, QWidget* szulo) {
  auto* m = new TSpinMezo(szulo);
  m->setObjectName(QString::fromLatin1(nev));
  m->SetTartomany(1, BeallitasMax);
  m->SetErtek(ertek);
  m->SetVisszatoltes(true);
  return m;
}

QLabel* Cimke(const char* nev, const char* szoveg, QWidget* szulo) {
  auto* l = new QLabel(QString::fromUtf8(szoveg), szulo);
  l->setObjectName(QString::fromLatin1(nev));
  return l;
}

}  // namespace

TForm_Korfa::TForm_Korfa(TOkoszisztema& okoszisztema, QWidget* szulo)
    : QWidget(szulo, Qt::Window), okoszisztema_(okoszisztema) {
  setObjectName(QStringLiteral("Form_Korfa"));
  setWindowTitle(QStringLiteral("Korfa"));
  setMinimumSize(380, 205);

  lblCaption_ = Cimke("Lbl_Caption", "Korfa", this);
  QFont vastag = lblCaption_->font();
  vastag.setBold(true);
  lblCaption_->setFont(vastag);
  lblCaption_->setAlignment(Qt::AlignCenter);

  vaszon_ = new TKorfaVaszon(this);
  vaszon_->setObjectName(QStringLiteral("ScrBox_Korfa"));

  auto* beallitasok = new QWidget(this);
  cmbAllatFaj_ = new QComboBox(beallitasok);
  cmbAllatFaj_->setObjectName(QStringLiteral("CmB_AllatFaj"));
  speKorbeosztas_ = Mezo("SpE_Korbeosztas", 1, beallitasok);
  speSavSzelesseg_ = Mezo("SpE_SavSzelesseg", 10, beallitasok);
  speSavhossz_ = Mezo("SpE_Savhossz", 1, beallitasok);
  // Korbeosztás changes only with its arrows.
  auto* szuro = new TCsakNyilak(speKorbeosztas_);
  speKorbeosztas_->installEventFilter(szuro);
  if (auto* sor = speKorbeosztas_->findChild<QLineEdit*>()) {
    sor->setReadOnly(true);
    sor->installEventFilter(szuro);
  }
  lblKorbeosztas_ = Cimke("Lbl_Korbeosztas", "Korbeosztás", beallitasok);
  lblSavSzelesseg_ = Cimke("Lbl_SavSzelesseg", "Sávszélesség", beallitasok);
  lblSavHossz_ = Cimke("Lbl_SavHossz", "Sávhossz", beallitasok);
  lblKorbeosztasMertek_ = Cimke("Lbl_KorbeosztasMertek", "időegység/sáv", beallitasok);
  lblSavSzelessegMertek_ = Cimke("Lbl_SavSzelessegMertek", "px", beallitasok);
  lblSavHosszMertek_ = Cimke("Lbl_SavHosszMertek", "egyed/px", beallitasok);

  auto* racs = new QGridLayout(beallitasok);
  racs->setContentsMargins(0, 0, 0, 0);
  racs->addWidget(cmbAllatFaj_, 0, 0, 1, 2);
  int sor = 1;
  for (auto [cimke, mezo, mertek] : {std::tuple{lblKorbeosztas_, speKorbeosztas_, lblKorbeosztasMertek_},
                                     std::tuple{lblSavSzelesseg_, speSavSzelesseg_, lblSavSzelessegMertek_},
                                     std::tuple{lblSavHossz_, speSavhossz_, lblSavHosszMertek_}}) {
    racs->addWidget(cimke, sor++, 0, 1, 2);
    racs->addWidget(mezo, sor, 0);
    racs->addWidget(mertek, sor++, 1);
  }
  racs->setRowStretch(sor, 1);
  racs->setColumnStretch(0, 1);
  beallitasok->setFixedWidth(170);

  auto* also = new QHBoxLayout;
  also->addWidget(vaszon_, 1);
  also->addWidget(beallitasok);
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(4, 4, 4, 4);
  reteg->addWidget(lblCaption_);
  reteg->addLayout(also, 1);

  connect(cmbAllatFaj_, &QComboBox::activated, this, [this](int i) { SetAllatFaj(i); });
  connect(speKorbeosztas_, &TSpinMezo::Valtozas, this, &TForm_Korfa::SetKorbeosztas);
  connect(speSavSzelesseg_, &TSpinMezo::Valtozas, this, &TForm_Korfa::SetSavSzelesseg);
  connect(speSavhossz_, &TSpinMezo::Valtozas, this, &TForm_Korfa::SetSavHossz);

  resize(558, 306);
  kepMentes_ = HelyiMenuAkcio(*this, "Act_KepPngMentes");
  vaszon_->SetEngedelyezett(true);
  Rajzolas();
}

void TForm_Korfa::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("ckForm_Korfa")));
  lblCaption_->setText(Qs(tabla.Szoveg("ckLbl_Caption")));
  lblSavSzelesseg_->setText(Qs(tabla.Szoveg("ckLbl_SavSzelesseg")));
  lblSavHossz_->setText(Qs(tabla.Szoveg("ckLbl_SavHossz")));
  lblSavSzelessegMertek_->setText(Qs(tabla.Szoveg("ckLbl_SavSzelessegMertek")));
  lblSavHosszMertek_->setText(Qs(tabla.Szoveg("ckLbl_SavHosszMertek")));
  lblKorbeosztas_->setText(Qs(tabla.Szoveg("ckLbl_Korbeosztas")));
  lblKorbeosztasMertek_->setText(Qs(tabla.Szoveg("ckLbl_KorbeosztasMertek")));
  kepMentes_->setText(Qs(tabla.Szoveg("cxAct_KepPngMentes")));
}

void TForm_Korfa::AllatFajHozzaadasa(const QString& nev) {
  const int valasztott = cmbAllatFaj_->currentIndex();
  cmbAllatFaj_->addItem(nev);
  // Qt selects the first item added to an empty list; the user has not.
  if (valasztott < 0) cmbAllatFaj_->setCurrentIndex(-1);
}

void TForm_Korfa::SetAllatFaj(int32_t index) {
  if (index == allatFaj_) return;
  allatFaj_ = index;
  if (index < 0) return;
  if (!okoszisztema_.VanAllatFaj(index) || index >= okoszisztema_.Korfa.Sorokszama()) {
    // Not a species of this world: show none rather than read past the source.
    allatFaj_ = -1;
    sorok_ = {};
    return;
  }
  sorok_ = KorfaSorok(okoszisztema_.Korfa, index);
  savSzin_ = QSzin(okoszisztema_.AllatFaj(index).Szin());
  legnagyobb_ = 0;
  Ujraszamolas();
  Rajzolas();
}

bool TForm_Korfa::UjErtek(int64_t v, int32_t& mezo) {
  if (v <= 0 || v > BeallitasMax || v == mezo) return false;
  mezo = static_cast<int32_t>(v);
  return true;
}

// A value set from code shows in its field too; the field emits nothing then.
void TForm_Korfa::SetSavSzelesseg(int64_t v) {
  if (!UjErtek(v, beallitas_.SavSzelesseg)) return;
  if (speSavSzelesseg_->Ertek() != v) speSavSzelesseg_->SetErtek(v);
  Beallitasvaltozas();
}

void TForm_Korfa::SetSavHossz(int64_t v) {
  if (!UjErtek(v, beallitas_.SavHossz)) return;
  if (speSavhossz_->Ertek() != v) speSavhossz_->SetErtek(v);
  Beallitasvaltozas();
}

void TForm_Korfa::SetKorbeosztas(int64_t v) {
  if (!UjErtek(v, beallitas_.Korbeosztas)) return;
  if (speKorbeosztas_->Ertek() != v) speKorbeosztas_->SetErtek(v);
  Beallitasvaltozas();
}

void TForm_Korfa::Beallitasvaltozas() {
  legnagyobb_ = 0;
  Ujraszamolas();
  Rajzolas();
}

void TForm_Korfa::Frissit() {
  Ujraszamolas();
  Rajzolas();
}

void TForm_Korfa::Ujraszamolas() {
  if (allatFaj_ < 0) return;
  // The source's row length is read anew: rows grow between steps.
  sorok_.Hossz = okoszisztema_.Korfa.Hossz(allatFaj_);
  hasznalt_ = korfa::HasznaltOsztalyok(sorok_);
  savSzam_ = korfa::SavSzam(hasznalt_, korfa::OsztalyokSavonkent(beallitas_.Korbeosztas, TKorfaForras::Szelesseg));
  if (savSzam_ > legnagyobb_) {
    legnagyobb_ = savSzam_;
    vaszon_->SetKepMagassag(korfa::KepMagassag(savSzam_, beallitas_.SavSzelesseg));
  }
}

void TForm_Korfa::Rajzolas() {
  vaszon_->SetTartalom(allatFaj_ >= 0 ? &sorok_ : nullptr, savSzin_, savSzam_,
                       korfa::OsztalyokSavonkent(beallitas_.Korbeosztas, TKorfaForras::Szelesseg), beallitas_);
  vaszon_->Rajzolas();
}

}  // namespace zelvaris
