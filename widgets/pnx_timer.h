#pragma once
// A periodic timer the user slows down with a vertical track bar: position p
// gives an interval of 2^p milliseconds. A number field below the bar shows the
// interval and accepts any interval typed in.

#include <QFrame>

class QLabel;
class QSlider;
class QTimer;

namespace zelvaris {

class TSpinMezo;

class TPnx_Timer : public QFrame {
  Q_OBJECT

 public:
  static constexpr int64_t MaxIntervallum = 2'000'000'000;

  explicit TPnx_Timer(QWidget* szulo = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& szoveg);
  bool TimerEnabled() const { return timerEnabled_; }
  void SetTimerEnabled(bool v);
  int Max() const;
  // Kept within 0..30: 2^31 ms is beyond the longest interval.
  void SetMax(int n);

  // The internal timer's interval in milliseconds.
  int Intervallum() const;
  bool Fut() const;
  int Pozicio() const;
  void SetPozicio(int p);

  TSpinMezo* Mezo() const { return mezo_; }
  QSlider* Csuszka() const { return csuszka_; }

  // Wide enough for the number field to show the slowest interval the bar
  // gives (2^Max) whole.
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 signals:
  // Every tick of the internal timer.
  void Timer();

 protected:
  void resizeEvent(QResizeEvent* esemeny) override;

 private:
  void CsuszkaValtozott(int pozicio);
  void MezoValtozott(int64_t ertek);
  void IntervallumBeallitas(int64_t ms);
  int MsSzelesseg() const;

  QString caption_ = QStringLiteral("Pnx_Timer");
  bool timerEnabled_ = true;
  QLabel* cimke_;
  QSlider* csuszka_;
  TSpinMezo* mezo_;
  QLabel* msCimke_;
  QTimer* idozito_;
};

}  // namespace zelvaris
