#include "shell/hibakezeles.h"

#include <cstdio>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/program_uzenetek.h"
#include "widgets/modalis_felulet.h"

namespace zelvaris {

void HibaMegjelenitese(TAlkalmazasKornyezet& kornyezet, QWidget* szulo, std::exception_ptr hiba) {
  const TNyelviTabla& tabla = kornyezet.Nyelv().Tabla();
  std::string szoveg;
  try {
    std::rethrow_exception(hiba);
  } catch (const std::exception& e) {
    szoveg = HibaSzovege(e, tabla);
  } catch (...) {
    szoveg = tabla.Szoveg(kIsmeretlenHibaUzenet);
  }
  kornyezet.Modalis().Uzenet(szulo, TModalisFelulet::TUzenetFajta::Hiba, QStringLiteral("Zelvaris"),
                             QString::fromStdString(szoveg));
}

void Vedett(TAlkalmazasKornyezet& kornyezet, QWidget* szulo, const std::function<void()>& munka) {
  try {
    munka();
  } catch (...) {
    HibaMegjelenitese(kornyezet, szulo, std::current_exception());
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
