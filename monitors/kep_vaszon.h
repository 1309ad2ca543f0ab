#pragma once
// A widget that shows an image at its natural size, repainting only the
// parts it is told changed. The map adds its frame and mouse on top.

#include <QImage>
#include <QWidget>

namespace zelvaris {

class TKepVaszon : public QWidget {
  Q_OBJECT

 public:
  // The image is not owned and must outlive the widget.
  explicit TKepVaszon(const QImage& kep, QWidget* szulo = nullptr);

  // Takes the image's current size (after it was created again).
  void MeretIgazitas();

 protected:
  void paintEvent(QPaintEvent* esemeny) override;
  // Drawn over the image, inside the repainted rectangle.
  virtual void Fedes(QPainter& festo) { (void)festo; }

 private:
  const QImage& kep_;
};

}  // namespace zelvaris
