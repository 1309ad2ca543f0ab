#include "grafikon_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "pnx_hatvany.h"
#include "spin_mezo.h"

namespace zelvaris {

void FrissuloCimke(QLabel* cimke, int szelesseg, int magassag) {
  cimke->setAutoFillBackground(true);
  cimke->setFixedSize(szelesseg, magassag);
}

namespace {
QLabel* AlahuzottCimke(const QString& szoveg, QWidget* szulo) {
  auto* cimke = new QLabel(szoveg, szulo);
  QFont betu = cimke->font();
  betu.setUnderline(true);
  cimke->setFont(betu);
  return cimke;
}

TSpinMezo* Mezo(int64_t minimum, int64_t maximum, int64_t lepes, QWidget* szulo) {
  auto* mezo = new TSpinMezo(szulo);
  mezo->SetTartomany(minimum, maximum);
  mezo->SetLepes(lepes);
  mezo->SetVisszatoltes(true);
  return mezo;
}

// The text plus the style's margin and frame, as a push button draws it
// (the style's own hint would add a minimum width meant for dialogs).
int GombSzelesseg(const QPushButton* gomb, const QString& szoveg) {
  const QStyle* stilus = gomb->style();
  return gomb->fontMetrics().horizontalAdvance(szoveg) + stilus->pixelMetric(QStyle::PM_ButtonMargin, nullptr, gomb) +
         2 * stilus->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, gomb);
}
}  // namespace

TGrafikonPanel::TGrafikonPanel(QWidget* szulo) : QFrame(szulo) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  belso_ = new QWidget(this);

  Btn_AktualisKeres = new QPushButton(QStringLiteral("Kereső"), belso_);
  Lbl_Ido = AlahuzottCimke(QStringLiteral("Idő:"), belso_);
  IdoErtek = new QLabel(QStringLiteral("0"), belso_);
  IdoErtek->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ChB_Ertek = new QCheckBox(QStringLiteral("Értékvonalak"), belso_);
  ChB_IdoVonalak = new QCheckBox(QStringLiteral("Idővonalak"), belso_);
  Lbl_Oszt = AlahuzottCimke(QStringLiteral("Osztás:"), belso_);
  ChB_Illesztes = new QCheckBox(QStringLiteral("Illesztés"), belso_);
  Hatvany = new TPnx_Hatvany(belso_);
  OsztasCimke = new QLabel(belso_);
  Lbl_Dec = AlahuzottCimke(QStringLiteral("Tizedesjegyek:"), belso_);
  SpE_Tizedesjegyek = Mezo(0, 15, 1, belso_);
  Lbl_Csusz = AlahuzottCimke(QStringLiteral("Csúsztatás:"), belso_);
  SpE_Csusztatas = Mezo(1, 200, 20, belso_);
  SpE_Csusztatas->SetErtek(1);

  CmB_Nezet = new QComboBox(belso_);
  CmB_Nezet->hide();
  SorozatDoboz = new QScrollArea(belso_);
  SorozatDoboz->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DobozTartalom = new QWidget;
  SorozatDoboz->setWidget(DobozTartalom);
  SorozatDoboz->setWidgetResizable(false);
  Elrendezes(QStringLiteral("Kereső"), QStringLiteral("Aktuális"));
}

void TGrafikonPanel::Elrendezes(const QString& gombSzoveg1, const QString& gombSzoveg2) {
  gombSzoveg1_ = gombSzoveg1;
  gombSzoveg2_ = gombSzoveg2;
  const int w = Szelesseg - 2;
  const int jobbSzel = w - 8;
  // A text control at (x, y) as wide as its text, but never past the panel's edge.
  const auto szoveges = [w](QWidget* c, int x, int y, int h) {
    c->setGeometry(x, y, std::max(0, std::min(c->sizeHint().width(), w - x)), h);
  };

  const int gomb = std::max({50, GombSzelesseg(Btn_AktualisKeres, gombSzoveg1),
                             GombSzelesseg(Btn_AktualisKeres, gombSzoveg2)});
  Btn_AktualisKeres->setGeometry(jobbSzel - gomb, 8, gomb, 20);
  szoveges(Lbl_Ido, 8, 8, 16);
  // The time runs from the caption's end to the button.
  const int idoBal = Lbl_Ido->geometry().right() + 3;
  IdoErtek->move(idoBal, 8);
  FrissuloCimke(IdoErtek, std::max(0, Btn_AktualisKeres->x() - 4 - idoBal), 16);
  // The rows below start under the button, not beside it: a check box text
  // in today's wider type reaches under the button.
  const int y = Btn_AktualisKeres->geometry().bottom() + 1;
  szoveges(ChB_Ertek, 8, y, 16);
  szoveges(ChB_IdoVonalak, 8, y + 16, 16);
  szoveges(Lbl_Oszt, 8, y + 32, 16);
  const int illesztesBal =
      std::max(Lbl_Oszt->geometry().right() + 7, jobbSzel - ChB_Illesztes->sizeHint().width());
  szoveges(ChB_Illesztes, illesztesBal, y + 32, 16);
  Hatvany->setGeometry(16, y + 48, 80, 20);
  OsztasCimke->setGeometry(16, y + 72, w - 24, 16);
  szoveges(Lbl_Dec, 8, y + 88, 16);
  SpE_Tizedesjegyek->setGeometry(16, y + 104, std::max(50, SpE_Tizedesjegyek->SzelessegSzoveghez(QStringLiteral("15"))),
                                 20);
  szoveges(Lbl_Csusz, 8, y + 128, 16);
  SpE_Csusztatas->setGeometry(16, y + 144, std::max(50, SpE_Csusztatas->SzelessegSzoveghez(QStringLiteral("200"))),
                              20);
  dobozTeteje_ = y + 176;
  if (!CmB_Nezet->isHidden()) {
    CmB_Nezet->setGeometry(8, dobozTeteje_, w - 16, 20);
    dobozTeteje_ += 24;
  }
  DobozElhelyezes();
}

void TGrafikonPanel::DobozElhelyezes() {
  // Eight pixels of margin all round the series box.
  SorozatDoboz->setGeometry(8, dobozTeteje_, width() - 16, std::max(40, height() - dobozTeteje_ - 8));
  // The viewport's own geometry lags while hidden; the frame is known now.
  const int keret = 2 * SorozatDoboz->frameWidth();
  DobozTartalom->resize(SorozatDoboz->width() - keret,
                        std::max(DobozTartalom->height(), SorozatDoboz->height() - keret));
  emit DobozAtmeretezve(DobozTartalom->width());
}

void TGrafikonPanel::changeEvent(QEvent* esemeny) {
  QFrame::changeEvent(esemeny);
  if (SorozatDoboz == nullptr) return;  // still being built
  if (esemeny->type() == QEvent::FontChange || esemeny->type() == QEvent::StyleChange)
    Elrendezes(gombSzoveg1_, gombSzoveg2_);
}

void TGrafikonPanel::SetNezetek(const QStringList& nevek) {
  const QSignalBlocker csend(CmB_Nezet);
  const int valasztott = std::max(0, CmB_Nezet->currentIndex());
  CmB_Nezet->clear();
  CmB_Nezet->addItems(nevek);
  CmB_Nezet->setCurrentIndex(std::min(valasztott, static_cast<int>(nevek.size()) - 1));
  CmB_Nezet->show();
  Elrendezes(gombSzoveg1_, gombSzoveg2_);
}

int TGrafikonPanel::DobozSzelesseg() const { return DobozTartalom->width(); }

void TGrafikonPanel::DobozMagassag(int db) {
  DobozTartalom->resize(DobozTartalom->width(), std::max(DobozTartalom->height(), 36 * db + 8));
}

void TGrafikonPanel::DobozUrites() {
  DobozTartalom->resize(DobozTartalom->width(), 0);
  DobozElhelyezes();
}

void TGrafikonPanel::resizeEvent(QResizeEvent* esemeny) {
  QFrame::resizeEvent(esemeny);
  belso_->setGeometry(1, 1, width() - 2, height() - 2);
  DobozElhelyezes();
}

}  // namespace zelvaris
