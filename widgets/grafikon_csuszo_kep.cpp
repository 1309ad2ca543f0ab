#include "grafikon_csuszo_kep.h"

#include <QRgb>
#include <algorithm>
#include <cstring>

#include "grafikon_rajz.h"

namespace zelvaris {

void TCsuszoKep::Ujra(int szelesseg, int magassag) {
  kep_ = QImage();
  szelesseg_ = std::max(1, szelesseg);
  // Room for one image width of sliding before the pixels have to move.
  tampon_ = QImage(2 * szelesseg_, std::max(1, magassag), QImage::Format_RGB32);
  kezdo_ = 0;
  Nezet();
}

void TCsuszoKep::Nezet() {
  // Not const data: drawing into the view writes into the buffer, never into a copy.
  kep_ = QImage(tampon_.bits() + static_cast<qsizetype>(kezdo_) * static_cast<qsizetype>(sizeof(QRgb)), szelesseg_,
                tampon_.height(), tampon_.bytesPerLine(), QImage::Format_RGB32);
}

void TCsuszoKep::Tolas(int k) {
  const int bal = std::min(CsuszoBalSzel, szelesseg_);
  const int db = szelesseg_ - bal - k;
  if (k <= 0 || db <= 0) return;
  const int uj = kezdo_ + k + szelesseg_ <= tampon_.width() ? kezdo_ + k : 0;
  for (int y = 0; y < tampon_.height(); ++y) {
    QRgb* sor = reinterpret_cast<QRgb*>(tampon_.scanLine(y));
    QRgb* regi = sor + kezdo_;
    QRgb* ide = sor + uj;
    if (uj == 0) {
      // Back to the start: the sliding columns move once in a while.
      std::memmove(ide + bal, regi + bal + k, static_cast<size_t>(db) * sizeof(QRgb));
    }
    std::memmove(ide, regi, static_cast<size_t>(bal) * sizeof(QRgb));
  }
  kezdo_ = uj;
  Nezet();
}

}  // namespace zelvaris
