#pragma once
// The pyramid image of an age-pyramid window inside a vertically scrolling
// area. The image is as wide as the area and as high as the pyramid needs,
// which may be far more than any bitmap could hold: nothing pyramid-sized is
// ever allocated. Only the rows in view are painted, straight from the
// counts, and the scroll range is scaled when it outgrows a scroll bar.
//
// The window keeps the counts exact every step; the pixels follow at most
// once per frame and only while the window is visible. A frame repaints only
// the bar ends that moved since the last one, unless the view itself changed
// (size, scroll position, settings, colour), which repaints it all.

#include <QAbstractScrollArea>
#include <QColor>
#include <QRegion>
#include <array>
#include <cstdint>
#include <vector>

class QPainter;

#include "monitors/korfa_geometria.h"
#include "widgets/kepkocka.h"

namespace zelvaris {

class TKorfaVaszon : public QAbstractScrollArea, private TKepkockaKliens {
  Q_OBJECT

 public:
  explicit TKorfaVaszon(QWidget* szulo = nullptr);

  // What to draw. `sorok` is read at paint time; null draws no bars.
  void SetTartalom(const TKorfaSorok* sorok, const QColor& savSzin, int64_t savSzam,
                   int64_t osztalyokSavonkent, const korfa::TBeallitas& beallitas);

  // The image's height; -1 follows the visible height (before any pyramid).
  int64_t KepMagassag() const { return kepMagassag_; }
  int64_t KepSzelesseg() const;
  // Sets the height and scrolls to the bottom, where the youngest bands are.
  void SetKepMagassag(int64_t h);
  int64_t TenylegesMagassag() const;
  // The image row shown at the top of the visible area.
  int64_t Teteje() const;
  void Aljara();

  // Asks for a repaint at the next frame (nothing while hidden).
  void Rajzolas();
  bool Engedelyezett() const { return engedelyezett_; }
  void SetEngedelyezett(bool v);

 protected:
  void paintEvent(QPaintEvent* esemeny) override;
  void resizeEvent(QResizeEvent* esemeny) override;
  void showEvent(QShowEvent* esemeny) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  // What the viewport shows: the view's frame and the bar lengths (female,
  // male) of the bands in view.
  struct TNezet {
    bool ervenyes = false;
    int szel = 0;
    int mag = 0;
    int64_t h = 0;
    int64_t teteje = 0;
    bool engedelyezett = false;
    bool vanSorok = false;
    QColor savSzin;
    int64_t osztalyokSavonkent = 1;
    korfa::TBeallitas beallitas;
    int64_t elsoSav = 0;
    std::vector<std::array<int64_t, 2>> hosszak;
    bool UgyanazAKeret(const TNezet& m) const;
    std::array<int64_t, 2> Hossz(int64_t sav) const;
  };

  void GorgetoBeallitas();
  TNezet AktualisNezet() const;
  // Takes the current view and returns the viewport area whose pixels it changes.
  QRegion NezetFrissites();
  void Kepkocka() override;
  void Festes(QPainter& p, const QRect& terulet);

  const TKorfaSorok* sorok_ = nullptr;
  QColor savSzin_;
  int64_t savSzam_ = 0;
  int64_t osztalyokSavonkent_ = 1;
  korfa::TBeallitas beallitas_;
  int64_t kepMagassag_ = -1;
  bool engedelyezett_ = false;
  // The scroll bar's steps stand for this many rows (1 unless the range is huge).
  int64_t maxTeteje_ = 0;
  TNezet nezet_;
};

}  // namespace zelvaris
