#pragma once
// Drawing the chart's plot image: background, axes, ticks and labels, and
// the series' lines. Everything here draws from a snapshot of the chart's
// settings, so a full repaint is a function of the chart's state alone.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

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

// Text a chart draws again and again, kept from frame to frame: measuring
// or laying out text means shaping it, dearer than drawing a narrow part.
class TSzovegTar {
 public:
  // Measured again only when the caption or the image's resolution changed.
  const TSzovegTar& Meres(const QImage& kep, const QString& felirat);
  int FeliratSzelesseg() const { return feliratSzelesseg_; }
  // The widest digit's advance.
  int SzamjegySzelesseg() const { return szamjegySzelesseg_; }
  // The text laid out for drawing; a bounded number are kept.
  const QStaticText& Elrendezes(const QString& szoveg);

 private:
  bool ervenyes_ = false;
  QString felirat_;
  int dpi_ = 0;
  int feliratSzelesseg_ = 0;
  int szamjegySzelesseg_ = 0;
  std::unordered_map<QString, QStaticText> elrendezesek_;
};

// Background, axes, value axis and time axis; with `reszek`, only the pixels
// inside those areas, exactly as a full repaint leaves them.
void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b, TSzovegTar& tar);
void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b, const std::vector<QRect>& reszek,
                       TSzovegTar& tar);
// The series' line over the points kezdet .. RajzVeg - 1; with `resz`, only
// the pixels inside it.
void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat);
void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, const QRect& resz);
// The segments ending at the points tol .. ig - 1 (each from its predecessor),
// limited to the plot window and the recorded values; returns the bounds of
// the pixels written.
QRect SorozatSzakaszok(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, int64_t tol, int64_t ig);

// Sliding. Columns from CsuszoBalSzel on hold only what moves with the
// points (segments, time ticks, grid lines and their labels) and what looks
// the same at every column (background, value grid lines, the time axis),
// except near either end of the plot area.
inline constexpr int CsuszoBalSzel = 67;
// After the window slid k points (b holds the new kezdet) and the image's
// columns from CsuszoBalSzel on were moved left by k pixels, the areas where
// a full repaint differs from the moved image: both ends of the plot area,
// the time labels leaving at the left and everything from column `ujTol`
// (where new segments start) on; the area holding the new segments comes
// last. Empty when these would cover most of the plot, so a full repaint is
// cheaper.
std::vector<QRect> CsuszasUtanFestendo(const QImage& kep, const TRajzBeallitas& b, int k, int ujTol,
                                       TSzovegTar& tar);

// The segment from (x, y1) to (x + 1, y2), 2 pixels thick, clipped to the image.
void Szakasz(QImage& kep, int x, int y1, int y2, QRgb szin);

}  // namespace zelvaris
