// zelvaris-guide-images [--steps N] OUT_DIR: the guide's pictures, made by the
// window program itself. It opens the meadow in English with a fixed seed,
// applies it, runs N steps (1000 by default) with a chart and an age pyramid
// open, and saves each window as the user sees it into OUT_DIR as PNG. Run it
// with QT_QPA_PLATFORM=offscreen; scripts/guide-images.sh does.
//
// The program runs in a temporary program directory holding copies of the
// languages and the two examples, so the user's settings are never touched.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "editors/faj_szerkeszto.h"
#include "monitors/form_grafikon.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_korfa.h"
#include "monitors/form_ngy.h"
#include "monitors/form_oko.h"
#include "monitors/form_permetek.h"
#include "monitors/form_tkp.h"
#include "monitors/terkep_vaszon.h"
#include "widgets/adat_csoport.h"
#include "widgets/grafikon_panel.h"
#include "shell/form_kezelo.h"
#include "shell/hibakezeles.h"
#include "shell/program.h"
#include "widgets/pnx_grafikon.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kMag = 7;
constexpr int kAlapLepesek = 1000;
// The pesticide run as the guide tells it: the foxes' persistent dose has
// long passed the rabbits' by step 400.
constexpr uint32_t kPermetMag = 1;
constexpr int kPermetElott = 99;
constexpr int kPermetUtan = 301;

// Lets the windows lay themselves out and paint what they owe.
void Pihen(int ms) {
  QEventLoop hurok;
  QTimer::singleShot(ms, &hurok, &QEventLoop::quit);
  hurok.exec();
}

void Elokeszites(const fs::path& forras, const fs::path& cel) {
  fs::create_directories(cel / "okocfg");
  fs::copy(forras / "languages", cel / "languages", fs::copy_options::recursive);
  for (const char* pelda : {"meadow.okocfg", "pesticide.okocfg"})
    fs::copy_file(forras / "okocfg" / pelda, cel / "okocfg" / pelda);
  std::ofstream(cel / "defaultcfg.LIni") << "[LANGUAGE]\ndefaultlanguage=English.lng\n";
}

bool Mentes(QWidget& ablak, const QDir& ki, const char* nev) {
  ablak.show();
  ablak.raise();
  Pihen(150);
  const QImage kep = ablak.grab().toImage();
  const QString fajl = ki.filePath(QString::fromLatin1(nev) + QStringLiteral(".png"));
  if (kep.isNull() || !kep.save(fajl, "PNG", 9)) {
    std::fprintf(stderr, "zelvaris-guide-images: cannot write %s\n", qPrintable(fajl));
    return false;
  }
  std::printf("%s %dx%d\n", qPrintable(fajl), kep.width(), kep.height());
  return true;
}

// The offscreen platform says at every raise() that it cannot; that is no news.
void Uzenet(QtMsgType fajta, const QMessageLogContext&, const QString& szoveg) {
  if (szoveg.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (fajta == QtDebugMsg || fajta == QtInfoMsg) return;
  std::fprintf(stderr, "%s\n", qPrintable(szoveg));
}

int Hasznalat() {
  std::fprintf(stderr, "Usage: zelvaris-guide-images [--steps N] OUT_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(Uzenet);
  zelvaris::TZelvarisAlkalmazas app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  QStringList argumentumok = app.arguments().mid(1);
  int lepesek = kAlapLepesek;
  if (argumentumok.size() == 3 && argumentumok[0] == QStringLiteral("--steps")) {
    bool jo = false;
    lepesek = argumentumok[1].toInt(&jo);
    if (!jo || lepesek < 1) return Hasznalat();
    argumentumok = argumentumok.mid(2);
  }
  if (argumentumok.size() != 1 || argumentumok[0].startsWith(u'-')) return Hasznalat();
  // Start-up makes the program directory current: resolve the folder first.
  const QDir ki(QFileInfo(argumentumok[0]).absoluteFilePath());
  if (!QDir().mkpath(ki.path())) {
    std::fprintf(stderr, "zelvaris-guide-images: cannot make %s\n", qPrintable(ki.path()));
    return 1;
  }

  QTemporaryDir konyvtar;
  const fs::path programKonyvtar = konyvtar.path().toStdString();
  try {
    Elokeszites(QCoreApplication::applicationDirPath().toStdString(), programKonyvtar);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zelvaris-guide-images: %s (run it from the build folder's bin/)\n", e.what());
    return 1;
  }

  zelvaris::TProgram program(programKonyvtar);
  zelvaris::TForm_Fo& fo = program.Fo();
  const auto& ablakok = program.Ablakok();
  bool rendben = true;
  app.SetHibakezelo([&rendben](std::exception_ptr hiba) {
    try {
      std::rethrow_exception(hiba);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "zelvaris-guide-images: %s\n", e.what());
    }
    rendben = false;
  });
  auto futtat = [&fo](const char* akcio) { fo.Akciok()[akcio]->trigger(); };

  fo.resize(820, 110);
  fo.show();
  fo.MagBeallitasa(kMag);
  try {
    fo.FajlMegnyitasa(programKonyvtar / "okocfg" / "meadow.okocfg");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zelvaris-guide-images: %s\n", e.what());
    return 1;
  }
  futtat("Act_Alkalmaz");

  // The chart and the pyramid record from the first step on.
  futtat("Act_UjGrafikonAblak");
  zelvaris::TForm_Grafikon& grafikon = fo.GrafikonFormLista().Ablak(0);
  // Tall enough for every species in the panel.
  grafikon.resize(860, 460);
  grafikon.Grafikon().SetIllesztes(true);
  // The plants' masses and the mice dwarf the rabbits and the foxes: the
  // picture shows those two, as a user would after unticking the others.
  // Series: the plants, then the animals, each in Id order.
  for (int i : {0, 1, 3}) grafikon.Grafikon().Sorozat(i).Jelolo()->setChecked(false);
  futtat("Act_UjKorfaAblak");
  zelvaris::TForm_Korfa& korfa = fo.KorfaFormLista().Ablak(0);
  korfa.CmB_AllatFaj()->setCurrentIndex(0);
  korfa.SetAllatFaj(0);
  korfa.SetKorbeosztas(5);
  korfa.SetSavSzelesseg(8);
  korfa.resize(460, 232);

  for (int i = 0; i < lepesek; ++i) ablakok.Kezelo->Tikk();
  // A left click in the middle of the map moves the magnifier there.
  QWidget& vaszon = ablakok.Tkp->Vaszon();
  const QPointF kozep(150, 150);
  QMouseEvent nyomas(QEvent::MouseButtonPress, kozep, vaszon.mapToGlobal(kozep), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&vaszon, &nyomas);
  QMouseEvent elengedes(QEvent::MouseButtonRelease, kozep, vaszon.mapToGlobal(kozep), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&vaszon, &elengedes);

  futtat("Act_UjAllatfajAblak");
  futtat("Act_UjNovenyfajAblak");
  futtat("Act_PermetetElorehoz");
  futtat("Act_KijelzotElorehoz");
  // The species editors size themselves to their texts; these two are wide
  // enough for every field and every page tab.
  ablakok.Permetek->resize(360, 260);
  ablakok.Kijelzes->resize(400, 300);

  rendben = Mentes(fo, ki, "main-window") && rendben;
  rendben = Mentes(*ablakok.Kezelo, ki, "controller") && rendben;
  rendben = Mentes(*(ablakok.Oko), ki, "ecosystem") && rendben;
  rendben = Mentes(*(ablakok.Tkp), ki, "map") && rendben;
  rendben = Mentes(*(ablakok.Ngy), ki, "magnifier") && rendben;
  rendben = Mentes(grafikon, ki, "chart") && rendben;
  rendben = Mentes(korfa, ki, "age-pyramid") && rendben;
  rendben = Mentes(fo.AllatFormLista().Szerkeszto(0), ki, "animal-editor") && rendben;
  rendben = Mentes(fo.NovenyFormLista().Szerkeszto(0), ki, "plant-editor") && rendben;
  rendben = Mentes(*(ablakok.Permetek), ki, "sprays") && rendben;
  rendben = Mentes(*(ablakok.Kijelzes), ki, "display") && rendben;

  // A new world closes the meadow's charts: this one is the only chart left.
  fo.MagBeallitasa(kPermetMag);
  try {
    fo.FajlMegnyitasa(programKonyvtar / "okocfg" / "pesticide.okocfg");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zelvaris-guide-images: %s\n", e.what());
    return 1;
  }
  futtat("Act_Alkalmaz");
  futtat("Act_UjGrafikonAblak");
  zelvaris::TForm_Grafikon& dozisok = fo.GrafikonFormLista().Ablak(fo.GrafikonFormLista().Darab() - 1);
  // Tall enough for both series of both species in the panel.
  dozisok.resize(860, 430);
  dozisok.Grafikon().Panel()->CmB_Nezet->setCurrentIndex(1);
  for (int i = 0; i < kPermetElott; ++i) ablakok.Kezelo->Tikk();
  futtat("Act_PerPermetezes");
  for (int i = 0; i < kPermetUtan; ++i) ablakok.Kezelo->Tikk();
  rendben = Mentes(dozisok, ki, "doses-chart") && rendben;
  app.SetHibakezelo(nullptr);
  return rendben ? 0 : 1;
}
