#pragma once
// What the editor tests share: a modal interface that answers at once and
// records what it was asked, a fresh application context in a temporary
// program directory, and typing into the editors' fields.

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editors/faj_form_lista.h"
#include "app/faj_kozpont.h"
#include "editors/szerkeszto_spin.h"
#include "tests/teszt_modalis.h"
#include "app/alkalmazas_kornyezet.h"

namespace zelvaris::teszt {

// A context with its own program directory, and the two editor lists.
struct TKornyezet {
  QTemporaryDir Konyvtar;
  TValaszoloModalis Modalis;
  TAlkalmazasKornyezet K{std::filesystem::path(Konyvtar.path().toStdString()), &Modalis};
  TAllatFormLista Allatok{K};
  TNovenyFormLista Novenyek{K};

  TOkoszisztema& Oko() { return K.Okoszisztema(); }
  TFajKozpont& Kozpont() { return K.Kozpont(); }
  std::filesystem::path Ut(const char* nev) const {
    return std::filesystem::path(Konyvtar.path().toStdString()) / nev;
  }
};

template <typename T = TSzerkesztoSpin>
T* Mezo(QWidget& w, const char* nev) {
  T* m = w.findChild<T*>(QString::fromLatin1(nev));
  if (m == nullptr) qFatal("no control %s", nev);
  return m;
}

// Types into a number field over its whole text, key by key.
inline void Beiras(TSzerkesztoSpin* m, const QString& szoveg) {
  m->selectAll();
  if (szoveg.isEmpty()) {
    QTest::keyClick(m, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(m, szoveg);
  }
}

inline void Elhagyas(QWidget* m) { QTest::keyClick(m, Qt::Key_Return); }

inline void SzovegBeiras(QLineEdit* m, const QString& szoveg) {
  m->selectAll();
  if (szoveg.isEmpty()) {
    QTest::keyClick(m, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(m, szoveg);
  }
}

}  // namespace zelvaris::teszt
