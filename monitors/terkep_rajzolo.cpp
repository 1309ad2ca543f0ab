#include "monitors/terkep_rajzolo.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace zelvaris {

namespace {

// Side of the map tiles in which changes are collected, in pixels.
constexpr int64_t kCsempe = 32;

// Rectangles of a grid of equal cells from the marked cells' indices
// (row-major): each run of neighbours in a row is one rectangle. The result is
// in the banded order QRegion::setRects expects.
QRegion Futamok(std::vector<int64_t>& indexek, int64_t oszlopok, int64_t cella, const QRect& kep) {
  std::sort(indexek.begin(), indexek.end());
  std::vector<QRect> teglalapok;
  size_t i = 0;
  while (i < indexek.size()) {
    size_t j = i + 1;
    while (j < indexek.size() && indexek[j] == indexek[j - 1] + 1 && indexek[j] % oszlopok != 0) ++j;
    const int64_t sor = indexek[i] / oszlopok;
    const int64_t elso = indexek[i] % oszlopok;
    const int64_t db = static_cast<int64_t>(j - i);
    const QRect t = QRect(static_cast<int>(elso * cella), static_cast<int>(sor * cella),
                          static_cast<int>(db * cella), static_cast<int>(cella)) &
                    kep;
    if (!t.isEmpty()) teglalapok.push_back(t);
    i = j;
  }
  QRegion terulet;
  if (!teglalapok.empty()) terulet.setRects(teglalapok.data(), static_cast<int>(teglalapok.size()));
  return terulet;
}

// The sex symbols with a two-pixel pen, written straight into one square of
// the magnifier (coordinates relative to its top-left pixel).
struct TSzimbolumRajz {
  QRgb* bitek;
  qsizetype sorHossz;
  QRgb toll;
  QRgb ecset;

  void Pont(int x, int y, QRgb szin) const {
    if (x >= 0 && y >= 0 && x < TTerkepRajzolo::kNegyzet && y < TTerkepRajzolo::kNegyzet)
      bitek[y * sorHossz + x] = szin;
  }

  // The ellipse inscribed in the box (left, top) - (right, bottom), right and
  // bottom exclusive: a pixel belongs to it when its centre lies inside; the
  // two-pixel outline lies inside the box, the rest is filled with the brush.
  void Ellipszis(int bal, int felso, int jobb, int also) const {
    const double kx = (bal + jobb) / 2.0, ky = (felso + also) / 2.0;
    const double a = (jobb - bal) / 2.0, b = (also - felso) / 2.0;
    auto belul = [&](int x, int y, double ra, double rb) {
      if (ra <= 0 || rb <= 0) return false;
      const double dx = (x + 0.5 - kx) / ra, dy = (y + 0.5 - ky) / rb;
      return dx * dx + dy * dy <= 1.0;
    };
    for (int y = felso; y < also; ++y)
      for (int x = bal; x < jobb; ++x)
        if (belul(x, y, a, b)) Pont(x, y, belul(x, y, a - 2, b - 2) ? ecset : toll);
  }

  // A line from (x0, y0) to (x1, y1) without its end point; the pen's second
  // pixel lies below a flat line and right of a steep one.
  void Vonal(int x0, int y0, int x1, int y1) const {
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool meredek = dy > dx;
    int hiba = dx - dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
      Pont(x, y, toll);
      Pont(meredek ? x + 1 : x, meredek ? y : y + 1, toll);
      const int h2 = 2 * hiba;
      if (h2 > -dy) {
        hiba -= dy;
        x += sx;
      }
      if (h2 < dx) {
        hiba += dx;
        y += sy;
      }
    }
  }
};

QImage UresKep(int64_t oldal) {
  if (oldal <= 0 || oldal > INT_MAX) return {};
  // A side the memory cannot hold gives a null image; the map then stays blank.
  QImage kep(static_cast<int>(oldal), static_cast<int>(oldal), QImage::Format_RGB32);
  if (!kep.isNull()) kep.fill(Qt::black);
  return kep;
}

}  // namespace

TTerkepRajzolo::TTerkepRajzolo(QObject* szulo) : QObject(szulo) {}

TTerkepRajzolo::~TTerkepRajzolo() = default;

void TTerkepRajzolo::Urites() {
  terkep_ = QImage();
  nagyito_ = QImage();
  csempeOszlopok_ = 0;
  csempeJelek_.clear();
  csempek_.clear();
  negyzetJelek_.clear();
  negyzetek_.clear();
  emit KepekUjraepultek(true);
}

void TTerkepRajzolo::KepekUjraepitese(int64_t oldal, bool uj) {
  terkep_ = QImage();  // the old map goes before the new one is allocated
  terkep_ = UresKep(oldal);
  csempeOszlopok_ = terkep_.isNull() ? 0 : (oldal + kCsempe - 1) / kCsempe;
  csempeJelek_.assign(static_cast<size_t>(csempeOszlopok_ * csempeOszlopok_), 0);
  csempek_.clear();
  // After a resize the frame may lie partly outside the world; those squares
  // are never drawn again, so nothing of the old world may stay on them.
  if (uj || nagyito_.isNull()) {
    nagyito_ = UresKep(kNagyitoOldal);
  } else {
    nagyito_.fill(Qt::black);
  }
  negyzetJelek_.assign(static_cast<size_t>(kKeret * kKeret), 0);
  negyzetek_.clear();
  emit KepekUjraepultek(uj);
}

void TTerkepRajzolo::RajzolasKezdete(bool mindet) {
  mindet_ = mindet;
  // bits() detaches once here, so the pointers stay valid for the whole pass.
  terkepBitek_ = terkep_.isNull() ? nullptr : reinterpret_cast<QRgb*>(terkep_.bits());
  terkepSor_ = terkep_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  terkepOldal_ = terkep_.width();
  nagyitoBitek_ = nagyito_.isNull() ? nullptr : reinterpret_cast<QRgb*>(nagyito_.bits());
  nagyitoSor_ = nagyito_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  vanNagyito_ = false;
}

void TTerkepRajzolo::RajzolasVege() {
  terkepBitek_ = nullptr;
  nagyitoBitek_ = nullptr;
  QRegion terkep, nagyito;
  if (mindet_) {
    terkep = QRegion(terkep_.rect());
    nagyito = vanNagyito_ ? QRegion(nagyito_.rect()) : QRegion();
  } else {
    terkep = TerkepTerulet();
    nagyito = NagyitoTerulet();
  }
  mindet_ = false;
  if (!terkep.isEmpty()) emit TerkepValtozott(terkep);
  if (!nagyito.isEmpty()) emit NagyitoValtozott(nagyito);
}

void TTerkepRajzolo::TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) {
  if (terkepBitek_ == nullptr || oszlop < 0 || sor < 0 || oszlop >= terkepOldal_ || sor >= terkepOldal_) return;
  QRgb& pont = terkepBitek_[sor * terkepSor_ + oszlop];
  const QRgb uj = KepPont(szin);
  if (pont == uj) return;
  pont = uj;
  if (!mindet_) TerkepCsempeJelolese(oszlop, sor);
}

void TTerkepRajzolo::TerkepSor(int64_t sor, const TSzin* szinek, int64_t darab) {
  if (terkepBitek_ == nullptr || sor < 0 || sor >= terkepOldal_) return;
  const int64_t n = std::min(darab, terkepOldal_);
  QRgb* pontok = terkepBitek_ + sor * terkepSor_;
  if (mindet_) {
    for (int64_t oszlop = 0; oszlop < n; ++oszlop) pontok[oszlop] = KepPont(szinek[oszlop]);
    return;
  }
  for (int64_t oszlop = 0; oszlop < n; ++oszlop) TerkepPont(oszlop, sor, szinek[oszlop]);
}

void TTerkepRajzolo::TerkepCsempeJelolese(int64_t oszlop, int64_t sor) {
  const int64_t csempe = (sor / kCsempe) * csempeOszlopok_ + oszlop / kCsempe;
  uint8_t& jel = csempeJelek_[static_cast<size_t>(csempe)];
  if (jel != 0) return;
  jel = 1;
  csempek_.push_back(csempe);
}

QRegion TTerkepRajzolo::TerkepTerulet() {
  for (int64_t c : csempek_) csempeJelek_[static_cast<size_t>(c)] = 0;
  QRegion terulet = Futamok(csempek_, csempeOszlopok_, kCsempe, terkep_.rect());
  csempek_.clear();
  return terulet;
}

QRegion TTerkepRajzolo::NagyitoTerulet() {
  std::vector<int64_t> indexek(negyzetek_.begin(), negyzetek_.end());
  for (int32_t n : negyzetek_) negyzetJelek_[static_cast<size_t>(n)] = 0;
  negyzetek_.clear();
  return Futamok(indexek, kKeret, kNegyzet, nagyito_.rect());
}

void TTerkepRajzolo::NagyitoNegyzet(int32_t oszlop, int32_t sor, TSzin hatter, bool vanAllat, int32_t nem,
                                    TSzin allatSzin) {
  if (nagyitoBitek_ == nullptr || oszlop < 0 || sor < 0 || oszlop >= kKeret || sor >= kKeret) return;
  vanNagyito_ = true;
  const int px = oszlop * kNegyzet, py = sor * kNegyzet;
  // A 13 x 13 square: grey outline on its border pixels, the background inside.
  const QRgb vonal = KepPont(KeretvonalSzin), belso = KepPont(hatter);
  for (int y = 0; y < kNegyzet; ++y) {
    QRgb* sorBitek = nagyitoBitek_ + (py + y) * nagyitoSor_ + px;
    const bool szel = y == 0 || y == kNegyzet - 1;
    sorBitek[0] = vonal;
    for (int x = 1; x < kNegyzet - 1; ++x) sorBitek[x] = szel ? vonal : belso;
    sorBitek[kNegyzet - 1] = vonal;
  }
  if (vanAllat && nem >= 0 && nem <= 2) Szimbolum(px, py, nem, allatSzin, hatter);
  if (!mindet_) {
    const int32_t n = sor * kKeret + oszlop;
    if (negyzetJelek_[static_cast<size_t>(n)] == 0) {
      negyzetJelek_[static_cast<size_t>(n)] = 1;
      negyzetek_.push_back(n);
    }
  }
}

void TTerkepRajzolo::Szimbolum(int px, int py, int32_t nem, TSzin allatSzin, TSzin hatter) {
  TSzimbolumRajz rajz{nagyitoBitek_ + py * nagyitoSor_ + px, nagyitoSor_, KepPont(allatSzin), KepPont(hatter)};
  switch (nem) {
    case 0:
      rajz.Ellipszis(3, 3, 9, 9);
      break;
    case 1:
      rajz.Ellipszis(2, 5, 8, 12);
      rajz.Vonal(6, 5, 10, 2);
      rajz.Vonal(10, 2, 10, 5);
      rajz.Vonal(10, 2, 5, 2);
      break;
    case 2:
      rajz.Ellipszis(3, 1, 10, 7);
      rajz.Vonal(6, 7, 6, 12);
      rajz.Vonal(2, 9, 9, 9);
      break;
    default:
      break;
  }
}

}  // namespace zelvaris
