// Zelvaris, the window program: `zelvaris [--seed N] [FILE]`. FILE names a
// configuration (.okocfg) or snapshot (.okopill) to open at start, as the
// open actions would; N sets the random generator's state before that.

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "shell/hibakezeles.h"
#include "shell/inditasi_argumentumok.h"
#include "shell/program.h"
#include "widgets/qszoveg.h"

int main(int argc, char** argv) {
  zelvaris::TZelvarisAlkalmazas app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  zelvaris::TInditasiArgumentumok argumentumok;
  try {
    argumentumok = zelvaris::InditasiArgumentumok(app.arguments().mid(1));
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "zelvaris: %s\nHasználat: zelvaris [--seed N] [FÁJL]\n", e.what());
    return 2;
  }
  // Start-up makes the program directory current: a relative argument is
  // resolved before that.
  const QString fajl =
      argumentumok.Fajl.isEmpty() ? QString() : QFileInfo(argumentumok.Fajl).absoluteFilePath();

  zelvaris::TProgram program(zelvaris::Utvonal(QCoreApplication::applicationDirPath()));
  zelvaris::TForm_Fo& fo = program.Fo();
  app.SetHibakezelo([&program, &fo](std::exception_ptr hiba) {
    zelvaris::HibaMegjelenitese(program.Kornyezet(), &fo, hiba);
  });
  QObject::connect(&fo, &zelvaris::TForm_Fo::Bezarva, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  fo.showMaximized();

  if (argumentumok.Mag) fo.MagBeallitasa(*argumentumok.Mag);
  if (!fajl.isEmpty()) {
    zelvaris::Vedett(program.Kornyezet(), &fo,
                     [&] { fo.FajlMegnyitasa(zelvaris::Utvonal(fajl)); });
  }
  const int eredmeny = app.exec();
  app.SetHibakezelo(nullptr);
  return eredmeny;
}
