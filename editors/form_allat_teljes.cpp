#include "editors/form_allat_teljes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "app/alkalmazas_kornyezet.h"
#include "app/faj_kozpont.h"
#include "editors/allat_panel.h"

namespace zelvaris {

TForm_Allat_Teljes::TForm_Allat_Teljes(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : QWidget(szulo), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_Allat_Teljes"));
  setWindowTitle(QStringLiteral("Összes állat"));
  setWindowFlags(Qt::Tool);
  auto* reteg = new QHBoxLayout(this);
  reteg->setContentsMargins(0, 0, 0, 0);
  reteg->setSpacing(0);

  auto* nevek = new QWidget(this);
  nevek->setObjectName(QStringLiteral("Pnl_Nevek"));
  nevek->setFixedWidth(kNevekSzelesseg);
  for (int sor = 1; sor <= TAllatPanel::kSorokSzama; ++sor) {
    auto* cimke = new QLabel(QString::fromUtf8(TAllatPanel::SorFelirat(sor)), nevek);
    cimke->setGeometry(4, TAllatPanel::SorTeteje(sor), kNevekSzelesseg - 8, TAllatPanel::kSorMagassag);
  }
  reteg->addWidget(nevek);

  // Beyond the screen's width the panels scroll instead of widening the window.
  gorgeto_ = new QScrollArea(this);
  gorgeto_->setFrameShape(QFrame::NoFrame);
  gorgeto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gorgeto_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tarto_ = new QWidget(gorgeto_);
  tarto_->setFixedSize(0, TAllatPanel::kMagassag);
  gorgeto_->setWidget(tarto_);
  reteg->addWidget(gorgeto_, 1);

  const int sav = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  setFixedHeight(TAllatPanel::kMagassag + sav);
  setMinimumWidth(kNevekSzelesseg);
  setMaximumWidth(kNevekSzelesseg);
  resize(kNevekSzelesseg, height());

  TFajKozpont& kozpont = kornyezet_.Kozpont();
  kozpont.BejegyzesFeliratkozas(TBejegyzesiSor::Panelek, this, [this](TFajFajta f, int32_t id) {
    // Species register in Id order; a repeated registration adds nothing.
    if (f == TFajFajta::Allat && id == PanelekSzama()) PanelHozzaadas();
  });
  connect(&kozpont, &TFajKozpont::MezoValtozott, this, [this](TFajFajta f, int32_t id, TFajMezo mezo) {
    if (TAllatPanel* p = f == TFajFajta::Allat ? PanelId(id) : nullptr) p->MezoFrissites(mezo);
  });
  connect(&kozpont, &TFajKozpont::JelzoValtozott, this, [this](TFajFajta f, TFajMezo mezo) {
    if (f != TFajFajta::Allat) return;
    for (TAllatPanel* p : panelek_) p->MezoFrissites(mezo);
  });
  connect(&kozpont, &TFajKozpont::Atnevezve, this, [this](TFajFajta f, int32_t id) {
    if (TAllatPanel* p = f == TFajFajta::Allat ? PanelId(id) : nullptr) p->NevIras();
  });
  connect(&kozpont, &TFajKozpont::Atszinezve, this, [this](TFajFajta f, int32_t id) {
    if (TAllatPanel* p = f == TFajFajta::Allat ? PanelId(id) : nullptr) p->SzinIras();
  });
  connect(&kozpont, &TFajKozpont::Urites, this, &TForm_Allat_Teljes::Torles);
}

TAllatPanel* TForm_Allat_Teljes::PanelId(int32_t id) const {
  return id >= 0 && id < PanelekSzama() ? panelek_[static_cast<size_t>(id)] : nullptr;
}

int TForm_Allat_Teljes::ElerhetoSzelesseg() const {
  const QScreen* kepernyo = screen();
  if (kepernyo == nullptr) return QWIDGETSIZE_MAX;
  const int keret = frameGeometry().width() - geometry().width();
  return std::max(kNevekSzelesseg, kepernyo->availableGeometry().width() - keret);
}

void TForm_Allat_Teljes::PanelHozzaadas() {
  const int n = PanelekSzama();
  auto* panel = new TAllatPanel(kornyezet_, n, tarto_);
  panel->move(n * TAllatPanel::kSzelesseg, 0);
  panel->show();
  panelek_.push_back(panel);
  tarto_->setFixedWidth((n + 1) * TAllatPanel::kSzelesseg);
  const int legfeljebb = ElerhetoSzelesseg();
  setMaximumWidth(std::min(kNevekSzelesseg + (n + 1) * TAllatPanel::kSzelesseg, legfeljebb));
  resize(std::min(width() + TAllatPanel::kSzelesseg, maximumWidth()), height());
}

void TForm_Allat_Teljes::Torles() {
  for (TAllatPanel* p : panelek_) delete p;
  panelek_.clear();
  tarto_->setFixedWidth(0);
  setMaximumWidth(kNevekSzelesseg);
  resize(kNevekSzelesseg, height());
}

}  // namespace zelvaris
