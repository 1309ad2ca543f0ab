#include "tools/monkey/majom_modalis.h"

#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QRegularExpression>

#include "monitors/form_goc.h"
#include "tools/monkey/felhasznalo.h"
#include "tools/monkey/veletlen_bemenet.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {

QStringList Kiterjesztesek(const QString& szuro) {
  static const QRegularExpression minta(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
  QStringList k;
  for (auto it = minta.globalMatch(szuro); it.hasNext();) k << it.next().captured(1);
  return k;
}

QStringList Fajlok(const QString& mappa, const QStringList& kiterjesztesek) {
  QStringList f;
  QDirIterator it(mappa, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString p = it.next();
    if (kiterjesztesek.isEmpty() || kiterjesztesek.contains(QFileInfo(p).suffix(), Qt::CaseInsensitive))
      f << p;
  }
  f.sort();
  return f;
}

const char* FajtaNev(TModalisFelulet::TUzenetFajta f) {
  switch (f) {
    case TModalisFelulet::TUzenetFajta::Informacio: return "information";
    case TModalisFelulet::TUzenetFajta::Figyelmeztetes: return "warning";
    case TModalisFelulet::TUzenetFajta::Hiba: return "error";
  }
  return "?";
}

}  // namespace

TMajomModalis::TMajomModalis(QString mappa, std::function<void(const QString&)> naplo)
    : mappa_(std::move(mappa)), naplo_(std::move(naplo)) {}

void TMajomModalis::Uzenet(QWidget*, TUzenetFajta fajta, const QString& cim, const QString& szoveg) {
  // The error handler titles its boxes with the program's name.
  const bool kivetel = fajta == TUzenetFajta::Hiba && cim == QStringLiteral("Zelvaris");
  if (kivetel) ++kivetelek_;
  QString s = szoveg;
  s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  naplo_(QStringLiteral("# %1 %2 [%3]: %4")
             .arg(kivetel ? QStringLiteral("exception-shown") : QStringLiteral("message"),
                  QString::fromLatin1(FajtaNev(fajta)), cim, s));
}

bool TMajomModalis::IgenNem(QWidget*, const QString&, const QString& kerdes) {
  const bool igen = v_->Esely(0.5);
  naplo_(QStringLiteral("# question \"%1\": %2").arg(kerdes, igen ? QStringLiteral("yes") : QStringLiteral("no")));
  return igen;
}

QString TMajomModalis::FajlMegnyitas(QWidget*, const QString&, const QString& konyvtar, const QString& szuro) {
  QString valasz;
  const int64_t k = v_->Egesz(0, 99);
  if (k < 10) {
  } else if (k < 18) {
    valasz = QDir(konyvtar).filePath(QStringLiteral("nincs-ilyen.") + Kiterjesztesek(szuro).value(0));
  } else {
    QStringList f = Fajlok(k < 80 ? konyvtar : mappa_, k < 80 ? Kiterjesztesek(szuro) : QStringList());
    if (f.isEmpty()) f = Fajlok(mappa_, Kiterjesztesek(szuro));
    if (!f.isEmpty()) valasz = f[static_cast<int>(v_->Egesz(0, f.size() - 1))];
  }
  naplo_(QStringLiteral("# open dialog: %1").arg(valasz.isEmpty() ? QStringLiteral("cancelled") : valasz));
  return valasz;
}

QString TMajomModalis::FajlMentes(QWidget*, const QString&, const QString& konyvtar, const QString& szuro) {
  static const std::vector<QString> nevek = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("majom"),
                                             QStringLiteral("ékezetes név")};
  QString valasz;
  const int64_t k = v_->Egesz(0, 99);
  const QString kit = Kiterjesztesek(szuro).value(0);
  if (k < 12) {
  } else if (k < 16) {
    valasz = QDir(konyvtar).filePath(QStringLiteral("nincs-mappa/x.") + kit);
  } else if (k < 18) {
    valasz = konyvtar;
  } else {
    valasz = QDir(konyvtar).filePath(v_->Valaszt(nevek) + (kit.isEmpty() ? QString() : QStringLiteral(".") + kit));
  }
  naplo_(QStringLiteral("# save dialog: %1").arg(valasz.isEmpty() ? QStringLiteral("cancelled") : valasz));
  return valasz;
}

std::optional<QColor> TMajomModalis::Szin(QWidget*, const QColor&) {
  if (v_->Esely(0.2)) return std::nullopt;
  return QColor(static_cast<int>(v_->Egesz(0, 255)), static_cast<int>(v_->Egesz(0, 255)),
                static_cast<int>(v_->Egesz(0, 255)));
}

void TMajomModalis::GocKitoltes(QDialog& dialogus) {
  auto& goc = static_cast<TForm_Goc&>(dialogus);
  goc.SetNovenyOldal(v_->Esely(0.5));
  if (v_->Esely(0.8)) {
    const int id = static_cast<int>(v_->Esely(0.9) ? v_->Egesz(0, 2) : v_->Egesz(-1, 6));
    if (goc.NovenyOldalAktiv())
      goc.NovenyKivalasztasa(id);
    else
      goc.AllatKivalasztasa(id);
  }
  for (TSpinMezo* m : goc.findChildren<TSpinMezo*>()) {
    if (!v_->Esely(0.5)) continue;
    const int64_t k = v_->Egesz(0, 9);
    const int64_t ertek = k < 7 ? v_->Egesz(-2, 200) : v_->Szam();
    naplo_(QStringLiteral("# type %1 into %2").arg(ertek).arg(m->objectName()));
    SpinGepeles(*m, QString::number(ertek), *v_);
  }
}

int TMajomModalis::Dialogus(QDialog& dialogus) {
  naplo_(QStringLiteral("# dialog %1 \"%2\"")
             .arg(QString::fromLatin1(dialogus.metaObject()->className()), dialogus.windowTitle()));
  if (qobject_cast<TForm_Goc*>(&dialogus) != nullptr) {
    GocKitoltes(dialogus);
  } else {
    for (TSpinMezo* m : dialogus.findChildren<TSpinMezo*>()) {
      const QString nev = m->objectName();
      if (nev == QStringLiteral("SpE_L") || nev == QStringLiteral("SpE_UjL")) {
        if (kovetkezoOldal_) {
          m->selectAll();
          Billentyuk(*m, QString::number(*kovetkezoOldal_));
          kovetkezoOldal_.reset();
          naplo_(QStringLiteral("# dialog answered OK"));
          return QDialog::Accepted;
        }
        if (v_->Esely(0.9)) {
          const int64_t l = v_->Oldalhossz();
          naplo_(QStringLiteral("# type %1 into %2").arg(l).arg(nev));
          // Typed over the whole field: the side is the one chosen.
          m->selectAll();
          Billentyuk(*m, QString::number(l));
        }
      } else if (v_->Esely(0.5)) {
        const QString s = v_->Esely(0.7) ? QString::number(v_->Szam()) : v_->Szoveg();
        naplo_(QStringLiteral("# type \"%1\" into %2").arg(QString(s).replace(QLatin1Char('\n'), QStringLiteral("\\n")), nev));
        SpinGepeles(*m, s, *v_);
      }
    }
    for (QLineEdit* e : dialogus.findChildren<QLineEdit*>()) {
      if (qobject_cast<QAbstractSpinBox*>(e->parentWidget()) != nullptr || !v_->Esely(0.5)) continue;
      SzovegGepeles(*e, v_->Esely(0.6) ? QStringLiteral("faj%1").arg(v_->Egesz(0, 99)) : v_->Szoveg(), *v_);
    }
  }
  const bool ok = v_->Esely(0.8);
  naplo_(QStringLiteral("# dialog answered %1").arg(ok ? QStringLiteral("OK") : QStringLiteral("cancel")));
  return ok ? QDialog::Accepted : QDialog::Rejected;
}

}  // namespace zelvaris
