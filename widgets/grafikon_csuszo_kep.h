#pragma once
// The chart's plot image, kept inside a wider buffer so that a slide moves
// the image's origin instead of its pixels. The columns left of
// CsuszoBalSzel (the value axis) stay put: they are copied to the new
// origin, a small part of the image. Only when the origin reaches the end of
// the buffer is everything moved back to its start, once per buffer width of
// sliding rather than at every frame.

#include <QImage>

namespace zelvaris {

class TCsuszoKep {
 public:
  // A new image of the given size; its pixels are undefined.
  void Ujra(int szelesseg, int magassag);
  // The image: a view into the buffer, valid until the next Ujra or Tolas.
  QImage& Kep() { return kep_; }
  const QImage& Kep() const { return kep_; }
  // Moves the columns from CsuszoBalSzel on left by k pixels; the k columns
  // freed at the right keep stale pixels.
  void Tolas(int k);

 private:
  void Nezet();

  QImage tampon_;
  QImage kep_;
  int szelesseg_ = 0;
  // The buffer column where the image starts.
  int kezdo_ = 0;
};

}  // namespace zelvaris
