#pragma once
// A group box of the species editors that folds to its title when clicked.
// Its caption ends in the state mark: " (-)" open, " (+)" folded; a language
// change keeps the mark. A box made fixed does not react to clicks.

#include <QGroupBox>

namespace zelvaris {

class TCsukhatoDoboz : public QGroupBox {
  Q_OBJECT

 public:
  // `felirat` is the caption without mark; a fixed box carries none.
  TCsukhatoDoboz(const QString& nev, const QString& felirat, bool csukhato, bool nyitva,
                 QWidget* szulo = nullptr);

  bool Csukhato() const { return csukhato_; }
  bool Nyitva() const { return nyitva_; }
  void Valtas();
  // The language text: a foldable box keeps its mark.
  void SetSzoveg(const QString& szoveg);
  // The box's contents, hidden while folded.
  QWidget* Tartalom() const { return tartalom_; }

 protected:
  void mousePressEvent(QMouseEvent* esemeny) override;

 private:
  void Megjelenites();

  QWidget* tartalom_;
  bool csukhato_;
  bool nyitva_;
};

}  // namespace zelvaris
