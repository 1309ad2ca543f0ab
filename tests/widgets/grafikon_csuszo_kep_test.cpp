// The plot image's buffer: after any run of slides the image holds exactly
// what moving its pixels would have left, the value axis columns included,
// also when the origin wraps back to the start of the buffer.
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "widgets/grafikon_csuszo_kep.h"
#include "widgets/grafikon_rajz.h"

using namespace zelvaris;

namespace {

// Moves the sliding columns of a plain image, the plain way.
void Tolas(QImage& kep, int k) {
  const int db = kep.width() - CsuszoBalSzel - k;
  if (k <= 0 || db <= 0) return;
  for (int y = 0; y < kep.height(); ++y) {
    QRgb* sor = reinterpret_cast<QRgb*>(kep.scanLine(y)) + CsuszoBalSzel;
    std::memmove(sor, sor + k, static_cast<size_t>(db) * sizeof(QRgb));
  }
}

// Gives each freed column new values, as the chart redraws them.
void Festes(QImage& kep, int k, int kor) {
  for (int y = 0; y < kep.height(); ++y)
    for (int x = std::max(0, kep.width() - k); x < kep.width(); ++x)
      kep.setPixel(x, y, qRgb(kor % 256, x % 256, y % 256));
}

}  // namespace

class GrafikonCsuszoKepTest : public QObject {
  Q_OBJECT

 private slots:
  void TolasMintPixelekMozgatasa_data() {
    QTest::addColumn<QList<int>>("tolasok");
    QTest::newRow("1 px many times, wrapping") << QList<int>(700, 1);
    QTest::newRow("varied, wrapping") << QList<int>{7, 13, 1, 120, 3, 90, 60, 2, 150, 5, 33, 80, 41, 9, 100};
    QTest::newRow("as wide as the sliding part: nothing moves") << QList<int>{5, 200 - CsuszoBalSzel, 4};
    QTest::newRow("zero and negative: nothing moves") << QList<int>{0, -3, 2};
  }
  void TolasMintPixelekMozgatasa() {
    QFETCH(QList<int>, tolasok);
    const int w = 200, h = 31;
    TCsuszoKep tar;
    tar.Ujra(w, h);
    QImage vart(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) vart.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    QPainter(&tar.Kep()).drawImage(0, 0, vart);
    int kor = 0;
    for (int k : tolasok) {
      ++kor;
      tar.Tolas(k);
      Tolas(vart, k);
      Festes(tar.Kep(), k, kor);
      Festes(vart, k, kor);
      QCOMPARE(tar.Kep().size(), QSize(w, h));
      QCOMPARE(tar.Kep(), vart);
    }
  }
};

QTEST_MAIN(GrafikonCsuszoKepTest)
#include "grafikon_csuszo_kep_test.moc"
