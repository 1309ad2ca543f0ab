#include "shell/inditasi_argumentumok.h"

#include "shell/mag_dialogus.h"

namespace zelvaris {

namespace {

[[noreturn]] void Hiba(const QString& szoveg) { throw std::invalid_argument(szoveg.toStdString()); }

}  // namespace

TInditasiArgumentumok InditasiArgumentumok(const QStringList& argumentumok) {
  TInditasiArgumentumok ered;
  bool vanFajl = false;
  bool opciokVege = false;
  for (qsizetype i = 0; i < argumentumok.size(); ++i) {
    const QString& arg = argumentumok[i];
    if (opciokVege || arg.size() < 2 || !arg.startsWith(u'-')) {
      if (vanFajl) Hiba(QStringLiteral("csak egy fájl adható meg (a második: \"%1\")").arg(arg));
      ered.Fajl = arg;
      vanFajl = true;
      continue;
    }
    if (arg == QStringLiteral("--")) {
      opciokVege = true;
      continue;
    }
    QString ertek;
    if (arg.startsWith(QStringLiteral("--seed="))) {
      ertek = arg.mid(7);
    } else if (arg == QStringLiteral("--seed")) {
      if (i + 1 >= argumentumok.size()) Hiba(QStringLiteral("a --seed után egy szám kell"));
      ertek = argumentumok[++i];
    } else {
      Hiba(QStringLiteral("ismeretlen kapcsoló: %1").arg(arg));
    }
    ered.Mag = MagErtelmezese(ertek);
    if (!ered.Mag) {
      Hiba(QStringLiteral("a --seed értéke 0 és 4294967295 közötti egész szám lehet, nem \"%1\"").arg(ertek));
    }
  }
  return ered;
}

}  // namespace zelvaris
