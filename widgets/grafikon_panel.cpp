#include "grafikon_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

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
}  // namespace

TGrafikonPanel::TGrafikonPanel(QWidget* szulo) : QFrame(szulo) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  belso_ = new QWidget(this);
  const int w = Szelesseg - 2;

  Btn_AktualisKeres = new QPushButton(QStringLiteral("Kereső"), belso_);
  Btn_AktualisKeres->setGeometry(w - 58, 8, 50, 20);
  Lbl_Ido = AlahuzottCimke(QStringLiteral("Idő:"), belso_);
  Lbl_Ido->setGeometry(8, 8, 30, 16);
  IdoErtek = new QLabel(QStringLiteral("0"), belso_);
  IdoErtek->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  IdoErtek->move(24, 8);
  FrissuloCimke(IdoErtek, 60, 16);
  ChB_Ertek = new QCheckBox(QStringLiteral("Értékvonalak"), belso_);
  ChB_Ertek->setGeometry(8, 24, 120, 16);
  ChB_IdoVonalak = new QCheckBox(QStringLiteral("Idővonalak"), belso_);
  ChB_IdoVonalak->setGeometry(8, 40, 120, 16);
  Lbl_Oszt = AlahuzottCimke(QStringLiteral("Osztás:"), belso_);
  Lbl_Oszt->setGeometry(8, 56, 140, 16);
  Hatvany = new TPnx_Hatvany(belso_);
  Hatvany->setGeometry(16, 72, 80, 20);
  OsztasCimke = new QLabel(belso_);
  OsztasCimke->setGeometry(16, 96, w - 24, 16);
  Lbl_Dec = AlahuzottCimke(QStringLiteral("Tizedesjegyek:"), belso_);
  Lbl_Dec->setGeometry(8, 112, 140, 16);
  SpE_Tizedesjegyek = new TSpinMezo(belso_);
  SpE_Tizedesjegyek->SetTartomany(0, 15);
  SpE_Tizedesjegyek->SetLepes(1);
  SpE_Tizedesjegyek->SetVisszatoltes(true);
  SpE_Tizedesjegyek->setGeometry(16, 128, 50, 20);
  Lbl_Csusz = AlahuzottCimke(QStringLiteral("Csúsztatás:"), belso_);
  Lbl_Csusz->setGeometry(8, 152, 140, 16);
  SpE_Csusztatas = new TSpinMezo(belso_);
  SpE_Csusztatas->SetTartomany(1, 200);
  SpE_Csusztatas->SetLepes(20);
  SpE_Csusztatas->SetVisszatoltes(true);
  SpE_Csusztatas->SetErtek(1);
  SpE_Csusztatas->setGeometry(16, 168, 50, 20);

  SorozatDoboz = new QScrollArea(belso_);
  SorozatDoboz->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DobozTartalom = new QWidget;
  SorozatDoboz->setWidget(DobozTartalom);
  SorozatDoboz->setWidgetResizable(false);
}

int TGrafikonPanel::DobozSzelesseg() const { return DobozTartalom->width(); }

void TGrafikonPanel::DobozMagassag(int db) {
  DobozTartalom->resize(DobozTartalom->width(), std::max(DobozTartalom->height(), 36 * db + 8));
}

void TGrafikonPanel::resizeEvent(QResizeEvent* esemeny) {
  QFrame::resizeEvent(esemeny);
  belso_->setGeometry(1, 1, width() - 2, height() - 2);
  // Eight pixels of margin all round the series box.
  SorozatDoboz->setGeometry(8, 200, width() - 16, std::max(40, height() - 208));
  // The viewport's own geometry lags while hidden; the frame is known now.
  const int keret = 2 * SorozatDoboz->frameWidth();
  DobozTartalom->resize(SorozatDoboz->width() - keret,
                        std::max(DobozTartalom->height(), SorozatDoboz->height() - keret));
  emit DobozAtmeretezve(DobozTartalom->width());
}

}  // namespace zelvaris
