#pragma once
// The chart's plot surface: blits the chart's backing image, bringing it up
// to date first.

#include <QWidget>

namespace zelvaris {

class TPnx_Grafikon;

class TGrafikonRajzlap : public QWidget {
  Q_OBJECT

 public:
  TGrafikonRajzlap(TPnx_Grafikon& grafikon, QWidget* szulo);

  // Asks for a repaint of `terulet`, remembering that the screen owes it.
  void Frissites(const QRegion& terulet);
  // True while a repaint asked for has not been painted.
  bool KepernyoFugg() const { return fugg_; }

 protected:
  void paintEvent(QPaintEvent* esemeny) override;

 private:
  TPnx_Grafikon& grafikon_;
  bool fugg_ = false;
};

}  // namespace zelvaris
