// Zelvaris, the window program. An optional argument names a configuration
// (.okocfg) or snapshot (.okopill) to open at start, as the open actions would.

#include <QDir>
#include <QFileInfo>

#include "shell/hibakezeles.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  zelvaris::TZelvarisAlkalmazas app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  // Start-up makes the program directory current: a relative argument is
  // resolved before that.
  const QStringList argumentumok = app.arguments();
  const QString fajl = argumentumok.size() > 1 ? QFileInfo(argumentumok.at(1)).absoluteFilePath() : QString();

  zelvaris::TProgram program(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
  zelvaris::TForm_Fo& fo = program.Fo();
  app.SetHibakezelo([&program, &fo](std::exception_ptr hiba) {
    zelvaris::HibaMegjelenitese(program.Kornyezet().Modalis(), &fo, hiba);
  });
  QObject::connect(&fo, &zelvaris::TForm_Fo::Bezarva, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  fo.showMaximized();

  if (!fajl.isEmpty()) {
    zelvaris::Vedett(program.Kornyezet().Modalis(), &fo,
                     [&] { fo.FajlMegnyitasa(std::filesystem::path(fajl.toStdString())); });
  }
  const int eredmeny = app.exec();
  app.SetHibakezelo(nullptr);
  return eredmeny;
}
