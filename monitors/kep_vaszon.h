#pragma once
// A widget that shows an image at its natural size, repainting only the
// parts it is told changed, at most once per frame: the world may be drawn
// hundreds of times a second, far more often than a screen shows. The map
// adds its frame and mouse on top.

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "widgets/kepkocka.h"

namespace zelvaris {

class TKepVaszon : public QWidget, private TKepkockaKliens {
  Q_OBJECT

 public:
  // The image is not owned and must outlive the widget.
  explicit TKepVaszon(const QImage& kep, QWidget* szulo = nullptr);

  // Takes the image's current size (after it was created again).
  void MeretIgazitas();
  // The region of the image that changed; repainted at the next frame.
  void Valtozott(const QRegion& terulet);

 protected:
  void paintEvent(QPaintEvent* esemeny) override;
  // Drawn over the image, inside the repainted rectangle.
  virtual void Fedes(QPainter& festo) { (void)festo; }

 private:
  void Kepkocka() override;

  const QImage& kep_;
  QRegion valtozott_;
};

}  // namespace zelvaris
