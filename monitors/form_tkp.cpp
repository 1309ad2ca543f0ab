#include "monitors/form_tkp.h"

#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "monitors/alkalmaz_tipp.h"
#include "monitors/form_goc.h"
#include "monitors/terkep_vaszon.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

TForm_Tkp::TForm_Tkp(TAlkalmazasKornyezet& kornyezet, TForm_Goc& goc, QWidget* szulo)
    : QWidget(szulo), kornyezet_(kornyezet), kornyezetFigyelo_(&kornyezet), goc_(goc) {
  setWindowFlag(Qt::Window);
  setObjectName(QStringLiteral("Form_Tkp"));
  auto* elrendezes = new QVBoxLayout(this);
  elrendezes->setContentsMargins(0, 0, 0, 0);
  gorgeto_ = new QScrollArea(this);
  gorgeto_->setFrameShape(QFrame::NoFrame);
  gorgeto_->setWidgetResizable(false);
  gorgeto_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  vaszon_ = new TTerkepVaszon(rajzolo_.TerkepKep());
  vaszon_->setObjectName(QStringLiteral("TerkepKep"));
  gorgeto_->setWidget(vaszon_);
  elrendezes->addWidget(gorgeto_);
  tipp_ = AlkalmazTipp(this);
  elrendezes->addWidget(tipp_);
  resize(kKezdoSzelesseg, kKezdoMagassag);

  connect(&rajzolo_, &TTerkepRajzolo::KepekUjraepultek, this, [this](bool uj) {
    // A new frame is visible again, as every new grid starts with it shown.
    if (uj) keretLathato_ = true;
    vaszon_->MeretIgazitas();
    KeretFrissitese();
    TippFrissitese();
  });
  connect(&rajzolo_, &TTerkepRajzolo::TerkepValtozott, vaszon_,
          [this](const QRegion& terulet) { vaszon_->Valtozott(terulet); });
  connect(vaszon_, &TTerkepVaszon::BalGomb, this, &TForm_Tkp::BalGombNyomas);
  connect(vaszon_, &TTerkepVaszon::JobbGomb, this, &TForm_Tkp::JobbGombNyomas);
  connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, &TForm_Tkp::Telepites);
  connect(&kornyezet_, &TAlkalmazasKornyezet::RacsFelepult, this, &TForm_Tkp::TerkepMeretezes);
  connect(&kornyezet_, &TAlkalmazasKornyezet::VilagAtmeretezve, this, &TForm_Tkp::TerkepMeretezes);
  // A drawing pass outside any action (a seed point placed) moves the world too.
  connect(&rajzolo_, &TTerkepRajzolo::TerkepValtozott, &kornyezet_, &TAlkalmazasKornyezet::AllapotKozzetetele);

  kornyezet_.SzovegekKovetese(TNyelviSor::Terkep, *this);
  Telepites(&kornyezet_.Okoszisztema());
  TippFrissitese();
}

TForm_Tkp::~TForm_Tkp() {
  // The ecosystem may outlive this window; it must not draw into a freed sink.
  if (kornyezetFigyelo_) kornyezet_.Okoszisztema().RajzoloBeallitasa(nullptr);
}

void TForm_Tkp::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("cmForm_Tkp")));
  tipp_->setText(Qs(tabla.Szoveg("cxLbl_AlkalmazTipp")));
  // A small world must still leave room for the title and the title bar's
  // buttons; the map then stands at the left.
  const int cimsor = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 5 * cimsor);
}

void TForm_Tkp::Telepites(TOkoszisztema* oko) {
  if (oko == nullptr) return;
  oko->RajzoloBeallitasa(&rajzolo_);
  // The map image needs four bytes per cell beside the grid.
  oko->KepBajtCellankentBeallitasa(4.0);
  if (oko->VanRacs()) {
    // Built before the sink was installed (a loaded file): draw it now.
    rajzolo_.KepekUjraepitese(oko->L(), true);
    oko->Ujrarajzol();
  } else {
    rajzolo_.Urites();
  }
}

void TForm_Tkp::TippFrissitese() {
  const bool vanKep = !rajzolo_.TerkepKep().isNull();
  gorgeto_->setVisible(vanKep);
  tipp_->setVisible(!vanKep);
}

void TForm_Tkp::KeretFrissitese() {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!keretLathato_ || !oko.VanRacs() || rajzolo_.TerkepKep().isNull()) {
    vaszon_->SetKeret({});
    return;
  }
  vaszon_->SetKeret(QRect(static_cast<int>(oko.KeretBal()), static_cast<int>(oko.KeretFelso()),
                          TOkoszisztema::KeretMeret, TOkoszisztema::KeretMeret));
}

void TForm_Tkp::SetKeretLathato(bool lathato) {
  if (lathato == keretLathato_) return;
  keretLathato_ = lathato;
  KeretFrissitese();
}

void TForm_Tkp::TerkepMeretezes() {
  const QImage& kep = rajzolo_.TerkepKep();
  QSize meret = kep.isNull() ? QSize(kKezdoSzelesseg, kKezdoMagassag) : kep.size();
  QSize legfeljebb = meret;
  if (const QScreen* kepernyo = screen()) {
    // Room for the window's own frame. It is known only once the window was
    // shown; before that a title bar and thin borders are assumed, or the
    // window manager would push the scroll bars off the screen.
    QSize keret = frameGeometry().size() - geometry().size();
    if (keret.isNull()) {
      const int szel = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
      keret = QSize(2 * szel, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * szel);
    }
    legfeljebb = kepernyo->availableGeometry().size() - keret;
  }
  const int sav = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const bool vizszintes = meret.width() > legfeljebb.width();
  const bool fuggoleges = meret.height() > legfeljebb.height();
  if (vizszintes) meret.rheight() += sav;
  if (fuggoleges) meret.rwidth() += sav;
  resize(std::min(meret.width(), legfeljebb.width()), std::min(meret.height(), legfeljebb.height()));
}

void TForm_Tkp::BalGombNyomas(QPoint pont) {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!oko.VanRacs() || rajzolo_.TerkepKep().isNull()) return;
  keretLathato_ = true;
  if (NagyitoKeretMutatasa) NagyitoKeretMutatasa();
  oko.KeretMozgat(pont.x(), pont.y());
  KeretFrissitese();
}

void TForm_Tkp::JobbGombNyomas(QPoint pont, Qt::KeyboardModifiers modositok) {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!oko.VanRacs() || rajzolo_.TerkepKep().isNull()) return;
  const Qt::KeyboardModifiers billentyuk =
      modositok & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  int valasz = QDialog::Rejected;
  if (billentyuk == Qt::NoModifier) {
    valasz = kornyezet_.Modalis().Dialogus(goc_);
  } else if (billentyuk == Qt::ControlModifier) {
    valasz = QDialog::Accepted;  // the last placement again, without asking
  }
  // The dialog's values go into the chosen species even when nothing is placed.
  gocKeres_.Faj = -1;
  // A field left with Enter may still hold more than a species stores.
  auto tarolhato = [](int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  };
  const int32_t egyedszam = tarolhato(goc_.Egyedszam());
  const int32_t ritkitas = tarolhato(goc_.Ritkitas());
  const int noveny = goc_.KivalasztottNoveny();
  if (goc_.NovenyOldalAktiv() && oko.NovenyFajokSzama() > 0 && oko.VanNovenyFaj(noveny)) {
    gocKeres_.Fajta = 1;
    gocKeres_.Faj = noveny;
    oko.NovenyFaj(noveny).GocEgyedszam = egyedszam;
    oko.NovenyFaj(noveny).GocRitkitas = ritkitas;
  }
  const int allat = goc_.KivalasztottAllat();
  if (goc_.AllatOldalAktiv() && oko.AllatFajokSzama() > 0 && oko.VanAllatFaj(allat)) {
    gocKeres_.Fajta = 0;
    gocKeres_.Faj = allat;
    oko.AllatFaj(allat).GocEgyedszam = egyedszam;
    oko.AllatFaj(allat).GocRitkitas = ritkitas;
  }
  if (valasz == QDialog::Accepted && gocKeres_.Faj >= 0) {
    gocKeres_.X = pont.x();
    gocKeres_.Y = pont.y();
    oko.GocBevitel(gocKeres_);
  }
}

}  // namespace zelvaris
