#include "shell/akciok.h"

#include <stdexcept>

#include "localisation/nyelvi_kulcsok.h"

namespace zelvaris {

namespace {

constexpr int K = kTolKezdet;
constexpr int N = kTolNemBeallitott;
constexpr int B = kTolBeallitott;
constexpr int S = kTolSoha;
constexpr int E = kErintetlen;

QString Szoveg(std::string_view kulcs) {
  const TNyelviKulcs* k = NyelviKulcs(kulcs);
  if (k == nullptr) return {};
  return QString::fromUtf8(k->Magyar.data(), static_cast<qsizetype>(k->Magyar.size()));
}

}  // namespace

const std::vector<TAkcioLeiras>& AkcioLeirasok() {
  static const std::vector<TAkcioLeiras> leirasok = {
      {"Act_OsszesNovenyfajAblakotBezar", "Ablakok", 77, false, true, N},
      {"Act_OsszesAllatfajAblakotBezar", "Ablakok", 62, false, true, N},
      {"Act_OsszesGrafikonAblakotBezar", "Ablakok", 70, false, true, N},
      {"Act_OsszesKorfaAblakotBezar", "Ablakok", -1, false, false, N},
      {"Act_UjNovenyfajAblak", "Ablakok", 79, false, true, N},
      {"Act_UjAllatfajAblak", "Ablakok", 64, false, true, N},
      {"Act_UjGrafikonAblak", "Ablakok", 96, false, true, N},
      {"Act_UjKorfaAblak", "Ablakok", -1, false, true, N},
      {"Act_Nevjegy", "Ablakok", 22, true, false, E},
      {"Act_Sugo", "Ablakok", 19, true, false, E},
      {"Act_Alkalmaz", "Műveletek", 53, false, true, N},
      {"Act_StartStop", "Műveletek", 6, false, true, B},
      {"Act_Tovabb", "Műveletek", 40, false, true, B},
      {"Act_FogyasztotSzamol", "Műveletek", 2, false, false, N},
      {"Act_DegPermetezes", "Műveletek", 67, false, true, B},
      {"Act_PerPermetezes", "Műveletek", 92, false, true, B},
      {"Act_Rajzolhat", "Műveletek", -1, false, true, B, true, true},
      {"Act_Bezar", "Műveletek", 13, false, false, E},
      {"Act_AllatFajUrit", "Műveletek", 60, true, true, B},
      {"Act_NovenyFajUrit", "Műveletek", 75, true, true, B},
      {"Act_OkoUrit", "Műveletek", 89, true, true, B},
      {"Act_Tisztit", "Műveletek", 91, true, true, B},
      {"Act_Gyogyit", "Műveletek", 71, true, true, B},
      {"Act_Atmeretez", "Műveletek", 55, false, true, N},
      {"Act_UjOkoszisztemaBeallitas", "Műveletek", -1, true, true, E},
      {"Act_KezelotElorehoz", "Előrehoz", 72, false, true, N},
      {"Act_KijelzotElorehoz", "Előrehoz", 73, false, true, B},
      {"Act_TerkepetElorehoz", "Előrehoz", 74, false, true, B},
      {"Act_NagyitotElorehoz", "Előrehoz", 56, false, true, B},
      {"Act_AllatokTeljesetElorehoz", "Előrehoz", 66, false, true, S},
      {"Act_NovenyekTeljesetElorehoz", "Előrehoz", 81, true, false, S},
      {"Act_AllatokatElorehoz", "Előrehoz", 61, false, true, N},
      {"Act_NovenyeketElorehoz", "Előrehoz", 76, false, true, N},
      {"Act_GrafikonokatElorehoz", "Előrehoz", 69, false, true, N},
      {"Act_PermetetElorehoz", "Előrehoz", 90, false, true, N},
      {"Act_OszElorehoz", "Előrehoz", 82, false, true, N},
      {"Act_OkoCfgMegnyitas", "Fájl", 83, true, true, K},
      {"Act_OkoCfgMentes", "Fájl", 84, false, true, N},
      {"Act_OkoPillMegnyitas", "Fájl", 87, true, true, K},
      {"Act_OkoPillMentes", "Fájl", 88, false, true, B},
      {"Act_AllatfajMegnyitas", "Fájl", 63, false, false, N},
      {"Act_AllatfajMentes", "Fájl", 65, false, false, S},
      {"Act_NovenyfajMegnyitas", "Fájl", 78, false, false, N},
      {"Act_NovenyfajMentes", "Fájl", 80, false, false, N},
      {"Act_UjOkoszisztema", "Új", 85, true, true, K},
      {"Act_UjNovenyFaj", "Új", 95, false, true, N},
      {"Act_UjAllatFaj", "Új", 94, false, true, N},
      {"Act_IndependentMode", "Mód", -1, true, true, E, true, true},
      {"Act_ServerMode", "Mód", -1, true, true, E, true, false},
      {"Act_ClientMode", "Mód", -1, true, true, E, true, false},
      {"Act_EngKezdet", "Engedélyek", -1, true, true, E},
      {"Act_EngNemBeallitott", "Engedélyek", -1, true, true, E},
      {"Act_EngBeallitott", "Engedélyek", -1, true, true, E},
      {"Act_MagBeallitas", "Műveletek", -1, true, true, K},
      {"Act_TerkepPngMentes", "Fájl", -1, false, true, B},
  };
  return leirasok;
}

TAkciok::TAkciok(const std::function<QIcon(int)>& kepek, QObject* szulo)
    : QObject(szulo), kepek_(kepek) {
  for (const TAkcioLeiras& l : AkcioLeirasok()) {
    const std::string nev(l.Nev);
    auto* a = new QAction(this);
    a->setObjectName(QString::fromStdString(nev));
    a->setProperty("kategoria", QString::fromUtf8(l.Kategoria.data(), l.Kategoria.size()));
    const QString felirat = nev == "Act_StartStop" ? Szoveg("c1Act_StartStop") : Szoveg("c" + nev);
    a->setText(felirat);
    a->setToolTip(Szoveg("h" + nev));
    a->setStatusTip(a->toolTip());
    a->setCheckable(l.Kijelolheto);
    a->setChecked(l.Kijelolt);
    if (l.Kep >= 0) a->setIcon(kepek_(l.Kep));
    auto [it, uj] = akciok_.emplace(nev, TAkcio{a, &l, l.Kezdo, l.Muvelet});
    Frissites(it->second);
    sorban_.push_back(a);
  }
  (*this)["Act_Sugo"]->setShortcut(QKeySequence(Qt::Key_F1));
}

QAction* TAkciok::operator[](std::string_view nev) const {
  auto it = akciok_.find(nev);
  if (it == akciok_.end()) throw std::out_of_range("unknown action: " + std::string(nev));
  return it->second.Akcio;
}

void TAkciok::Muvelet(std::string_view nev, std::function<void()> muvelet) {
  QAction* a = (*this)[nev];
  connect(a, &QAction::triggered, this, [this, m = std::move(muvelet)] {
    m();
    emit Lefutott();
  });
}

bool TAkciok::Engedelyezett(std::string_view nev) const {
  auto it = akciok_.find(nev);
  if (it == akciok_.end()) throw std::out_of_range("unknown action: " + std::string(nev));
  return it->second.Engedelyezett;
}

void TAkciok::SetEngedelyezett(std::string_view nev, bool ertek) {
  auto it = akciok_.find(nev);
  if (it == akciok_.end()) throw std::out_of_range("unknown action: " + std::string(nev));
  it->second.Engedelyezett = ertek;
  Frissites(it->second);
}

// Each later state first applies the earlier one and then enables its column;
// the end result is the same as enabling everything up to the state.
void TAkciok::AllapotBeallitasa(TEngedelyAllapot allapot) {
  const int szint = static_cast<int>(allapot);
  for (auto& [nev, a] : akciok_) {
    if (a.Leiras->Tol == kErintetlen) continue;
    a.Engedelyezett = a.Leiras->Tol <= szint;
    Frissites(a);
  }
}

void TAkciok::SetKep(std::string_view nev, int kep) { (*this)[nev]->setIcon(kepek_(kep)); }

void TAkciok::Frissites(TAkcio& a) { a.Akcio->setEnabled(a.Engedelyezett && a.VanMuvelet); }

}  // namespace zelvaris
