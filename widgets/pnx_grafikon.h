#pragma once
// A line chart of any number of series against the point index (one point per
// simulation step). It draws incrementally: each announced point adds one
// segment per series; when the plot area is full the window slides. A control
// panel switches between a live mode that follows the newest data and a browse
// mode with a scroll bar, and sets the grid, the scale, the decimals and the
// slide step. While its fit box is ticked, the scale follows the data: after
// each point it becomes the smallest power of the power input's base that
// keeps every visible value shown below the top of the plot.
//
// Drawing goes into a backing image. State changes are exact at once; the
// pixels follow at most once per frame (pending segments, or a full repaint
// after a slide or a setting change), and so do the value labels, the time
// label and a visible scroll bar's range. A hidden chart paints nothing and
// repaints in full when shown.

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "adat_csoport.h"
#include "grafikon_csuszo_kep.h"
#include "grafikon_illesztes.h"
#include "grafikon_rajz.h"
#include "kepkocka.h"

class QCheckBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace zelvaris {

class TGrafikonPanel;
class TGrafikonRajzlap;

class TPnx_Grafikon : public QWidget, private TKepkockaKliens {
  Q_OBJECT

 public:
  explicit TPnx_Grafikon(QWidget* szulo = nullptr);
  ~TPnx_Grafikon() override;

  // Properties; a setter given the current value does nothing.
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& v);
  const QString& XTgFelirat() const { return rajz_.xFelirat; }
  void SetXTgFelirat(const QString& v);
  const QString& YTgFelirat() const { return yFelirat_; }
  void SetYTgFelirat(const QString& v);
  const QColor& clHatter() const { return rajz_.hatter; }
  void SetclHatter(const QColor& v);
  const QColor& clTengely() const { return rajz_.tengely; }
  void SetclTengely(const QColor& v);
  bool Beosztva() const { return rajz_.beosztva; }
  void SetBeosztva(bool v);
  int Beosztas() const { return rajz_.beosztas; }
  void SetBeosztas(int v);
  bool Kezelo() const { return kezelo_; }
  void SetKezelo(bool v);
  bool ErtekVonalak() const { return rajz_.ertekVonalak; }
  void SetErtekVonalak(bool v);
  bool Idovonalak() const { return rajz_.idovonalak; }
  void SetIdovonalak(bool v);
  bool Rajzolhat() const { return rajzolhat_; }
  void SetRajzolhat(bool v);
  // The fit box. Ticking it fits the scale at once; an arrow of the power
  // input unticks it.
  bool Illesztes() const { return illesztes_; }
  void SetIllesztes(bool v);

  // Chart state.
  int64_t Kezdet() const { return rajz_.kezdet; }
  void SetKezdet(int64_t k);
  int64_t Hossz() const { return rajz_.hossz; }
  // The caller sets the number of points already present (a chart opened on
  // a running world). In live mode the window moves to the newest points.
  void SetHossz(int64_t n);
  bool Aktualis() const { return aktualis_; }
  void SetAktualis(bool v);
  int Csusztatas() const { return csusztatas_; }
  // Kept within 1..200.
  void SetCsusztatas(int v);
  double Osztas() const { return rajz_.osztas; }
  // Non-positive or non-finite scales are refused.
  void SetOsztas(double x);
  int Tizedesjegyek() const { return rajz_.tizedesjegyek; }
  // Kept within 0..15.
  void SetTizedesjegyek(int d);
  int PanelSzelesseg() const { return panelSzelesseg_; }
  int KepSzelesseg() const { return kepSzelesseg_; }
  int RajzSzelesseg() const { return rajz_.rajzSzelesseg; }
  int AlsoMargo() const { return rajz_.alsoMargo; }

  // Series, in the order added (the drawing order).
  TAdatCsoport& UjAdatCsoport(TAdatForras forras);
  int SorozatokSzama() const { return static_cast<int>(sorozatok_.size()); }
  TAdatCsoport& Sorozat(int i) const { return *sorozatok_[static_cast<size_t>(i)]; }
  // Every series goes, legend rows with them; the length, the window and
  // the scale stay, and the next frame repaints (and fits) in full.
  void SorozatokTorlese();

  // One more point (index Hossz) is present in every series.
  void Leptet();
  // Full repaint (at the next frame).
  void Frissit();
  // A series was shown or hidden: the fit looks at the visible ones afresh.
  void LathatosagValtozott();
  // Window alignment; does not repaint.
  void Igazit();

  // The nine labelled controls' texts, in this order: the Y-axis caption
  // label, the title label, ChB_Kezelo, Lbl_Ido, ChB_Ertek, ChB_IdoVonalak,
  // Lbl_Dec, Lbl_Csusz, Lbl_Oszt. Caption and YTgFelirat keep their values.
  void SetFeliratok(const std::array<QString, 9>& szovegek);
  // The mode button's two texts: shown in browse mode, shown in live mode.
  void SetGombSzovegek(const QString& kereseskor, const QString& aktualiskor);
  void SetIllesztesFelirat(const QString& szoveg);

  // Brings the backing image up to date and returns a copy of it.
  QImage Kep();
  // True while pixels are owed to the image.
  bool VanFuggoRajz() const { return teljes_ || festett_ < rajz_.hossz || kepKezdet_ != rajz_.kezdet; }

  TGrafikonPanel* Panel() const { return panel_; }
  QScrollBar* Gorgeto() const { return gorgeto_; }
  QCheckBox* ChB_Kezelo() const { return chbKezelo_; }
  QLabel* Lbl_Caption() const { return lblCaption_; }
  QLabel* LbL_YTgFelirat() const { return lblYFelirat_; }

  QSize sizeHint() const override { return {500, 270}; }

 protected:
  void resizeEvent(QResizeEvent* esemeny) override;
  void showEvent(QShowEvent* esemeny) override;

 private:
  friend class TGrafikonRajzlap;
  void Elrendez();
  void MeretAlkalmazas();
  void MeretKovetes();
  void KepSzelessegBeallitas(int w);
  void KepUjra();
  void HosszBeallitas(int64_t n);
  void Utemez();
  void Kepkocka() override;
  struct TValtozas {
    QRegion terulet;
    // The image's sliding columns moved left by this many pixels first.
    int tolas = 0;
  };
  // Draws what the image owes; returns the changed area.
  TValtozas FuggoRajzolas();
  // New segments, after a slide of k points (0: none): moves the image and
  // redraws only what a full repaint draws differently; false when a full
  // repaint is cheaper.
  bool ReszRajzolas(int k, QRegion& valtozott);
  void OsztasCimkeFrissites();
  // The value labels, the time label and the scroll range catch up with the state.
  void CimkekKiirasa();
  void GombFrissites();
  void KezeloKattintas(bool bejelolt);
  // The panel and the "Kezelő" box follow their texts' widths.
  void FeliratokElrendezese();
  // The largest visible value over the shown points; none when nothing
  // visible has a value there.
  bool AblakMaximum(double& legnagyobb);
  // Sets the fitted scale (a real change repaints); nothing when unticked.
  void Illeszt();
  void FuggoIllesztes() {
    if (illesztesFugg_) Illeszt();
  }
  // The cached maximum no longer matches the series.
  void MaximumElvetes();

  QString caption_ = QStringLiteral("Pnx_Grafikon");
  QString yFelirat_;
  bool kezelo_ = true;
  bool rajzolhat_ = true;
  bool aktualis_ = true;
  bool illesztes_ = false;
  // A fit is owed: series or the length changed since the last one.
  bool illesztesFugg_ = false;
  int csusztatas_ = 1;
  int panelSzelesseg_ = 161;
  int kepSzelesseg_ = 0;
  TRajzBeallitas rajz_;
  QString keresoSzoveg_ = QStringLiteral("Aktuális");
  QString aktualisSzoveg_ = QStringLiteral("Kereső");

  std::vector<std::unique_ptr<TAdatCsoport>> sorozatok_;

  // The visible series' largest value at each point of [maximumKezdet_, maximumVeg_).
  TAblakMaximum maximum_;
  bool maximumErvenyes_ = false;
  int64_t maximumKezdet_ = 0;
  int64_t maximumVeg_ = 0;

  TSzovegTar szovegTar_;
  TCsuszoKep csuszoKep_;
  QImage& kep_ = csuszoKep_.Kep();
  // A full repaint is owed to the image.
  bool teljes_ = true;
  // Segments ending at points below this index are in the image.
  int64_t festett_ = 0;
  // The window start the image shows.
  int64_t kepKezdet_ = 0;
  // The time label and the scroll range show the current length.
  bool idoKiirva_ = true;

  QFrame* cimKeret_;
  QLabel* lblCaption_;
  QFrame* rajzKeret_;
  TGrafikonRajzlap* rajzlap_;
  QLabel* lblYFelirat_;
  TGrafikonPanel* panel_;
  QFrame* kezeloKeret_;
  QCheckBox* chbKezelo_;
  QFrame* gorgetoKeret_;
  QScrollBar* gorgeto_;
};

}  // namespace zelvaris
