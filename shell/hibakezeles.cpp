#include "shell/hibakezeles.h"

#include <cstdio>

#include "widgets/modalis_felulet.h"

namespace zelvaris {

void HibaMegjelenitese(TModalisFelulet& modalis, QWidget* szulo, std::exception_ptr hiba) {
  QString szoveg;
  try {
    std::rethrow_exception(hiba);
  } catch (const std::bad_alloc&) {
    szoveg = QStringLiteral("Nincs elég memória a művelethez.");
  } catch (const std::exception& e) {
    szoveg = QString::fromUtf8(e.what());
  } catch (...) {
    szoveg = QStringLiteral("Ismeretlen hiba történt.");
  }
  modalis.Uzenet(szulo, TModalisFelulet::TUzenetFajta::Hiba, QStringLiteral("Zelvaris"), szoveg);
}

void Vedett(TModalisFelulet& modalis, QWidget* szulo, const std::function<void()>& munka) {
  try {
    munka();
  } catch (...) {
    HibaMegjelenitese(modalis, szulo, std::current_exception());
  }
}

TZelvarisAlkalmazas::TZelvarisAlkalmazas(int& argc, char** argv) : QApplication(argc, argv) {}

bool TZelvarisAlkalmazas::notify(QObject* cel, QEvent* esemeny) {
  try {
    return QApplication::notify(cel, esemeny);
  } catch (...) {
    if (hibakezelo_) {
      hibakezelo_(std::current_exception());
    } else {
      std::fputs("Zelvaris: unhandled error\n", stderr);
    }
    return false;
  }
}

}  // namespace zelvaris
