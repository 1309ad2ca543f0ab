#include "grafikon_rajz.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "adat_csoport.h"
#include "grafikon_geometria.h"
#include "szam_szoveg.h"

namespace zelvaris {

using namespace grafikon;

namespace {

QFont VaszonBetu() {
  QFont betu;
  betu.setPointSize(8);
  return betu;
}

QPen Toll(const QColor& szin, int vastagsag) {
  QPen toll(szin, vastagsag);
  toll.setCapStyle(Qt::SquareCap);
  toll.setJoinStyle(Qt::MiterJoin);
  return toll;
}

// Writes text with its top-left corner at (x, y), as the layout positions mean.
void Iras(QPainter& p, int x, int y, const QString& szoveg) {
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), szoveg);
}

void ErtekTengely(QPainter& p, const QImage& kep, const TRajzBeallitas& b) {
  const auto jelek = ErtekJelek(kep.height(), b.alsoMargo, b.beosztas);
  if (b.beosztva) {
    p.setPen(Toll(b.tengely, 2));
    for (const ErtekJel& j : jelek) {
      p.drawLine(X0 - 4, j.y, X0 + 3, j.y);
      const QString felirat =
          TizedesSzoveg(static_cast<double>(j.szorzo) * b.beosztas * b.osztas, b.tizedesjegyek);
      Iras(p, X0 - p.fontMetrics().horizontalAdvance(felirat) - 4, j.y - 7, felirat);
    }
  }
  if (b.ertekVonalak) {
    p.setPen(Toll(b.tengely, 1));
    for (const ErtekJel& j : jelek) p.drawLine(X0, j.y, X0 + b.rajzSzelesseg, j.y);
  }
}

void IdoTengely(QPainter& p, const QImage& kep, const TRajzBeallitas& b, int y0, int feliratSzelesseg) {
  const int w = kep.width();
  p.setPen(Qt::NoPen);
  p.setBrush(b.hatter);
  // The label strip is cleared so labels never pile up over old ones.
  p.drawRect(QRect(QPoint(X0, y0 + 2), QPoint(w - feliratSzelesseg - 9, y0 + 15)));
  p.setBrush(Qt::NoBrush);
  for (const IdoJel& j : IdoJelek(b.kezdet, b.rajzSzelesseg)) {
    p.setPen(Toll(b.tengely, 2));
    p.drawLine(j.x, y0, j.x, y0 + 4);
    if (b.idovonalak) {
      p.setPen(Toll(b.tengely, 1));
      p.drawLine(j.x, y0 + 4, j.x, 5);
    }
    if (feliratSzelesseg + j.x + 10 < w - feliratSzelesseg - 9) {
      p.setPen(b.tengely);
      Iras(p, j.x, y0 + 4, QString::number(j.index));
    }
  }
}

// The image's pixels, fetched once per series rather than once per run; it
// keeps the bounds of what it wrote.
struct Pixelek {
  explicit Pixelek(QImage& kep)
      : kezdet(reinterpret_cast<QRgb*>(kep.bits())),
        lepes(kep.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
        w(kep.width()),
        h(kep.height()) {}
  QRgb* kezdet;
  qsizetype lepes;
  int w;
  int h;
  QRect irt;

  // Rows y1..y2 (either order) of column x, clipped to the image.
  void Oszlop(int x, int y1, int y2, QRgb szin) {
    if (x < 0 || x >= w) return;
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, h - 1);
    if (y1 > y2) return;
    for (int y = y1; y <= y2; ++y) kezdet[y * lepes + x] = szin;
    irt |= QRect(x, y1, 1, y2 - y1 + 1);
  }

  // Points are one pixel apart, so a segment is two vertical runs meeting
  // half-way; drawn 2 pixels thick. This is the chart's hot loop: a general
  // wide-pen stroke costs ten times as much, and the runs clip trivially
  // however far off the image a value lies.
  void Szakasz(int x, int y1, int y2, QRgb szin) {
    const int kozep = y1 + (y2 - y1) / 2;
    Oszlop(x, y1 - 1, kozep, szin);
    Oszlop(x + 1, kozep, y2, szin);
    Oszlop(x + 1, y2 - 1, y2, szin);
    if (std::abs(y2 - y1) > 1) {
      Oszlop(x + 1, y1, kozep, szin);
      Oszlop(x + 2, kozep, y2, szin);
    }
  }
};

}  // namespace

void Szakasz(QImage& kep, int x, int y1, int y2, QRgb szin) { Pixelek(kep).Szakasz(x, y1, y2, szin); }

void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b) {
  const int w = kep.width();
  const int h = kep.height();
  const int y0 = h - b.alsoMargo;
  kep.fill(b.hatter);
  QPainter p(&kep);
  p.setFont(VaszonBetu());

  const int feliratSzelesseg = p.fontMetrics().horizontalAdvance(b.xFelirat);
  p.setPen(b.tengely);
  Iras(p, w - feliratSzelesseg - 9, y0 + 4, b.xFelirat);

  p.setPen(Toll(b.tengely, 2));
  const QPoint yNyil[] = {{61, 9}, {65, 5}, {69, 9}};
  p.drawPolyline(yNyil, 3);
  const QPoint tengelyek[] = {{65, 5}, {65, y0}, {w - 5, y0}};
  p.drawPolyline(tengelyek, 3);
  const QPoint xNyil[] = {{w - 9, y0 - 4}, {w - 5, y0}, {w - 9, y0 + 4}};
  p.drawPolyline(xNyil, 3);

  ErtekTengely(p, kep, b);
  IdoTengely(p, kep, b, y0, feliratSzelesseg);
}

void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat) {
  SorozatSzakaszok(kep, b, sorozat, b.kezdet + 1, RajzVeg(b.hossz, b.kezdet, b.rajzSzelesseg));
}

QRect SorozatSzakaszok(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, int64_t tol,
                       int64_t ig) {
  if (!sorozat.Lathato()) return {};
  tol = std::max(tol, b.kezdet + 1);
  ig = std::min({ig, RajzVeg(b.hossz, b.kezdet, b.rajzSzelesseg), sorozat.Rogzitett()});
  if (tol >= ig) return {};
  const int y0 = kep.height() - b.alsoMargo;
  const QRgb szin = sorozat.Szin().rgb();
  Pixelek pixelek(kep);
  int elozoY = ErtekY(sorozat.Ertek(tol - 1), b.osztas, y0, kep.height());
  for (int64_t i = tol; i < ig; ++i) {
    const int y = ErtekY(sorozat.Ertek(i), b.osztas, y0, kep.height());
    pixelek.Szakasz(PontX(i - 1, b.kezdet), elozoY, y, szin);
    elozoY = y;
  }
  return pixelek.irt;
}

}  // namespace zelvaris
