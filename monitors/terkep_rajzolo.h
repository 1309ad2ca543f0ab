#pragma once
// The world's drawing sink in a window program: paints the map (one pixel per
// cell) and the magnifier (13 x 13 pixels per cell of the 40 x 40 frame) into
// two images and tells the windows which parts changed after each pass.

#include <QImage>
#include <QObject>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "core/okoszisztema.h"
#include "core/rajzolo.h"

namespace zelvaris {

class TTerkepRajzolo : public QObject, public TRajzolo {
  Q_OBJECT

 public:
  static constexpr int kNegyzet = 13;  // magnifier pixels per cell
  static constexpr int kKeret = TOkoszisztema::KeretMeret;
  static constexpr int kNagyitoOldal = kKeret * kNegyzet + 1;  // 521
  static constexpr TSzin KeretSzin = SargaSzin;
  static constexpr TSzin KeretvonalSzin = SzurkeSzin;  // the squares' outlines

  explicit TTerkepRajzolo(QObject* szulo = nullptr);
  ~TTerkepRajzolo() override;

  // The map image, oldal x oldal (empty before the grid is built or when it
  // did not fit in memory), and the magnifier image, 521 x 521.
  const QImage& TerkepKep() const { return terkep_; }
  const QImage& NagyitoKep() const { return nagyito_; }

  // No grid any more (a new ecosystem): both images become empty.
  void Urites();

  void KepekUjraepitese(int64_t oldal, bool uj) override;
  void RajzolasKezdete(bool mindet) override;
  void RajzolasVege() override;
  void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) override;
  void TerkepSor(int64_t sor, const TSzin* szinek, int64_t darab) override;
  void NagyitoNegyzet(int32_t oszlop, int32_t sor, TSzin hatter, bool vanAllat, int32_t nem,
                      TSzin allatSzin) override;

 signals:
  // The images were created again (uj: the magnifier too) or emptied.
  void KepekUjraepultek(bool uj);
  // After a drawing pass: the parts of each image that were painted.
  void TerkepValtozott(const QRegion& terulet);
  void NagyitoValtozott(const QRegion& terulet);

 private:
  void TerkepCsempeJelolese(int64_t oszlop, int64_t sor);
  QRegion TerkepTerulet();
  QRegion NagyitoTerulet();
  void Szimbolum(int px, int py, int32_t nem, TSzin allatSzin, TSzin hatter);

  QImage terkep_;
  QImage nagyito_;
  // Valid between RajzolasKezdete and RajzolasVege.
  QRgb* terkepBitek_ = nullptr;
  qsizetype terkepSor_ = 0;  // pixels per scan line
  int64_t terkepOldal_ = 0;
  QRgb* nagyitoBitek_ = nullptr;
  qsizetype nagyitoSor_ = 0;
  bool mindet_ = false;
  bool vanNagyito_ = false;
  // Changed parts of the map as tiles, so that a pass after a step reports
  // work in proportion to the changed cells.
  int64_t csempeOszlopok_ = 0;
  std::vector<uint8_t> csempeJelek_;
  std::vector<int64_t> csempek_;
  // Changed magnifier squares.
  std::vector<uint8_t> negyzetJelek_;
  std::vector<int32_t> negyzetek_;
};

// A model colour as an image pixel.
inline QRgb KepPont(TSzin szin) { return qRgb(szin & 0xFF, (szin >> 8) & 0xFF, (szin >> 16) & 0xFF); }

}  // namespace zelvaris
