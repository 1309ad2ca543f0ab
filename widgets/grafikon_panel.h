#pragma once
// The chart's control panel: mode button, time, grid toggles, the scale's
// power input and its fit box, decimals, slide step and the series box with
// the legend rows. It only holds and places the controls; the chart wires
// them. Every label and field is as wide as its text needs, so the panel is
// laid out again whenever a text changes.

#include <QFrame>

class QCheckBox;
class QComboBox;
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

  QPushButton* Btn_AktualisKeres = nullptr;
  QLabel* Lbl_Ido = nullptr;
  QLabel* IdoErtek = nullptr;
  QCheckBox* ChB_Ertek = nullptr;
  QCheckBox* ChB_IdoVonalak = nullptr;
  QLabel* Lbl_Oszt = nullptr;
  // While ticked the chart fits the scale to what it shows.
  QCheckBox* ChB_Illesztes = nullptr;
  TPnx_Hatvany* Hatvany = nullptr;
  QLabel* OsztasCimke = nullptr;
  QLabel* Lbl_Dec = nullptr;
  TSpinMezo* SpE_Tizedesjegyek = nullptr;
  QLabel* Lbl_Csusz = nullptr;
  TSpinMezo* SpE_Csusztatas = nullptr;
  // What the chart shows, when its owner offers a choice (SetNezetek);
  // hidden until then. The owner changes the series on a choice.
  QComboBox* CmB_Nezet = nullptr;
  QScrollArea* SorozatDoboz = nullptr;
  // The legend rows live here; it grows with the series.
  QWidget* DobozTartalom = nullptr;

  // Places the controls for their current texts; the mode button is made
  // wide enough for both of its texts.
  void Elrendezes(const QString& gombSzoveg1, const QString& gombSzoveg2);

  // The choices' texts, in order; the box shows above the series box from
  // the first call. The current choice is kept and no choice is reported.
  void SetNezetek(const QStringList& nevek);

  // The width legend rows are laid out for.
  int DobozSzelesseg() const;
  // Makes room for `db` legend rows.
  void DobozMagassag(int db);
  // The legend rows are gone: the box shrinks back to its view.
  void DobozUrites();

 signals:
  // The series box changed width: the legend rows follow.
  void DobozAtmeretezve(int szelesseg);

 protected:
  void resizeEvent(QResizeEvent* esemeny) override;
  // A new font or style changes every text's width.
  void changeEvent(QEvent* esemeny) override;

 private:
  QWidget* belso_ = nullptr;
  void DobozElhelyezes();

  QString gombSzoveg1_;
  QString gombSzoveg2_;
  int dobozTeteje_ = 200;
};

}  // namespace zelvaris
