#include "grafikon_rajz.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
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

// Whether anything drawn within `kiterjedes` can reach the area being
// redrawn. Each drawing call costs a few microseconds however little of it
// survives the clip (a wide line is stroked in full first), and a slide
// redraws a few narrow parts, so what lies outside a part is skipped.
bool Eri(const QRect& resz, const QRect& kiterjedes) { return resz.intersects(kiterjedes); }
bool Eri(const QRect& resz, int x1, int y1, int x2, int y2) { return Eri(resz, QRect(QPoint(x1, y1), QPoint(x2, y2))); }

// The pixels a pen 2 pixels wide with square caps gives a line parallel to
// an axis from (x1, y1) to (x2, y2), x1 <= x2 and y1 <= y2; and those of a
// 1-pixel pen. Filled as rectangles they cost a fraction of a stroke.
QRect VastagVonal(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1 - 1, y1 - 1), QPoint(x2, y2)); }
QRect VekonyVonal(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }

// Fills the part of `r` within the area being redrawn.
void Kitolt(QPainter& p, const QRect& resz, const QRect& r, const QColor& szin) {
  const QRect metszet = r & resz;
  if (!metszet.isEmpty()) p.fillRect(metszet, szin);
}

// The pixel runs, relative to the tip, of an arrow head drawn through
// `pontok` with the axes' pen; rendered once, then filled as rectangles,
// which is much cheaper than stroking it at every repaint.
std::vector<QRect> NyilFutamok(const std::array<QPoint, 3>& pontok) {
  constexpr int Fel = 16;
  QImage minta(2 * Fel, 2 * Fel, QImage::Format_ARGB32_Premultiplied);
  minta.fill(Qt::transparent);
  {
    QPainter p(&minta);
    p.setPen(Toll(Qt::black, 2));
    const QPoint t[] = {pontok[0] + QPoint(Fel, Fel), pontok[1] + QPoint(Fel, Fel), pontok[2] + QPoint(Fel, Fel)};
    p.drawPolyline(t, 3);
  }
  std::vector<QRect> futamok;
  for (int y = 0; y < minta.height(); ++y) {
    const QRgb* sor = reinterpret_cast<const QRgb*>(minta.constScanLine(y));
    for (int x = 0; x < minta.width();) {
      if (qAlpha(sor[x]) == 0) {
        ++x;
        continue;
      }
      const int eleje = x;
      while (x < minta.width() && qAlpha(sor[x]) != 0) ++x;
      futamok.push_back(QRect(eleje - Fel, y - Fel, x - eleje, 1));
    }
  }
  return futamok;
}

void Nyil(QPainter& p, const QRect& resz, const std::vector<QRect>& futamok, const QPoint& csucs,
          const QColor& szin) {
  for (const QRect& r : futamok) Kitolt(p, resz, r.translated(csucs), szin);
}

// Writes text with its top-left corner at (x, y), as the layout positions
// mean, unless it lies wholly outside `resz` (a glyph may reach a few pixels
// beyond its advance). `szelesseg` is the text's advance when the caller
// measured it already. The same few texts (the caption, the time labels)
// are drawn again at every slide, so their layout comes from the store.
void Iras(QPainter& p, TSzovegTar& tar, const QRect& resz, int x, int y, const QString& szoveg,
          int szelesseg = -1) {
  const QFontMetrics metrika = p.fontMetrics();
  if (x - 4 > resz.right() || y > resz.bottom() || y + metrika.height() < resz.top()) return;
  // A bound on the width first; measuring the text costs nearly as much as drawing it.
  if (x + metrika.maxWidth() * szoveg.size() + 4 < resz.left()) return;
  if (x + (szelesseg >= 0 ? szelesseg : metrika.horizontalAdvance(szoveg)) + 4 < resz.left()) return;
  p.drawStaticText(QPoint(x, y), tar.Elrendezes(szoveg));
}

void ErtekTengely(QPainter& p, TSzovegTar& tar, const QRect& resz, const QImage& kep, const TRajzBeallitas& b) {
  const auto jelek = ErtekJelek(kep.height(), b.alsoMargo, b.beosztas);
  if (b.beosztva) {
    p.setPen(b.tengely);
    // The labels end 4 pixels left of the axis; no glyph reaches that far
    // beyond its advance, so they never touch the plot's columns.
    const bool feliratok = resz.left() < X0;
    for (const ErtekJel& j : jelek) {
      Kitolt(p, resz, VastagVonal(X0 - 4, j.y, X0 + 3, j.y), b.tengely);
      if (!feliratok || !Eri(resz, 0, j.y - 7, X0 - 1, j.y + 20)) continue;
      const QString felirat =
          TizedesSzoveg(static_cast<double>(j.szorzo) * b.beosztas * b.osztas, b.tizedesjegyek);
      const int szelesseg = p.fontMetrics().horizontalAdvance(felirat);
      Iras(p, tar, resz, X0 - szelesseg - 4, j.y - 7, felirat, szelesseg);
    }
  }
  if (b.ertekVonalak)
    for (const ErtekJel& j : jelek) Kitolt(p, resz, VekonyVonal(X0, j.y, X0 + b.rajzSzelesseg, j.y), b.tengely);
}

// The width a time label of `jegyek` digits is given: every digit as wide as
// the widest, so the rule needs no text measured and full and partial
// repaints agree on it; never less than the axis caption's width.
int IdoCimkeHely(const TSzovegTar& tar, qsizetype jegyek, int feliratSzelesseg) {
  return std::max(feliratSzelesseg, static_cast<int>(jegyek) * tar.SzamjegySzelesseg());
}

void IdoTengely(QPainter& p, TSzovegTar& tar, const QRect& resz, const QImage& kep, const TRajzBeallitas& b,
                int y0, int feliratSzelesseg) {
  const int w = kep.width();
  // The label strip is cleared so labels never pile up over old ones.
  const QRect cimkeSav(QPoint(X0, y0 + 2), QPoint(w - feliratSzelesseg - 9, y0 + 15));
  if (Eri(resz, cimkeSav)) {
    p.setPen(Qt::NoPen);
    p.setBrush(b.hatter);
    p.drawRect(cimkeSav);
    p.setBrush(Qt::NoBrush);
  }
  p.setPen(b.tengely);
  for (const IdoJel& j : IdoJelek(b.kezdet, b.rajzSzelesseg)) {
    Kitolt(p, resz, VastagVonal(j.x, y0, j.x, y0 + 4), b.tengely);
    if (b.idovonalak) Kitolt(p, resz, VekonyVonal(j.x, 5, j.x, y0 + 4), b.tengely);
    if (j.x - 4 > resz.right() || y0 + 4 > resz.bottom()) continue;
    // A label keeps 10 pixels clear of the axis caption: measured by the
    // caption's width, or by its own when it is wider (a long index).
    const QString cimke = QString::number(j.index);
    if (j.x + IdoCimkeHely(tar, cimke.size(), feliratSzelesseg) + 10 < w - feliratSzelesseg - 9)
      Iras(p, tar, resz, j.x, y0 + 4, cimke);
  }
}

// The image's pixels, fetched once per series rather than once per run; it
// keeps the bounds of what it wrote.
struct Pixelek {
  Pixelek(QImage& kep, const QRect& resz)
      : kezdet(reinterpret_cast<QRgb*>(kep.bits())),
        lepes(kep.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
        x0(std::max(0, resz.left())),
        x1(std::min(kep.width() - 1, resz.right())),
        y0(std::max(0, resz.top())),
        y1(std::min(kep.height() - 1, resz.bottom())) {}
  QRgb* kezdet;
  qsizetype lepes;
  // The columns and rows written to, inclusive.
  int x0, x1, y0, y1;
  QRect irt;

  // Rows ya..yb (either order) of column x, clipped.
  void Oszlop(int x, int ya, int yb, QRgb szin) {
    if (x < x0 || x > x1) return;
    if (ya > yb) std::swap(ya, yb);
    const int y1 = std::max(ya, y0);
    const int y2 = std::min(yb, this->y1);
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


// The segments ending at tol .. ig - 1, each drawn only within `resz`.
QRect Szakaszok(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, int64_t tol, int64_t ig,
                const QRect& resz) {
  if (!sorozat.Lathato()) return {};
  tol = std::max(tol, b.kezdet + 1);
  ig = std::min({ig, RajzVeg(b.hossz, b.kezdet, b.rajzSzelesseg), sorozat.Rogzitett()});
  if (tol >= ig) return {};
  const int y0 = kep.height() - b.alsoMargo;
  const QRgb szin = sorozat.Szin().rgb();
  Pixelek pixelek(kep, resz);
  int elozoY = ErtekY(sorozat.Ertek(tol - 1), b.osztas, y0, kep.height());
  const bool szaggatott = sorozat.Szaggatott();
  for (int64_t i = tol; i < ig; ++i) {
    const int y = ErtekY(sorozat.Ertek(i), b.osztas, y0, kep.height());
    if (!szaggatott || SzaggatottSzakasz(i)) pixelek.Szakasz(PontX(i - 1, b.kezdet), elozoY, y, szin);
    elozoY = y;
  }
  return pixelek.irt;
}

// With the painter's font set and, for a part `resz`, its clip; the time
// axis caption measured with that font.
void HatterEsTengelyekRajza(QPainter& p, TSzovegTar& tar, const QRect& resz, const QImage& kep,
                            const TRajzBeallitas& b, int feliratSzelesseg) {
  const int w = kep.width();
  const int h = kep.height();
  const int y0 = h - b.alsoMargo;

  p.setPen(b.tengely);
  Iras(p, tar, resz, w - feliratSzelesseg - 9, y0 + 4, b.xFelirat, feliratSzelesseg);

  static const std::vector<QRect> felfeleNyil = NyilFutamok({QPoint(-4, 4), QPoint(0, 0), QPoint(4, 4)});
  static const std::vector<QRect> jobbraNyil = NyilFutamok({QPoint(-4, -4), QPoint(0, 0), QPoint(-4, 4)});
  Nyil(p, resz, felfeleNyil, QPoint(X0, 5), b.tengely);
  // The axes, meeting at (X0, y0); the corner's pixels belong to the time
  // axis alone, so a translucent colour is not laid on twice.
  Kitolt(p, resz, VastagVonal(X0, 5, X0, y0 - 2), b.tengely);
  Kitolt(p, resz, VastagVonal(X0, y0, w - 5, y0), b.tengely);
  Nyil(p, resz, jobbraNyil, QPoint(w - 5, y0), b.tengely);

  ErtekTengely(p, tar, resz, kep, b);
  IdoTengely(p, tar, resz, kep, b, y0, feliratSzelesseg);
}

}  // namespace

void Szakasz(QImage& kep, int x, int y1, int y2, QRgb szin) { Pixelek(kep, kep.rect()).Szakasz(x, y1, y2, szin); }

void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b, TSzovegTar& tar) {
  kep.fill(b.hatter);
  QPainter p(&kep);
  p.setFont(VaszonBetu());
  HatterEsTengelyekRajza(p, tar, kep.rect(), kep, b, tar.Meres(kep, b.xFelirat).FeliratSzelesseg());
}

void HatterEsTengelyek(QImage& kep, const TRajzBeallitas& b, const std::vector<QRect>& reszek,
                       TSzovegTar& tar) {
  if (reszek.empty()) return;
  // One painter and one font for all parts: setting them up costs about as
  // much as drawing a narrow part.
  QPainter p(&kep);
  p.setFont(VaszonBetu());
  const int feliratSzelesseg = tar.Meres(kep, b.xFelirat).FeliratSzelesseg();
  for (const QRect& r : reszek) {
    p.setClipRect(r);
    p.fillRect(r, b.hatter);
    HatterEsTengelyekRajza(p, tar, r, kep, b, feliratSzelesseg);
  }
}

void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat) {
  Szakaszok(kep, b, sorozat, b.kezdet + 1, RajzVeg(b.hossz, b.kezdet, b.rajzSzelesseg), kep.rect());
}

void SorozatVonal(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, const QRect& resz) {
  // A segment starting at column x writes columns x .. x + 2.
  const int64_t tol = b.kezdet + (resz.left() - 2 - X0) + 1;
  const int64_t ig = b.kezdet + (resz.right() - X0) + 2;
  Szakaszok(kep, b, sorozat, tol, ig, resz);
}

QRect SorozatSzakaszok(QImage& kep, const TRajzBeallitas& b, const TAdatCsoport& sorozat, int64_t tol,
                       int64_t ig) {
  return Szakaszok(kep, b, sorozat, tol, ig, kep.rect());
}

const QStaticText& TSzovegTar::Elrendezes(const QString& szoveg) {
  // Time labels keep coming as the chart runs; the store stays small.
  if (elrendezesek_.size() >= 256) elrendezesek_.clear();
  auto [hely, uj] = elrendezesek_.try_emplace(szoveg);
  if (uj) {
    hely->second.setTextFormat(Qt::PlainText);
    hely->second.setText(szoveg);
  }
  return hely->second;
}

const TSzovegTar& TSzovegTar::Meres(const QImage& kep, const QString& felirat) {
  if (ervenyes_ && felirat == felirat_ && kep.logicalDpiX() == dpi_) return *this;
  const QFontMetrics betu(VaszonBetu(), &kep);
  felirat_ = felirat;
  dpi_ = kep.logicalDpiX();
  feliratSzelesseg_ = betu.horizontalAdvance(felirat);
  szamjegySzelesseg_ = 0;
  for (char c = '0'; c <= '9'; ++c) szamjegySzelesseg_ = std::max(szamjegySzelesseg_, betu.horizontalAdvance(QChar(c)));
  ervenyes_ = true;
  return *this;
}

std::vector<QRect> CsuszasUtanFestendo(const QImage& kep, const TRajzBeallitas& b, int k, int ujTol,
                                       TSzovegTar& tar) {
  const int w = kep.width();
  const int h = kep.height();
  const int y0 = h - b.alsoMargo;
  tar.Meres(kep, b.xFelirat);
  // Time labels stand only left of this column (see IdoTengely), the widest
  // index in the window counting.
  const int feliratSzelesseg = tar.FeliratSzelesseg();
  const qsizetype legtobbJegy = QString::number(b.kezdet + b.rajzSzelesseg).size();
  const int feliratHatar = w - feliratSzelesseg - 19 - IdoCimkeHely(tar, legtobbJegy, feliratSzelesseg);
  // The left end: the first segment starts at X0 and writes up to X0 + 2;
  // ticks leaving it are 2 pixels wide; the value ticks and the arrow reach
  // a little right of the axis.
  const int balVeg = X0 + 7;
  // A leaving tick's label starts at most at X0 and is never wider than the
  // widest index in the window.
  const int cimkeVeg =
      X0 + static_cast<int>(QString::number(b.kezdet + b.rajzSzelesseg).size()) * tar.SzamjegySzelesseg() + 4;
  // The right end: new ticks, labels that came into the allowed band, the
  // ends of the grid lines and axis, the axis caption, new segments.
  const int jobbKezdet = std::min({X0 + b.rajzSzelesseg - k, feliratHatar - k, ujTol}) - 3;
  if (jobbKezdet <= std::max(balVeg, cimkeVeg) + 8 || jobbKezdet - balVeg < (w - CsuszoBalSzel) / 3) return {};
  // Labels and the caption stand below the axis; above it the right end
  // holds only the ends of the grid lines and the axis, its arrow and new
  // segments, a much narrower strip over most of the height.
  const int felsoKezdet = std::min(X0 + b.rajzSzelesseg - k, ujTol) - 3;
  return {QRect(QPoint(X0, 0), QPoint(balVeg - 1, h - 1)), QRect(QPoint(balVeg, y0 + 1), QPoint(cimkeVeg, h - 1)),
          QRect(QPoint(jobbKezdet, y0 + 1), QPoint(w - 1, h - 1)), QRect(QPoint(felsoKezdet, 0), QPoint(w - 1, y0))};
}

}  // namespace zelvaris
