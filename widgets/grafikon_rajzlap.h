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

 protected:
  void paintEvent(QPaintEvent* esemeny) override;

 private:
  TPnx_Grafikon& grafikon_;
};

}  // namespace zelvaris
