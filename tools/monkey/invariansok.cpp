#include "tools/monkey/invariansok.h"

#include <algorithm>
#include <QComboBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QWidget>

#include "core/okoszisztema.h"
#include "editors/allat_panel.h"
#include "editors/faj_szerkeszto.h"
#include "monitors/form_grafikon.h"
#include "monitors/form_korfa.h"
#include "widgets/pnx_grafikon.h"

namespace zelvaris {

namespace {

std::string Hely(int32_t sor, int32_t oszlop) {
  return "(" + std::to_string(sor) + "," + std::to_string(oszlop) + ")";
}

// One kind of individual: every list entry in its cell, every slot on an
// entry standing there, plants' grid masses equal to their own.
template <typename TLista, typename FIndex, typename FTomeg>
void FajEllenorzese(const TOkoszisztema& oko, const std::string& nev, const TLista& lista,
                    FIndex index, FTomeg tomeg, std::vector<std::string>& hibak) {
  const int32_t l = oko.L();
  for (int32_t i = 0; i < lista.Darab(); ++i) {
    const auto& e = lista[i];
    if (e.Sor < 0 || e.Sor >= l || e.Oszlop < 0 || e.Oszlop >= l) {
      hibak.push_back(nev + " #" + std::to_string(i) + " stands off the grid at " + Hely(e.Sor, e.Oszlop));
    } else if (index(e.Sor, e.Oszlop) != i) {
      hibak.push_back(nev + " #" + std::to_string(i) + " at " + Hely(e.Sor, e.Oszlop) +
                      " is not named by its cell (it names " + std::to_string(index(e.Sor, e.Oszlop)) + ")");
    }
    if (hibak.size() > 20) return;
  }
  int64_t foglalt = 0;
  for (int32_t s = 0; s < l; ++s)
    for (int32_t c = 0; c < l; ++c) {
      const int32_t i = index(s, c);
      if (!tomeg(s, c, i)) {
        hibak.push_back(nev + ": the grid's mass at " + Hely(s, c) + " is not the plant's");
        return;
      }
      if (i < 0) continue;
      ++foglalt;
      if (i >= lista.Darab() || lista[i].Sor != s || lista[i].Oszlop != c) {
        hibak.push_back(nev + ": cell " + Hely(s, c) + " names #" + std::to_string(i) +
                        ", which does not stand there");
        return;
      }
    }
  if (foglalt != lista.Darab())
    hibak.push_back(nev + ": " + std::to_string(foglalt) + " cells hold it, its list has " +
                    std::to_string(lista.Darab()));
}

void ForrasEllenorzese(const TOkoszisztema& oko, std::vector<std::string>& hibak) {
  if (oko.AllatLetszam.Sorokszama() != oko.AllatFajokSzama())
    hibak.push_back("animal counts have " + std::to_string(oko.AllatLetszam.Sorokszama()) + " rows for " +
                    std::to_string(oko.AllatFajokSzama()) + " species");
  if (oko.NovenyLetszam.Sorokszama() != oko.NovenyFajokSzama())
    hibak.push_back("plant masses have " + std::to_string(oko.NovenyLetszam.Sorokszama()) + " rows for " +
                    std::to_string(oko.NovenyFajokSzama()) + " species");
  if (oko.Korfa.Sorokszama() != oko.AllatFajokSzama())
    hibak.push_back("the age source has " + std::to_string(oko.Korfa.Sorokszama()) + " rows for " +
                    std::to_string(oko.AllatFajokSzama()) + " species");
  if (oko.AllatLetszam.Hossz() != oko.Ido || oko.NovenyLetszam.Hossz() != oko.Ido)
    hibak.push_back("the sources hold " + std::to_string(oko.AllatLetszam.Hossz()) + " and " +
                    std::to_string(oko.NovenyLetszam.Hossz()) + " steps at time " + std::to_string(oko.Ido));
}

bool VanFaj(const TOkoszisztema& oko, TFajFajta fajta, int32_t id) {
  return fajta == TFajFajta::Allat ? oko.VanAllatFaj(id) : oko.VanNovenyFaj(id);
}

// "Name (Id)" names a species of either kind.
bool LetezoNev(const TOkoszisztema& oko, const QString& szoveg) {
  static const QRegularExpression minta(QStringLiteral("^.* \\((\\d+)\\)$"),
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch m = minta.match(szoveg);
  if (!m.hasMatch()) return true;
  bool ok = false;
  const int id = m.captured(1).toInt(&ok);
  if (!ok) return false;
  const std::string s = szoveg.toStdString();
  return (oko.VanAllatFaj(id) && oko.AllatFaj(id).MegjelenitettNev() == s) ||
         (oko.VanNovenyFaj(id) && oko.NovenyFaj(id).MegjelenitettNev() == s);
}

// The pyramid's chooser keeps the name a species had when it was listed, so
// only its place and Id are checked: entry i is "... (i)" of a living species.
bool KorfaBejegyzes(const TOkoszisztema& oko, const QString& szoveg, int i) {
  return szoveg.endsWith(QStringLiteral(" (%1)").arg(i)) && oko.VanAllatFaj(i);
}

std::string Nev(const QWidget* w) {
  const QWidget* ablak = w->window();
  return std::string(ablak->metaObject()->className()) + " \"" + ablak->windowTitle().toStdString() + "\"";
}

}  // namespace

std::vector<std::string> VilagHibak(const TOkoszisztema& oko) {
  std::vector<std::string> hibak;
  ForrasEllenorzese(oko, hibak);
  if (!oko.VanRacs()) return hibak;
  for (int32_t a = 0; a < oko.AllatFajokSzama() && hibak.size() < 20; ++a) {
    const auto& lista = oko.AllatFaj(a).Egyedek;
    if (lista.Kurzor > lista.Darab()) hibak.push_back("animal " + std::to_string(a) + ": cursor past the list");
    FajEllenorzese(
        oko, "animal " + std::to_string(a), lista,
        [&](int32_t s, int32_t c) { return oko.AllatIndexAMezon(s, c, a); },
        [](int32_t, int32_t, int32_t) { return true; }, hibak);
  }
  for (int32_t p = 0; p < oko.NovenyFajokSzama() && hibak.size() < 20; ++p) {
    const auto& lista = oko.NovenyFaj(p).Egyedek;
    FajEllenorzese(
        oko, "plant " + std::to_string(p), lista,
        [&](int32_t s, int32_t c) { return oko.NovenyIndexAMezon(s, c, p); },
        [&](int32_t s, int32_t c, int32_t i) {
          const int32_t tomeg = i >= 0 && i < lista.Darab() ? lista[i].Tomeg : 0;
          return oko.NovenyTomegAMezon(s, c, p) == tomeg;
        },
        hibak);
  }
  return hibak;
}

std::vector<std::string> AblakHibak(const TOkoszisztema& oko, const std::vector<QWidget*>& ablakok) {
  std::vector<std::string> hibak;
  const int32_t fajok = oko.AllatFajokSzama() + oko.NovenyFajokSzama();
  for (QWidget* ablak : ablakok) {
    for (const auto* sz : ablak->findChildren<TFajSzerkeszto*>(Qt::FindChildrenRecursively))
      if (sz->FajIndex() >= 0 && !VanFaj(oko, sz->Fajta(), sz->FajIndex()))
        hibak.push_back(Nev(sz) + " edits species " + std::to_string(sz->FajIndex()) + ", which does not exist");
    if (auto* sz = qobject_cast<TFajSzerkeszto*>(ablak); sz != nullptr && sz->FajIndex() >= 0 &&
                                                         !VanFaj(oko, sz->Fajta(), sz->FajIndex()))
      hibak.push_back(Nev(sz) + " edits species " + std::to_string(sz->FajIndex()) + ", which does not exist");
    for (const auto* p : ablak->findChildren<TAllatPanel*>())
      if (!oko.VanAllatFaj(p->FajIndex()))
        hibak.push_back(Nev(p) + " has a panel for animal " + std::to_string(p->FajIndex()) + ", which does not exist");
    if (auto* k = qobject_cast<TForm_Korfa*>(ablak); k != nullptr && k->AllatFaj() >= 0 && !oko.VanAllatFaj(k->AllatFaj()))
      hibak.push_back(Nev(k) + " shows animal " + std::to_string(k->AllatFaj()) + ", which does not exist");
    // The doses view draws two series per animal species.
    if (auto* g = qobject_cast<TForm_Grafikon*>(ablak);
        g != nullptr && g->Grafikon().SorozatokSzama() > std::max(fajok, 2 * oko.AllatFajokSzama()))
      hibak.push_back(Nev(g) + " has " + std::to_string(g->Grafikon().SorozatokSzama()) + " series for " +
                      std::to_string(fajok) + " species");
    for (const auto* cmb : ablak->findChildren<QComboBox*>())
      for (int i = 0; i < cmb->count(); ++i)
        if (qobject_cast<const TForm_Korfa*>(cmb->window()) != nullptr ? !KorfaBejegyzes(oko, cmb->itemText(i), i)
                                                          : !LetezoNev(oko, cmb->itemText(i)))
          hibak.push_back(Nev(cmb) + " lists \"" + cmb->itemText(i).toStdString() + "\", which is no species");
    for (const auto* lista : ablak->findChildren<QListWidget*>())
      for (int i = 0; i < lista->count(); ++i)
        if (!LetezoNev(oko, lista->item(i)->text()))
          hibak.push_back(Nev(lista) + " lists \"" + lista->item(i)->text().toStdString() + "\", which is no species");
  }
  return hibak;
}

}  // namespace zelvaris
