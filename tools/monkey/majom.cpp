#include "tools/monkey/majom.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <set>
#include <tuple>

#include "shell/form_fo.h"
#include "shell/form_kezelo.h"
#include "shell/hibakezeles.h"
#include "shell/program.h"
#include "monitors/form_ngy.h"
#include "monitors/form_tkp.h"
#include "monitors/terkep_vaszon.h"
#include "tools/monkey/felhasznalo.h"
#include "tools/monkey/invariansok.h"
#include "tools/monkey/majom_modalis.h"
#include "tools/monkey/veletlen_bemenet.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {

struct TFajtaLeiras {
  TAkcioFajta Fajta;
  const char* Nev;
  int Suly;  // how often users do it, relative
};

const std::vector<TFajtaLeiras>& Fajtak() {
  static const std::vector<TFajtaLeiras> f = {
      {TAkcioFajta::Akcio, "action", 30},     {TAkcioFajta::Vezerlo, "control", 28},
      {TAkcioFajta::Terkep, "map", 12},       {TAkcioFajta::Nagyito, "magnifier", 4},
      {TAkcioFajta::Tikk, "tick", 12},        {TAkcioFajta::Nyelv, "language", 2},
      {TAkcioFajta::Rontas, "corrupt", 3},    {TAkcioFajta::Bezaras, "close", 4},
      {TAkcioFajta::Kicsinyites, "shrink", 0}};
  return f;
}

// Actions no menu, toolbar or button offers: code runs them, or their menu is hidden.
const std::set<std::string, std::less<>> kNemFelhasznaloi = {
    "Act_IndependentMode", "Act_ServerMode", "Act_ClientMode", "Act_EngKezdet", "Act_EngNemBeallitott",
    "Act_EngBeallitott", "Act_UjOkoszisztemaBeallitas", "Act_Bezar", "Act_Sugo", "Act_Nevjegy"};

int AkcioSuly(const std::string& nev) {
  if (nev == "Act_Alkalmaz" || nev == "Act_Tovabb") return 5;
  if (nev == "Act_StartStop" || nev == "Act_UjAllatFaj" || nev == "Act_UjNovenyFaj") return 4;
  if (nev == "Act_OkoCfgMegnyitas" || nev == "Act_OkoPillMegnyitas") return 4;
  if (nev == "Act_UjAllatfajAblak" || nev == "Act_UjNovenyfajAblak" ||
      nev == "Act_UjGrafikonAblak" || nev == "Act_UjKorfaAblak")
    return 2;
  return 1;
}

QString Leiras(const QWidget* w) {
  return QStringLiteral("%1 %2 in %3").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                            QString::fromLatin1(w->window()->metaObject()->className()));
}

bool FoAblakEszkoztaran(const QWidget* w) {
  if (qobject_cast<const TForm_Fo*>(w->window()) == nullptr) return false;
  for (const QWidget* p = w; p != nullptr; p = p->parentWidget())
    if (qobject_cast<const QToolBar*>(p) != nullptr) return true;
  return false;
}

bool Kezelheto(QWidget* w) {
  // The main window's toolbar buttons are the actions, which the monkey
  // triggers as such; which of them a toolbar shows depends on its layout's
  // timing.
  if (FoAblakEszkoztaran(w)) return false;
  if (auto* g = qobject_cast<QToolButton*>(w); g != nullptr && g->menu() != nullptr) return false;
  if (auto* g = qobject_cast<QPushButton*>(w); g != nullptr && g->menu() != nullptr) return false;
  if (auto* e = qobject_cast<QLineEdit*>(w); e != nullptr)
    return qobject_cast<QAbstractSpinBox*>(e->parentWidget()) == nullptr && !e->isReadOnly();
  return qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr ||
         qobject_cast<QAbstractSpinBox*>(w) != nullptr || qobject_cast<QListWidget*>(w) != nullptr ||
         qobject_cast<QTabBar*>(w) != nullptr || qobject_cast<QAbstractSlider*>(w) != nullptr ||
         (w->contextMenuPolicy() == Qt::ActionsContextMenu && !w->actions().isEmpty());
}

Qt::KeyboardModifiers Modositok(TVeletlenBemenet& v) {
  const int64_t k = v.Egesz(0, 9);
  if (k < 6) return Qt::NoModifier;
  if (k < 8) return Qt::ControlModifier;
  static const std::vector<Qt::KeyboardModifiers> mas = {
      Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier, Qt::MetaModifier};
  return v.Valaszt(mas);
}

}  // namespace

std::string AkcioNev(TAkcioFajta f) {
  for (const auto& l : Fajtak())
    if (l.Fajta == f) return l.Nev;
  return "?";
}

std::optional<TAkcioFajta> AkcioFajtaNevbol(const std::string& nev) {
  for (const auto& l : Fajtak())
    if (nev == l.Nev) return l.Fajta;
  return std::nullopt;
}

namespace {
// About a second's step in a release build; several under the sanitizers.
constexpr uint64_t kNehezLepes = 20'000'000;
// Some seconds in a release build, beyond the hang limit under the sanitizers.
constexpr uint64_t kTulNehezLepes = 100'000'000;
}  // namespace

TMajom::TMajom(TProgram& program, TMajomModalis& modalis, QString mappa, std::function<void(const QString&)> naplo)
    : program_(program), modalis_(modalis), mappa_(std::move(mappa)), naplo_(std::move(naplo)) {}

// A large, crowded or slow-stepping world takes at most one tick per action,
// so that a run stays quick (and an action well inside the hang limit, even
// under the sanitizers).
bool TMajom::NagyVilag() const {
  const TOkoszisztema& oko = program_.Kornyezet().Okoszisztema();
  if (!oko.VanRacs()) return false;
  return oko.L() > 1000 || Allatok() > 20'000 || VarhatoProbak() > kNehezLepes;
}

int64_t TMajom::Allatok() const {
  const TOkoszisztema& oko = program_.Kornyezet().Okoszisztema();
  int64_t egyedek = 0;
  for (int32_t a = 0; a < oko.AllatFajokSzama(); ++a) egyedek += oko.AllatFaj(a).Egyedek.Darab();
  return egyedek;
}

uint64_t TMajom::VarhatoProbak() const {
  TOkoszisztema& oko = program_.Kornyezet().Okoszisztema();
  const int64_t most = Allatok();
  if (!oko.VanRacs() || most <= 0) return 0;
  // What the species' search budgets allow (a search never probes more than
  // the disc of radius L - 1): a new world's first step has no past to go by.
  TKeresoTabla& tabla = oko.Tabla();
  constexpr int64_t kKorlat = 10'000'000;  // far beyond any step the monkey lets run
  const int32_t r = static_cast<int32_t>(oko.L() - 1);
  const int64_t korong = tabla.KorMeretKorlatos(r, kKorlat) - 1;
  double keret = 0;
  for (int32_t a = 0; a < oko.AllatFajokSzama(); ++a) {
    const TAllatFaj& f = oko.AllatFaj(a);
    const int64_t szules = std::max<int64_t>(tabla.KorMeretKorlatos(std::min(f.SzuloSugar, r), kKorlat) - 1, 0);
    const int64_t mozgas = std::clamp<int64_t>(f.MozgasHossz(), 0, korong);
    const int64_t allatonkent = 4 * mozgas + std::min(szules, korong);
    // Newborns step within the step they were born in: a large litter can
    // fill the world and make every cell an animal that searches.
    const double n = f.Egyedek.Darab();
    const double ujszulottek = std::min(n * std::max(f.Utod, 0), static_cast<double>(oko.L() * oko.L()));
    keret += (n + ujszulottek) * static_cast<double>(allatonkent);
  }
  // The last step scaled by the animals alive now, which also counts
  // newborns that stepped within it.
  double multbol = 0;
  if (utolsoLepesAllatai_ > 0)
    multbol = static_cast<double>(utolsoLepesProbai_) * static_cast<double>(most) /
              static_cast<double>(utolsoLepesAllatai_);
  return static_cast<uint64_t>(std::max(keret, multbol));
}

TAkcioFajta TMajom::Sorsolas(TVeletlenBemenet& v) const {
  // A large or slow-stepping world is soon left again, so a run stays quick.
  const TOkoszisztema& oko = program_.Kornyezet().Okoszisztema();
  if (oko.VanRacs() && (oko.L() > 1000 || VarhatoProbak() > kNehezLepes) && v.Esely(0.3))
    return TAkcioFajta::Kicsinyites;
  int osszes = 0;
  for (const auto& l : Fajtak()) osszes += l.Suly;
  int64_t k = v.Egesz(0, osszes - 1);
  for (const auto& l : Fajtak()) {
    if (k < l.Suly) return l.Fajta;
    k -= l.Suly;
  }
  return TAkcioFajta::Akcio;
}

std::vector<std::string> TMajom::Vegrehajtas(TAkcioFajta fajta, uint32_t mag) {
  TVeletlenBemenet v(mag);
  modalis_.SetVeletlen(&v);
  TForm_Fo& fo = program_.Fo();
  // What escapes here would reach the application's handler in the real program.
  Vedett(program_.Kornyezet(), &fo, [&] {
    switch (fajta) {
      case TAkcioFajta::Akcio: Akcio(v); break;
      case TAkcioFajta::Vezerlo: Vezerlo(v); break;
      case TAkcioFajta::Terkep: Terkep(v); break;
      case TAkcioFajta::Nagyito: Nagyito(v); break;
      case TAkcioFajta::Tikk: Tikkek(v, NagyVilag() ? 1 : 5); break;
      case TAkcioFajta::Nyelv: Nyelv(v); break;
      case TAkcioFajta::Rontas: Rontas(v); break;
      case TAkcioFajta::Bezaras: Bezaras(v); break;
      case TAkcioFajta::Kicsinyites: Kicsinyites(v); break;
    }
    if (fajta != TAkcioFajta::Tikk) Tikkek(v, NagyVilag() ? (v.Esely(0.1) ? 1 : 0) : 2);
  });
  // Posted events and deferred deletions run; timers do not, so that a run
  // depends on nothing but its seeds.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  modalis_.SetVeletlen(nullptr);

  const TOkoszisztema& oko = program_.Kornyezet().Okoszisztema();
  int64_t allatok = 0, novenyek = 0;
  for (int32_t a = 0; a < oko.AllatFajokSzama(); ++a) allatok += oko.AllatFaj(a).Egyedek.Darab();
  for (int32_t p = 0; p < oko.NovenyFajokSzama(); ++p) novenyek += oko.NovenyFaj(p).Egyedek.Darab();
  naplo_(QStringLiteral("# world L %1%2, time %3, %4 animal species %5 animals, %6 plant species %7 plants")
             .arg(oko.L()).arg(oko.VanRacs() ? QString() : QStringLiteral(" (not built)")).arg(oko.Ido)
             .arg(oko.AllatFajokSzama()).arg(allatok).arg(oko.NovenyFajokSzama()).arg(novenyek));
  std::vector<std::string> hibak = VilagHibak(oko);
  for (std::string& h : AblakHibak(oko, Ablakok()))
    hibak.push_back(std::move(h));
  return hibak;
}

void TMajom::Futtat(const char* nev) {
  QAction* a = program_.Fo().Akciok()[nev];
  naplo_(QStringLiteral("# trigger %1%2").arg(QString::fromLatin1(nev), a->isEnabled() ? QString() : QStringLiteral(" (disabled)")));
  if (a->isEnabled()) a->trigger();
}

void TMajom::Akcio(TVeletlenBemenet& v) {
  std::vector<std::string> nevek;
  std::vector<int> sulyok;
  int osszes = 0;
  for (QAction* a : program_.Fo().Akciok().Mind()) {
    const std::string nev = a->objectName().toStdString();
    if (!a->isEnabled() || nev.empty() || kNemFelhasznaloi.count(nev) != 0) continue;
    nevek.push_back(nev);
    sulyok.push_back(AkcioSuly(nev));
    osszes += sulyok.back();
  }
  if (nevek.empty()) return;
  int64_t k = v.Egesz(0, osszes - 1);
  size_t i = 0;
  while (k >= sulyok[i]) k -= sulyok[i++];
  if (nevek[i] == "Act_Tovabb" && v.Esely(0.6)) {
    auto* ennyit = program_.Ablakok().Kezelo->findChild<TSpinMezo*>(QStringLiteral("SpE_Ennyit"));
    const int64_t n = v.Esely(0.9) ? v.Egesz(1, 40) : v.Szam();
    naplo_(QStringLiteral("# SpE_Ennyit typed %1").arg(n));
    if (ennyit != nullptr) SpinGepeles(*ennyit, QString::number(n), v);
  }
  Futtat(nevek[i].c_str());
}

std::vector<QWidget*> TMajom::Ablakok() {
  std::erase_if(ismertAblakok_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  std::vector<QWidget*> ujak;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (std::find(ismertAblakok_.begin(), ismertAblakok_.end(), w) == ismertAblakok_.end()) ujak.push_back(w);
  const auto kulcs = [](const QWidget* w) {
    return std::make_tuple(QString::fromLatin1(w->metaObject()->className()), w->objectName(), w->windowTitle(),
                           w->x(), w->y(), w->width(), w->height());
  };
  std::stable_sort(ujak.begin(), ujak.end(), [&](QWidget* a, QWidget* b) { return kulcs(a) < kulcs(b); });
  for (QWidget* w : ujak) ismertAblakok_.emplace_back(w);
  std::vector<QWidget*> ablakok;
  for (const QPointer<QWidget>& w : ismertAblakok_) ablakok.push_back(w.data());
  return ablakok;
}

std::vector<QWidget*> TMajom::LathatoAblakok() {
  std::vector<QWidget*> ablakok;
  for (QWidget* w : Ablakok())
    if (w->isVisible() && qobject_cast<QMenu*>(w) == nullptr && !w->windowFlags().testFlag(Qt::Popup) &&
        !w->windowFlags().testFlag(Qt::ToolTip))
      ablakok.push_back(w);
  return ablakok;
}

void TMajom::Vezerlo(TVeletlenBemenet& v) {
  const std::vector<QWidget*> ablakok = LathatoAblakok();
  if (ablakok.empty()) return;
  QWidget* ablak = v.Valaszt(ablakok);
  std::vector<QWidget*> jeloltek;
  for (QWidget* w : ablak->findChildren<QWidget*>())
    if (w->isVisibleTo(ablak) && w->isEnabled() && Kezelheto(w)) jeloltek.push_back(w);
  if (jeloltek.empty()) return;
  QWidget* w = v.Valaszt(jeloltek);
  QPointer<QWidget> cel(w);

  if (w->contextMenuPolicy() == Qt::ActionsContextMenu && !w->actions().isEmpty() && v.Esely(0.3)) {
    const QList<QAction*> menu = w->actions();
    QAction* a = menu[static_cast<int>(v.Egesz(0, menu.size() - 1))];
    naplo_(QStringLiteral("# context menu \"%1\" of %2").arg(a->text(), Leiras(w)));
    a->trigger();
  } else if (auto* mezo = qobject_cast<QAbstractSpinBox*>(w)) {
    const int64_t k = v.Egesz(0, 9);
    if (k < 2) {
      const Qt::Key gomb = v.Valaszt(std::vector<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown});
      naplo_(QStringLiteral("# key %1 on %2").arg(int(gomb)).arg(Leiras(w)));
      QTest::keyClick(mezo, gomb);
    } else {
      const QString s = k < 6 ? QString::number(v.Szam()) : v.Szoveg();
      naplo_(QStringLiteral("# type \"%1\" into %2").arg(QString(s).replace(QLatin1Char('\n'), QStringLiteral("\\n")), Leiras(w)));
      SpinGepeles(*mezo, s, v);
    }
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    const QString s = v.Esely(0.4) ? QStringLiteral("faj%1").arg(v.Egesz(0, 99)) : v.Szoveg();
    naplo_(QStringLiteral("# type \"%1\" into %2").arg(QString(s).replace(QLatin1Char('\n'), QStringLiteral("\\n")), Leiras(w)));
    SzovegGepeles(*e, s, v);
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    const Qt::Key gomb = v.Valaszt(std::vector<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home, Qt::Key_End});
    naplo_(QStringLiteral("# key %1 on %2").arg(int(gomb)).arg(Leiras(w)));
    QTest::keyClick(c, gomb);
  } else if (auto* l = qobject_cast<QListWidget*>(w)) {
    if (l->count() == 0) return;
    const int i = static_cast<int>(v.Egesz(0, l->count() - 1));
    const QRect r = l->visualItemRect(l->item(i));
    naplo_(QStringLiteral("# click item %1 of %2").arg(i).arg(Leiras(w)));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Modositok(v), r.center());
    if (cel && v.Esely(0.5)) QTest::keyClick(l, Qt::Key_Space);
  } else if (auto* t = qobject_cast<QTabBar*>(w)) {
    if (t->count() == 0) return;
    const int i = static_cast<int>(v.Egesz(0, t->count() - 1));
    naplo_(QStringLiteral("# tab %1 of %2").arg(i).arg(Leiras(w)));
    QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->tabRect(i).center());
  } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
    const Qt::Key gomb = v.Valaszt(std::vector<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End});
    naplo_(QStringLiteral("# key %1 on %2").arg(int(gomb)).arg(Leiras(w)));
    QTest::keyClick(s, gomb);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    naplo_(QStringLiteral("# click %1 \"%2\"").arg(Leiras(w), b->text()));
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
  }
}

void TMajom::EgerAblakon(QWidget& ablak, QPoint hely, TVeletlenBemenet& v) {
  QWidget* cel = ablak.childAt(hely);
  if (cel == nullptr) cel = &ablak;
  const QPoint p = cel->mapFrom(&ablak, hely);
  const int64_t g = v.Egesz(0, 19);
  const Qt::MouseButton gomb = g < 9 ? Qt::LeftButton : g < 17 ? Qt::RightButton : Qt::MiddleButton;
  const Qt::KeyboardModifiers mod = Modositok(v);
  const TEgerMozdulat m = v.Valaszt(std::vector<TEgerMozdulat>{
      TEgerMozdulat::Kattintas, TEgerMozdulat::Kattintas, TEgerMozdulat::Nyomas, TEgerMozdulat::Huzas,
      TEgerMozdulat::Elengedes, TEgerMozdulat::Dupla});
  const QPoint vege = p + QPoint(static_cast<int>(v.Egesz(-60, 60)), static_cast<int>(v.Egesz(-60, 60)));
  naplo_(QStringLiteral("# mouse %1 button %2 modifiers %3 at %4,%5 on %6")
             .arg(int(m)).arg(int(gomb)).arg(int(mod)).arg(p.x()).arg(p.y()).arg(Leiras(cel)));
  Eger(*cel, m, gomb, mod, p, vege);
}

void TMajom::Terkep(TVeletlenBemenet& v) {
  TTerkepVaszon& vaszon = program_.Ablakok().Tkp->Vaszon();
  if (!vaszon.isVisible()) return;
  const QSize m = vaszon.size();
  const bool kivul = v.Esely(0.1);
  const QPoint p(static_cast<int>(v.Egesz(kivul ? -30 : 0, m.width() - 1 + (kivul ? 30 : 0))),
                 static_cast<int>(v.Egesz(kivul ? -30 : 0, m.height() - 1 + (kivul ? 30 : 0))));
  EgerAblakon(vaszon, p, v);
}

void TMajom::Nagyito(TVeletlenBemenet& v) {
  QWidget& ngy = *program_.Ablakok().Ngy;
  if (!ngy.isVisible()) return;
  const QPoint p(static_cast<int>(v.Egesz(0, ngy.width() - 1)), static_cast<int>(v.Egesz(0, ngy.height() - 1)));
  EgerAblakon(ngy, p, v);
}

void TMajom::Tikkek(TVeletlenBemenet& v, int64_t legfeljebb) {
  TForm_Kezelo& kezelo = *program_.Ablakok().Kezelo;
  const int64_t n = v.Egesz(legfeljebb > 1 ? 1 : 0, legfeljebb);
  for (int64_t i = 0; i < n && kezelo.Fut(); ++i) {
    // A step that would take seconds (far-reaching searches in a crowded
    // world) is left out: the world is soon replaced by a modest one.
    if (VarhatoProbak() > kTulNehezLepes) {
      naplo_(QStringLiteral("# tick left out: the step would be slow"));
      break;
    }
    naplo_(QStringLiteral("# tick"));
    const uint64_t elotte = program_.Kornyezet().Okoszisztema().Probak();
    utolsoLepesAllatai_ = Allatok();
    kezelo.Tikk();
    // A world replaced meanwhile starts its own count.
    const uint64_t utana = program_.Kornyezet().Okoszisztema().Probak();
    utolsoLepesProbai_ = utana >= elotte ? utana - elotte : utana;
  }
}

void TMajom::Nyelv(TVeletlenBemenet& v) {
  QMenu* menu = program_.Fo().Menu("MM_Language");
  if (menu == nullptr || menu->actions().isEmpty()) return;
  QAction* a = menu->actions()[static_cast<int>(v.Egesz(0, menu->actions().size() - 1))];
  naplo_(QStringLiteral("# language %1").arg(a->text()));
  a->trigger();
}

// Writes a damaged copy of a file of the folder ("hibas-" before its name),
// truncated, with bytes overwritten, a line inserted or replaced, or empty:
// an open of it meets what a damaged disk or a careless edit leaves behind,
// and the shipped files stay whole for the rest of the run.
void TMajom::Rontas(TVeletlenBemenet& v) {
  QStringList fajlok;
  QDirIterator it(mappa_, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) fajlok << it.next();
  fajlok.sort();
  if (fajlok.isEmpty()) return;
  const QString nev = fajlok[static_cast<int>(v.Egesz(0, fajlok.size() - 1))];
  QFile f(nev);
  if (!f.open(QIODevice::ReadOnly)) return;
  QByteArray b = f.readAll();
  f.close();
  const int64_t k = v.Egesz(0, 5);
  const auto hely = [&] { return static_cast<int>(v.Egesz(0, b.size())); };
  QList<QByteArray> sorok = b.split('\n');
  const auto sor = [&] { return static_cast<int>(v.Egesz(0, sorok.size() - 1)); };
  switch (k) {
    case 0: b.truncate(hely()); break;
    case 1:
      for (int64_t i = v.Egesz(1, 8); i > 0 && !b.isEmpty(); --i)
        b[static_cast<int>(v.Egesz(0, b.size() - 1))] = static_cast<char>(v.Egesz(0, 255));
      break;
    case 2: sorok.insert(sor(), v.Szoveg().toUtf8()); b = sorok.join('\n'); break;
    case 3: sorok[sor()] = QByteArray::number(static_cast<qlonglong>(v.FajlSzam())); b = sorok.join('\n'); break;
    case 4: sorok[sor()] = v.Szoveg().toUtf8(); b = sorok.join('\n'); break;
    default: b.clear(); break;
  }
  const QFileInfo fi(nev);
  const QString hova = fi.fileName().startsWith(QStringLiteral("hibas-"))
                           ? nev
                           : fi.dir().filePath(QStringLiteral("hibas-") + fi.fileName());
  naplo_(QStringLiteral("# corrupt (%1) %2 into %3").arg(k).arg(nev, hova));
  QFile ki(hova);
  if (ki.open(QIODevice::WriteOnly | QIODevice::Truncate)) ki.write(b);
}

void TMajom::Bezaras(TVeletlenBemenet& v) {
  std::vector<QWidget*> ablakok;
  for (QWidget* w : LathatoAblakok())
    if (w != &program_.Fo()) ablakok.push_back(w);
  if (ablakok.empty()) return;
  QWidget* w = v.Valaszt(ablakok);
  naplo_(QStringLiteral("# close %1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle()));
  w->close();
}

void TMajom::Kicsinyites(TVeletlenBemenet& v) {
  modalis_.KovetkezoOldalhossz(v.Egesz(50, 300));
  Futtat("Act_UjOkoszisztema");
}

}  // namespace zelvaris
