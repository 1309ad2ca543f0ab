#pragma once
// Drawing the chart's plot image: background, axes, ticks and labels, and
// the series' lines. Everything here draws from a snapshot of the chart's
// settings, so a full repaint is a function of the chart's state alone.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>

namespace zelvaris {

class TAdatCsoport;

struct TRajzBeallitas {
  QColor hatter{192, 192, 192};
  QColor tengely{Qt::black};
  QString xFelirat;
  bool beosztva = true;
  int beosztas = 50;
  bool ertekVonalak = true;
  bool idovonalak = true;
  double osztas = 1.0;
  int tizedesjegyek = 0;
  int alsoMargo = 25;
  int rajzSzelesseg = 0;
  int64_t kezdet = 0;
  int64_t hossz = 0;
};

// Background, axes, value axis and time axis.
void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b);
// The series' line over the points kezdet .. RajzVeg - 1.
void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat);
// The segments ending at the points tol .. ig - 1 (each from its predecessor),
// limited to the plot window and the recorded values; returns the bounds of
// the pixels written.
QRect SorozatSzakaszok(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, int64_t tol, int64_t ig);

// The segment from (x, y1) to (x + 1, y2), 2 pixels thick, clipped to the image.
void Szakasz(QImage& kep, int x, int y1, int y2, QRgb szin);

}  // namespace zelvaris
