#include "pnx_grafikon.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <limits>


#include "grafikon_geometria.h"
#include "grafikon_panel.h"
#include "grafikon_rajzlap.h"
#include "pnx_hatvany.h"
#include "spin_mezo.h"
#include "szam_szoveg.h"

namespace zelvaris {

namespace {
constexpr int GorgetoMagassag = 17;
// The top of the plot: the value axis' arrow tip, in plot-image rows.
constexpr int PlotTeteje = 5;

// The bounds of the pixels in `resz` of `kep` that differ from `elotte`
// (a copy of that area).
QRect ElteroResz(const QImage& elotte, const QImage& kep, const QRect& resz) {
  int x0 = resz.right() + 1, x1 = resz.left() - 1, y0 = -1, y1 = -1;
  for (int y = 0; y < resz.height(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(elotte.constScanLine(y));
    const QRgb* b = reinterpret_cast<const QRgb*>(kep.constScanLine(resz.top() + y)) + resz.left();
    bool sorban = false;
    for (int x = 0; x < resz.width(); ++x) {
      if (a[x] == b[x]) continue;
      sorban = true;
      x0 = std::min(x0, resz.left() + x);
      x1 = std::max(x1, resz.left() + x);
    }
    if (!sorban) continue;
    if (y0 < 0) y0 = resz.top() + y;
    y1 = resz.top() + y;
  }
  if (y0 < 0) return {};
  return QRect(QPoint(x0, y0), QPoint(x1, y1));
}
}  // namespace

TPnx_Grafikon::TPnx_Grafikon(QWidget* szulo) : QWidget(szulo) {
  setMinimumSize(250, 270);
  // The panel's fixed layout is measured for small type.
  QFont betu = font();
  betu.setPointSize(8);
  setFont(betu);

  cimKeret_ = new QFrame(this);
  cimKeret_->setFrameShape(QFrame::Box);
  lblCaption_ = new QLabel(caption_, cimKeret_);
  QFont felkover = lblCaption_->font();
  felkover.setBold(true);
  lblCaption_->setFont(felkover);
  lblCaption_->setAlignment(Qt::AlignCenter);

  rajzKeret_ = new QFrame(this);
  rajzKeret_->setFrameShape(QFrame::Box);
  rajzlap_ = new TGrafikonRajzlap(*this, rajzKeret_);
  lblYFelirat_ = new QLabel(rajzlap_);
  lblYFelirat_->setAttribute(Qt::WA_TranslucentBackground);
  panel_ = new TGrafikonPanel(rajzKeret_);

  kezeloKeret_ = new QFrame(this);
  kezeloKeret_->setFrameShape(QFrame::Box);
  chbKezelo_ = new QCheckBox(QStringLiteral("Kezelő"), kezeloKeret_);
  chbKezelo_->setChecked(true);

  gorgetoKeret_ = new QFrame(this);
  gorgetoKeret_->setFrameShape(QFrame::Box);
  gorgeto_ = new QScrollBar(Qt::Horizontal, gorgetoKeret_);
  gorgeto_->setRange(0, 0);
  gorgetoKeret_->hide();

  panel_->ChB_Ertek->setChecked(rajz_.ertekVonalak);
  panel_->ChB_IdoVonalak->setChecked(rajz_.idovonalak);
  panel_->SpE_Tizedesjegyek->SetErtek(rajz_.tizedesjegyek);
  panel_->SpE_Csusztatas->SetErtek(csusztatas_);
  OsztasCimkeFrissites();
  GombFrissites();

  connect(panel_, &TGrafikonPanel::DobozAtmeretezve, this, [this](int szelesseg) {
    for (auto& s : sorozatok_) s->Elrendez(szelesseg);
  });
  connect(chbKezelo_, &QCheckBox::toggled, this, &TPnx_Grafikon::KezeloKattintas);
  connect(gorgeto_, &QScrollBar::valueChanged, this, [this] {
    Igazit();
    Frissit();
  });
  connect(panel_->Btn_AktualisKeres, &QPushButton::clicked, this, [this] { SetAktualis(!aktualis_); });
  connect(panel_->ChB_Ertek, &QCheckBox::toggled, this, &TPnx_Grafikon::SetErtekVonalak);
  connect(panel_->ChB_IdoVonalak, &QCheckBox::toggled, this, &TPnx_Grafikon::SetIdovonalak);
  // A scale chosen by hand ends the fit.
  connect(panel_->Hatvany, &TPnx_Hatvany::Valtozas, this, [this] {
    SetIllesztes(false);
    SetOsztas(panel_->Hatvany->Ertek());
  });
  connect(panel_->ChB_Illesztes, &QCheckBox::toggled, this, &TPnx_Grafikon::SetIllesztes);
  connect(panel_->SpE_Tizedesjegyek, &TSpinMezo::Valtozas, this,
          [this](int64_t v) { SetTizedesjegyek(static_cast<int>(std::clamp<int64_t>(v, 0, 15))); });
  connect(panel_->SpE_Csusztatas, &TSpinMezo::Valtozas, this,
          [this](int64_t v) { SetCsusztatas(static_cast<int>(std::clamp<int64_t>(v, 1, 200))); });
  // Leaving a field shows the value the chart really uses.
  connect(panel_->SpE_Tizedesjegyek, &TSpinMezo::Kilepes, this,
          [this] { panel_->SpE_Tizedesjegyek->SetErtek(rajz_.tizedesjegyek); });
  connect(panel_->SpE_Csusztatas, &TSpinMezo::Kilepes, this,
          [this] { panel_->SpE_Csusztatas->SetErtek(csusztatas_); });

  // A hidden widget gets its resize event only when shown; the image is
  // needed before that.
  resize(500, 270);
  MeretAlkalmazas();
}

// The series go before the panel that holds their legend widgets.
TPnx_Grafikon::~TPnx_Grafikon() = default;

// ---- properties

void TPnx_Grafikon::SetCaption(const QString& v) {
  if (v == caption_) return;
  caption_ = v;
  lblCaption_->setText(v);
}

void TPnx_Grafikon::SetXTgFelirat(const QString& v) {
  if (v == rajz_.xFelirat) return;
  rajz_.xFelirat = v;
  Frissit();
}

void TPnx_Grafikon::SetYTgFelirat(const QString& v) {
  if (v == yFelirat_) return;
  yFelirat_ = v;
  lblYFelirat_->setText(v);
  lblYFelirat_->adjustSize();
}

void TPnx_Grafikon::SetclHatter(const QColor& v) {
  if (v == rajz_.hatter) return;
  rajz_.hatter = v;
  Frissit();
}

void TPnx_Grafikon::SetclTengely(const QColor& v) {
  if (v == rajz_.tengely) return;
  rajz_.tengely = v;
  QPalette paletta = lblYFelirat_->palette();
  paletta.setColor(QPalette::WindowText, v);
  lblYFelirat_->setPalette(paletta);
  Frissit();
}

void TPnx_Grafikon::SetBeosztva(bool v) {
  if (v == rajz_.beosztva) return;
  rajz_.beosztva = v;
  Frissit();
}

void TPnx_Grafikon::SetBeosztas(int v) {
  if (v == rajz_.beosztas) return;
  rajz_.beosztas = v;
  Frissit();
}

void TPnx_Grafikon::SetKezelo(bool v) {
  if (v == kezelo_) return;
  chbKezelo_->setChecked(v);  // runs KezeloKattintas
}

void TPnx_Grafikon::KezeloKattintas(bool bejelolt) {
  kezelo_ = bejelolt;
  panelSzelesseg_ = bejelolt ? TGrafikonPanel::Szelesseg : 0;
  panel_->setVisible(bejelolt);
  KepSzelessegBeallitas(width() - panelSzelesseg_);
  if (bejelolt) {
    Igazit();
    Frissit();
  }
}

void TPnx_Grafikon::SetErtekVonalak(bool v) {
  if (v == rajz_.ertekVonalak) return;
  rajz_.ertekVonalak = v;
  panel_->ChB_Ertek->setChecked(v);
  Frissit();
}

void TPnx_Grafikon::SetIdovonalak(bool v) {
  if (v == rajz_.idovonalak) return;
  rajz_.idovonalak = v;
  panel_->ChB_IdoVonalak->setChecked(v);
  Frissit();
}

void TPnx_Grafikon::SetRajzolhat(bool v) {
  if (v == rajzolhat_) return;
  rajzolhat_ = v;
  Frissit();
}

void TPnx_Grafikon::SetIllesztes(bool v) {
  if (v == illesztes_) return;
  illesztes_ = v;
  panel_->ChB_Illesztes->setChecked(v);
  Illeszt();
}

// ---- chart state

void TPnx_Grafikon::SetKezdet(int64_t k) {
  if (k == rajz_.kezdet) return;
  rajz_.kezdet = k;
  Frissit();
}

void TPnx_Grafikon::HosszBeallitas(int64_t n) {
  rajz_.hossz = n;
  idoKiirva_ = false;
  // A scroll bar in view follows at the next frame like the labels; a hidden
  // one costs nothing to keep exact, and a shrinking range moves the position now.
  const int maximum = static_cast<int>(std::min<int64_t>(n, std::numeric_limits<int>::max()));
  if (!gorgeto_->isVisible() || maximum < gorgeto_->maximum()) gorgeto_->setMaximum(maximum);
}

void TPnx_Grafikon::SetHossz(int64_t n) {
  n = std::max<int64_t>(n, 0);
  if (n == rajz_.hossz) return;
  MaximumElvetes();
  HosszBeallitas(n);
  if (aktualis_) Igazit();
  // The history now on record is drawn at the next frame.
  Frissit();
}

void TPnx_Grafikon::SetAktualis(bool v) {
  if (v == aktualis_) return;
  aktualis_ = v;
  GombFrissites();
  Igazit();
  rajz_.alsoMargo = v ? grafikon::AlsoMargoElo : grafikon::AlsoMargoKereso;
  Frissit();
  gorgetoKeret_->setVisible(!v);
  chbKezelo_->setEnabled(v);
}

void TPnx_Grafikon::SetCsusztatas(int v) {
  v = std::clamp(v, 1, 200);
  if (v == csusztatas_) return;
  csusztatas_ = v;
  panel_->SpE_Csusztatas->SetErtek(v);
}

void TPnx_Grafikon::SetOsztas(double x) {
  if (!(x > 0.0) || !std::isfinite(x) || x == rajz_.osztas) return;
  rajz_.osztas = x;
  OsztasCimkeFrissites();
  Frissit();
}

void TPnx_Grafikon::SetTizedesjegyek(int d) {
  d = std::clamp(d, 0, 15);
  if (d == rajz_.tizedesjegyek) return;
  rajz_.tizedesjegyek = d;
  panel_->SpE_Tizedesjegyek->SetErtek(d);
  OsztasCimkeFrissites();
  const int64_t utolso = rajz_.hossz - 1;
  for (auto& s : sorozatok_)
    if (s->Van(utolso)) s->SetCimkeErtek(s->Ertek(utolso), d);
  Frissit();
}

void TPnx_Grafikon::CimkekKiirasa() {
  for (auto& s : sorozatok_) s->CimkeKiiras();
  if (idoKiirva_) return;
  idoKiirva_ = true;
  panel_->IdoErtek->setText(QString::number(rajz_.hossz));
  gorgeto_->setMaximum(static_cast<int>(std::min<int64_t>(rajz_.hossz, std::numeric_limits<int>::max())));
}

void TPnx_Grafikon::OsztasCimkeFrissites() {
  panel_->OsztasCimke->setText(TizedesSzoveg(rajz_.osztas, rajz_.tizedesjegyek));
}

void TPnx_Grafikon::GombFrissites() {
  panel_->Btn_AktualisKeres->setText(aktualis_ ? aktualisSzoveg_ : keresoSzoveg_);
}

// ---- series and steps

TAdatCsoport& TPnx_Grafikon::UjAdatCsoport(TAdatForras forras) {
  const int sorszam = static_cast<int>(sorozatok_.size()) + 1;
  panel_->DobozMagassag(sorszam);
  sorozatok_.push_back(
      std::make_unique<TAdatCsoport>(*this, std::move(forras), panel_->DobozTartalom, sorszam));
  // Its history counts at the next fit; the Part's chart draws it at the next
  // full repaint, so no frame is asked for here.
  MaximumElvetes();
  if (illesztes_ && rajz_.hossz > 0) illesztesFugg_ = true;
  return *sorozatok_.back();
}

void TPnx_Grafikon::SorozatokTorlese() {
  if (sorozatok_.empty()) return;
  sorozatok_.clear();
  panel_->DobozUrites();
  MaximumElvetes();
  Frissit();
}

void TPnx_Grafikon::MeretKovetes() {
  // A hidden widget hears of a resize only when shown; the plot width must be
  // right at every step all the same.
  if (testAttribute(Qt::WA_PendingResizeEvent) && width() - panelSzelesseg_ != kepSzelesseg_) MeretAlkalmazas();
}

void TPnx_Grafikon::Leptet() {
  MeretKovetes();
  const int64_t n = rajz_.hossz;
  // Segments and label texts are drawn at the next frame.
  for (auto& s : sorozatok_)
    if (s->Van(n)) s->SetCimkeErtek(s->Ertek(n), rajz_.tizedesjegyek);
  HosszBeallitas(n + 1);
  // A slide is drawn at the next frame by moving the image.
  if (aktualis_) rajz_.kezdet = grafikon::KezdetLeptetesUtan(rajz_.hossz, rajz_.kezdet, rajz_.rajzSzelesseg, csusztatas_);
  Illeszt();
  Utemez();
}

void TPnx_Grafikon::Igazit() {
  rajz_.kezdet =
      grafikon::Igazit(aktualis_, rajz_.hossz, rajz_.kezdet, rajz_.rajzSzelesseg, gorgeto_->value());
}

// ---- fitting the scale

void TPnx_Grafikon::MaximumElvetes() { maximumErvenyes_ = false; }

void TPnx_Grafikon::LathatosagValtozott() {
  MaximumElvetes();
  Frissit();
}

bool TPnx_Grafikon::AblakMaximum(double& legnagyobb) {
  const int64_t tol = rajz_.kezdet;
  const int64_t ig = grafikon::RajzVeg(rajz_.hossz, rajz_.kezdet, rajz_.rajzSzelesseg);
  // Live mode only moves the window forward: the points already taken stay.
  if (!maximumErvenyes_ || tol < maximumKezdet_ || tol > maximumVeg_ || ig < maximumVeg_) {
    maximum_.Urites();
    maximumVeg_ = tol;
    maximumErvenyes_ = true;
  }
  maximum_.Elejetol(tol);
  maximumKezdet_ = tol;
  for (int64_t i = maximumVeg_; i < ig; ++i) {
    bool van = false;
    double pont = 0.0;
    for (const auto& s : sorozatok_) {
      if (!s->Lathato() || !s->Van(i)) continue;
      const double e = s->Ertek(i);
      if (std::isnan(e) || (van && e <= pont)) continue;
      pont = e;
      van = true;
    }
    if (van) maximum_.Hozzaad(i, pont);
  }
  maximumVeg_ = std::max(maximumVeg_, ig);
  if (maximum_.Ures()) return false;
  legnagyobb = maximum_.Legnagyobb();
  return true;
}

void TPnx_Grafikon::Illeszt() {
  illesztesFugg_ = false;
  if (!illesztes_) return;
  TPnx_Hatvany& hatvany = *panel_->Hatvany;
  // The value at the top of the plot is this many rows of the scale.
  const double sorok = kep_.height() - rajz_.alsoMargo - PlotTeteje;
  double legnagyobb = 0.0;
  // A base of 1 has one power only; nothing positive shown needs no room.
  if (hatvany.Alap() < 2 || sorok <= 0 || !AblakMaximum(legnagyobb) || !(legnagyobb > 0.0)) return;
  hatvany.SetKitevo(IllesztettKitevo(legnagyobb, sorok, hatvany.Alap(), hatvany.MinKitevo(), hatvany.MaxKitevo()));
  SetOsztas(hatvany.Ertek());
}

// ---- drawing

void TPnx_Grafikon::Frissit() {
  teljes_ = true;
  // Whatever made the repaint may have changed what is shown or the room for it.
  if (illesztes_) illesztesFugg_ = true;
  Utemez();
}

void TPnx_Grafikon::Utemez() {
  if (!isVisible() || (!VanFuggoRajz() && idoKiirva_)) return;
  KepkockaKeres();
}

// The image is brought up to date here and only what it changed goes to
// the screen: new segments touch a few rows per series, and a tall narrow
// copy of the whole plot height costs far more than its pixel count says.
void TPnx_Grafikon::Kepkocka() {
  FuggoIllesztes();
  CimkekKiirasa();
  const bool teljes = teljes_;
  const TValtozas valtozas = FuggoRajzolas();
  if (teljes) {
    rajzlap_->Frissites(rajzlap_->rect());
    return;
  }
  // A slide moves the pixels already on the screen the same way, unless the
  // screen still owes an earlier frame.
  if (valtozas.tolas > 0) {
    // Qt moves the screen's pixels only where no sibling overlaps, and the
    // panel covers the plot's last column; that column is repainted instead.
    const int jobbSzel =
        panel_->isVisible() ? std::min(kep_.width(), panel_->x() - rajzlap_->x()) : kep_.width();
    const QRect tolt(QPoint(CsuszoBalSzel, 0), QPoint(jobbSzel - 1, kep_.height() - 1));
    if (rajzlap_->KepernyoFugg()) {
      rajzlap_->Frissites(tolt);
    } else {
      rajzlap_->scroll(-valtozas.tolas, 0, tolt);
      // The Y-axis caption stands over the sliding columns: the scroll moved
      // its pixels away with the plot's. It is painted again where it stands
      // and where its moved copy went.
      if (lblYFelirat_->isVisible() && !lblYFelirat_->text().isEmpty()) {
        const QRect felirat = lblYFelirat_->geometry();
        rajzlap_->Frissites((felirat | felirat.translated(-valtozas.tolas, 0)) & tolt);
      }
    }
    if (jobbSzel < kep_.width())
      rajzlap_->Frissites(QRect(QPoint(jobbSzel, 0), QPoint(kep_.width() - 1, kep_.height() - 1)));
  }
  if (!valtozas.terulet.isEmpty()) rajzlap_->Frissites(valtozas.terulet);
}

TPnx_Grafikon::TValtozas TPnx_Grafikon::FuggoRajzolas() {
  if (!rajzolhat_ || kep_.isNull()) return {};
  TValtozas valtozas;
  const int64_t csuszas = rajz_.kezdet - kepKezdet_;
  if (!teljes_ && (csuszas != 0 || festett_ < rajz_.hossz)) {
    if (csuszas >= 0 && csuszas < rajz_.rajzSzelesseg && ReszRajzolas(static_cast<int>(csuszas), valtozas.terulet))
      valtozas.tolas = static_cast<int>(csuszas);
    else
      teljes_ = true;
  }
  if (!teljes_) return valtozas;
  HatterEsTengelyek(kep_, rajz_, szovegTar_);
  for (const auto& s : sorozatok_) SorozatVonal(kep_, rajz_, *s);
  teljes_ = false;
  festett_ = rajz_.hossz;
  kepKezdet_ = rajz_.kezdet;
  return {kep_.rect(), 0};
}

bool TPnx_Grafikon::ReszRajzolas(int k, QRegion& valtozott) {
  // New segments: those ending at the first point not drawn yet onwards,
  // within the window. A segment ending at point i writes the columns of
  // points i - 1 to i + 1.
  const int64_t tol = std::max(festett_, rajz_.kezdet + 1);
  const int64_t ig = std::min(rajz_.hossz, grafikon::RajzVeg(rajz_.hossz, rajz_.kezdet, rajz_.rajzSzelesseg));
  const int ujTol = tol < ig ? grafikon::PontX(tol - 1, rajz_.kezdet) : kep_.width();
  std::vector<QRect> festendo;
  if (k > 0) {
    festendo = CsuszasUtanFestendo(kep_, rajz_, k, ujTol, szovegTar_);
    if (festendo.empty()) return false;
    csuszoKep_.Tolas(k);
  } else if (tol < ig) {
    // Columns shared with older segments are redrawn whole, so a later
    // series stays on top of an earlier one as in a full repaint.
    const int jobb = std::min(kep_.width() - 1, grafikon::PontX(ig, rajz_.kezdet));
    festendo.push_back(QRect(QPoint(ujTol, 0), QPoint(jobb, kep_.height() - 1)));
  }
  // After a slide the last area holds the new segments and changes anyway;
  // elsewhere only pixels that differ from the ones before (moved, if it
  // slid) need to reach the screen.
  const size_t osszevetendo = k > 0 ? festendo.size() - 1 : festendo.size();
  std::vector<QImage> elotte;
  elotte.reserve(osszevetendo);
  for (size_t i = 0; i < osszevetendo; ++i) elotte.push_back(kep_.copy(festendo[i]));
  HatterEsTengelyek(kep_, rajz_, festendo, szovegTar_);
  for (size_t i = 0; i < festendo.size(); ++i) {
    const QRect& r = festendo[i];
    for (const auto& s : sorozatok_) SorozatVonal(kep_, rajz_, *s, r);
    const QRect elter = i < osszevetendo ? ElteroResz(elotte[i], kep_, r) : r;
    if (!elter.isEmpty()) valtozott += elter;
  }
  festett_ = rajz_.hossz;
  kepKezdet_ = rajz_.kezdet;
  return true;
}

QImage TPnx_Grafikon::Kep() {
  MeretKovetes();
  FuggoIllesztes();
  FuggoRajzolas();
  // The image is a view into a buffer that later slides reuse.
  return kep_.copy();
}

// ---- geometry

void TPnx_Grafikon::KepUjra() {
  const int magassag = std::max(1, rajzKeret_->height() - 1);
  csuszoKep_.Ujra(kepSzelesseg_, magassag);
  rajzlap_->setGeometry(1, 1, kep_.width(), kep_.height());
  teljes_ = true;
}

void TPnx_Grafikon::KepSzelessegBeallitas(int w) {
  if (w == kepSzelesseg_) return;
  kepSzelesseg_ = w;
  KepUjra();
  rajz_.rajzSzelesseg = w - grafikon::RajzMargo;
  Frissit();
}

void TPnx_Grafikon::Elrendez() {
  const int w = width();
  const int h = height();
  const int cimMagassag = lblCaption_->sizeHint().height() + 2;
  cimKeret_->setGeometry(0, 0, w, cimMagassag);
  lblCaption_->setGeometry(1, 1, w - 2, cimMagassag - 2);
  rajzKeret_->setGeometry(0, cimMagassag, w, h - cimMagassag);
  panel_->setGeometry(w - TGrafikonPanel::Szelesseg, 0, TGrafikonPanel::Szelesseg, h - cimMagassag);
  lblYFelirat_->move(72, 0);
  // The box and its frame as wide as the box's text.
  const int kezeloSzelesseg = chbKezelo_->sizeHint().width();
  chbKezelo_->setGeometry(2, 1, kezeloSzelesseg, 17);
  kezeloKeret_->setGeometry(3, h - 22, kezeloSzelesseg + 4, 20);
  kezeloKeret_->raise();
  gorgetoKeret_->setGeometry(63, h - 2 - GorgetoMagassag - 2, std::max(20, w - 236) + 4, GorgetoMagassag + 4);
  gorgeto_->setGeometry(2, 2, std::max(20, w - 236), GorgetoMagassag);
  gorgetoKeret_->raise();
}

void TPnx_Grafikon::resizeEvent(QResizeEvent*) { MeretAlkalmazas(); }

void TPnx_Grafikon::MeretAlkalmazas() {
  Elrendez();
  kepSzelesseg_ = width() - panelSzelesseg_;
  rajz_.rajzSzelesseg = kepSzelesseg_ - grafikon::RajzMargo;
  KepUjra();
  Igazit();
  Frissit();
}

void TPnx_Grafikon::showEvent(QShowEvent*) {
  CimkekKiirasa();
  Frissit();
}

// ---- texts

void TPnx_Grafikon::SetFeliratok(const std::array<QString, 9>& szovegek) {
  lblYFelirat_->setText(szovegek[0]);
  lblYFelirat_->adjustSize();
  lblCaption_->setText(szovegek[1]);
  chbKezelo_->setText(szovegek[2]);
  panel_->Lbl_Ido->setText(szovegek[3]);
  panel_->ChB_Ertek->setText(szovegek[4]);
  panel_->ChB_IdoVonalak->setText(szovegek[5]);
  panel_->Lbl_Dec->setText(szovegek[6]);
  panel_->Lbl_Csusz->setText(szovegek[7]);
  panel_->Lbl_Oszt->setText(szovegek[8]);
  FeliratokElrendezese();
}

void TPnx_Grafikon::SetGombSzovegek(const QString& kereseskor, const QString& aktualiskor) {
  keresoSzoveg_ = kereseskor;
  aktualisSzoveg_ = aktualiskor;
  GombFrissites();
  FeliratokElrendezese();
}

void TPnx_Grafikon::SetIllesztesFelirat(const QString& szoveg) {
  panel_->ChB_Illesztes->setText(szoveg);
  FeliratokElrendezese();
}

void TPnx_Grafikon::FeliratokElrendezese() {
  panel_->Elrendezes(keresoSzoveg_, aktualisSzoveg_);
  Elrendez();
}

}  // namespace zelvaris
