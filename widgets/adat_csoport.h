#pragma once
// One data series of the chart. The values belong to the caller and are read
// through an accessor at every use, never through a pointer kept across steps:
// the caller's rows move when they grow or when a species is added.

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QWidget;

namespace zelvaris {

class TPnx_Grafikon;

// How a series reads its values: the value at an index and the number of
// values recorded so far. Only indices below the recorded length are read.
struct TAdatForras {
  std::function<float(int64_t)> Ertek;
  std::function<int64_t()> Hossz;
};

class TAdatCsoport {
 public:
  // Builds its legend row inside `dobozTartalom` as the `sorszam`-th row (1-based).
  TAdatCsoport(TPnx_Grafikon& grafikon, TAdatForras forras, QWidget* dobozTartalom, int sorszam);
  ~TAdatCsoport();
  TAdatCsoport(const TAdatCsoport&) = delete;
  TAdatCsoport& operator=(const TAdatCsoport&) = delete;

  const QString& Nev() const { return nev_; }
  void SetNev(const QString& nev);
  const QColor& Szin() const { return szin_; }
  // A real change repaints the chart, so series keep their drawing order.
  void SetSzin(const QColor& szin);
  bool Lathato() const { return lathato_; }
  void SetLathato(bool v);
  // The line is drawn in dashes (the swatch shows a gap); a real change repaints.
  bool Szaggatott() const { return szaggatott_; }
  void SetSzaggatott(bool v);

  // Values readable now; never beyond what the source has recorded.
  int64_t Rogzitett() const { return forras_.Hossz ? forras_.Hossz() : 0; }
  bool Van(int64_t index) const { return index >= 0 && index < Rogzitett(); }
  float Ertek(int64_t index) const { return forras_.Ertek(index); }

  // The value label: its value and its text. The value is exact at once;
  // the label widget shows it after CimkeKiiras, which the chart calls at
  // most once per frame.
  bool VanCimkeErtek() const { return vanCimkeErtek_; }
  double CimkeErtek() const { return cimkeErtek_; }
  QString CimkeSzoveg() const;
  void SetCimkeErtek(double ertek, int tizedesjegyek);
  void CimkeKiiras();

  QCheckBox* Jelolo() const { return jelolo_; }
  QLabel* ErtekCimke() const { return ertekCimke_; }
  // Lays the legend row out for a series box content of the given width.
  void Elrendez(int dobozSzelesseg);

 private:
  TPnx_Grafikon& grafikon_;
  TAdatForras forras_;
  int sorszam_;
  QString nev_;
  QColor szin_ = Qt::black;
  bool lathato_ = true;
  bool szaggatott_ = false;
  bool vanCimkeErtek_ = false;
  double cimkeErtek_ = 0.0;
  int tizedesjegyek_ = 0;
  // What the label widget shows, so an unchanged value costs no text.
  bool kiirva_ = true;
  QCheckBox* jelolo_;
  QFrame* minta_;
  QLabel* ertekCimke_;
};

}  // namespace zelvaris
