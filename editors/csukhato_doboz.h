#pragma once
// A group box of the species editors that folds when clicked anywhere on it.
// It keeps its designed heights (in pixels of the designed font): open, it is
// as high as designed, or higher where the font's rows need more; folded, it
// hides the rows the designed folded height hides and still shows the ones
// above them. Its caption ends in the state mark: " (-)" open, " (+)"
// folded; a language change keeps the mark. A box made fixed does not react
// to clicks.

#include <QGroupBox>

namespace zelvaris {

class TCsukhatoDoboz : public QGroupBox {
  Q_OBJECT

 public:
  // `felirat` is the caption without mark; a fixed box carries none and
  // keeps `nyitottMagassag`.
  TCsukhatoDoboz(const QString& nev, const QString& felirat, bool csukhato, bool nyitva, int csukottMagassag,
                 int nyitottMagassag, QWidget* szulo = nullptr);

  bool Csukhato() const { return csukhato_; }
  bool Nyitva() const { return nyitva_; }
  void Valtas();
  // The language text: a foldable box keeps its mark.
  void SetSzoveg(const QString& szoveg);
  // The box's contents, laid out at their own height and cut by the box;
  // hidden while a folded box shows only its title.
  QWidget* Tartalom() const { return tartalom_; }
  // Lays the contents out again and takes the heights their rows need now
  // (after new texts; the box also does it when it is shown).
  void Igazitas();

  // As wide as the contents need; as high as designed.
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void mousePressEvent(QMouseEvent* esemeny) override;
  void resizeEvent(QResizeEvent* esemeny) override;
  bool event(QEvent* esemeny) override;

 private:
  void Megjelenites();
  void TartalomElhelyezes();
  int NyitottMagassag() const;
  int CsukottMagassag() const;

  QWidget* tartalom_;
  bool csukhato_;
  bool nyitva_;
  int csukottMagassag_;
  int nyitottMagassag_;
};

}  // namespace zelvaris
