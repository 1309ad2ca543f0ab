#pragma once
// The chart's control panel: mode button, time, grid toggles, the scale's
// power input, decimals, slide step and the series box with the legend rows.
// It only holds and places the controls; the chart wires them.

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace zelvaris {

class TPnx_Hatvany;
class TSpinMezo;

// A label whose text changes while the chart runs: it paints its own
// background, so a new text repaints the label alone and none of the frames
// beneath it, and its fixed size keeps a new text from asking for a relayout.
void FrissuloCimke(QLabel* cimke, int szelesseg, int magassag);

class TGrafikonPanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int Szelesseg = 161;

  explicit TGrafikonPanel(QWidget* szulo);

  QPushButton* Btn_AktualisKeres;
  QLabel* Lbl_Ido;
  QLabel* IdoErtek;
  QCheckBox* ChB_Ertek;
  QCheckBox* ChB_IdoVonalak;
  QLabel* Lbl_Oszt;
  TPnx_Hatvany* Hatvany;
  QLabel* OsztasCimke;
  QLabel* Lbl_Dec;
  TSpinMezo* SpE_Tizedesjegyek;
  QLabel* Lbl_Csusz;
  TSpinMezo* SpE_Csusztatas;
  QScrollArea* SorozatDoboz;
  // The legend rows live here; it grows with the series.
  QWidget* DobozTartalom;

  // The width legend rows are laid out for.
  int DobozSzelesseg() const;
  // Makes room for `db` legend rows.
  void DobozMagassag(int db);

 signals:
  // The series box changed width: the legend rows follow.
  void DobozAtmeretezve(int szelesseg);

 protected:
  void resizeEvent(QResizeEvent* esemeny) override;

 private:
  QWidget* belso_;
};

}  // namespace zelvaris
