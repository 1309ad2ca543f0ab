#pragma once
// A number entered as base^exponent, each with its own pair of arrows, so a
// scale can span many orders of magnitude in a few clicks.

#include <QWidget>

class QLabel;
class QToolButton;

namespace zelvaris {

class TPnx_Hatvany : public QWidget {
  Q_OBJECT

 public:
  explicit TPnx_Hatvany(QWidget* szulo = nullptr);

  int MinAlap() const { return minAlap_; }
  int MaxAlap() const { return maxAlap_; }
  int Alap() const { return alap_; }
  int MinKitevo() const { return minKitevo_; }
  int MaxKitevo() const { return maxKitevo_; }
  int Kitevo() const { return kitevo_; }
  // Alap^Kitevo, always positive and finite.
  double Ertek() const { return ertek_; }
  QString Felirat() const;

  // Clamped into the bounds.
  void SetAlap(int v);
  void SetKitevo(int v);
  // Bounds stay ordered (1 <= MinAlap <= MaxAlap, MinKitevo <= MaxKitevo):
  // moving one past the other moves the other with it.
  void SetMinAlap(int v);
  void SetMaxAlap(int v);
  void SetMinKitevo(int v);
  void SetMaxKitevo(int v);

  // What the four arrows do; each signals afterwards, changed or not.
  void AlapFel();
  void AlapLe();
  void KitevoFel();
  void KitevoLe();

  QSize sizeHint() const override { return {80, 20}; }

 signals:
  void Valtozas();

 protected:
  void resizeEvent(QResizeEvent* esemeny) override;
  void keyPressEvent(QKeyEvent* esemeny) override;
  void wheelEvent(QWheelEvent* esemeny) override;
  void mousePressEvent(QMouseEvent* esemeny) override;

 private:
  void Ujraszamol();
  void Elrendez();
  bool AlapOldal(int x) const { return x < width() / 2; }

  int minAlap_ = 2;
  int maxAlap_ = 24;
  int alap_ = 2;
  int minKitevo_ = -24;
  int maxKitevo_ = 24;
  int kitevo_ = 0;
  double ertek_ = 1.0;
  // Which half the keyboard acts on: the base (left) or the exponent.
  bool alapAktiv_ = true;

  QToolButton* alapFel_;
  QToolButton* alapLe_;
  QToolButton* kitevoFel_;
  QToolButton* kitevoLe_;
  QLabel* cimke_;
};

// Alap^Kitevo by repeated multiplication or division in double, so equal
// inputs give bit-identical results on every platform; stops once the result
// is 0 or infinite.
double HatvanyErtek(int alap, int kitevo);

}  // namespace zelvaris
