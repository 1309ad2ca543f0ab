#include "shell/form_fo.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QScopeGuard>
#include <QToolButton>
#include <initializer_list>
#include <stdexcept>

#include "app/alarendelt_ablak.h"
#include "app/alkalmazas_kornyezet.h"
#include "app/mentesi_nev.h"
#include "editors/form_allat_teljes.h"
#include "editors/form_uj_allat.h"
#include "editors/form_uj_noveny.h"
#include "editors/uj_faj.h"
#include "localisation/nyelv_fajlok.h"
#include "localisation/nyelvi_kulcsok.h"
#include "localisation/program_helyek.h"
#include "localisation/program_uzenetek.h"
#include "monitors/form_grafikon.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_korfa.h"
#include "monitors/form_ngy.h"
#include "monitors/form_oko.h"
#include "monitors/form_permetek.h"
#include "monitors/form_tkp.h"
#include "monitors/kep_mentes.h"
#include "net/mod_valto.h"
#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"
#include "shell/elhelyezes.h"
#include "shell/form_kezelo.h"
#include "shell/hibakezeles.h"
#include "shell/ikonok.h"
#include "shell/mag_dialogus.h"
#include "shell/oldalhossz_dialogus.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

constexpr int kKepStart = 6;
constexpr int kKepStop = 7;


// Menu contents; "|" is a separator.
struct TMenuLeiras {
  std::string_view Nev;
  std::vector<std::string_view> Elemek;
};

const std::vector<TMenuLeiras>& MenuLeirasok() {
  static const std::vector<TMenuLeiras> menuk = {
      {"MM_Fajl",
       {"Act_OkoCfgMegnyitas", "Act_OkoPillMegnyitas", "Act_NovenyfajMegnyitas",
        "Act_AllatfajMegnyitas", "|", "Act_OkoCfgMentes", "Act_OkoPillMentes",
        "Act_NovenyfajMentes", "Act_AllatfajMentes", "Act_TerkepPngMentes", "|", "Act_Bezar"}},
      {"MM_Mod", {"Act_IndependentMode", "Act_ServerMode", "Act_ClientMode"}},
      {"MM_Uj", {"Act_UjOkoszisztema", "Act_UjNovenyFaj", "Act_UjAllatFaj"}},
      {"MM_Muveletek",
       {"Act_Alkalmaz", "Act_FogyasztotSzamol", "|", "Act_StartStop", "Act_Tovabb", "|",
        "Act_AllatFajUrit", "Act_NovenyFajUrit", "Act_OkoUrit", "|", "Act_DegPermetezes",
        "Act_PerPermetezes", "|", "Act_Tisztit", "Act_Gyogyit", "|", "Act_Atmeretez", "|",
        "Act_MagBeallitas"}},
      {"MM_Ablakok",
       {"Act_UjNovenyfajAblak", "Act_UjAllatfajAblak", "Act_UjGrafikonAblak", "Act_UjKorfaAblak",
        "|", "Act_OsszesNovenyfajAblakotBezar", "Act_OsszesAllatfajAblakotBezar",
        "Act_OsszesGrafikonAblakotBezar", "Act_OsszesKorfaAblakotBezar"}},
      {"MM_Elorehoz",
       {"Act_OszElorehoz", "Act_NovenyekTeljesetElorehoz", "Act_AllatokTeljesetElorehoz",
        "Act_KezelotElorehoz", "Act_PermetetElorehoz", "|", "Act_KijelzotElorehoz",
        "Act_NagyitotElorehoz", "Act_TerkepetElorehoz", "|", "Act_NovenyeketElorehoz",
        "Act_AllatokatElorehoz", "Act_GrafikonokatElorehoz"}},
  };
  return menuk;
}

const std::vector<TMenuLeiras>& EszkoztarLeirasok() {
  static const std::vector<TMenuLeiras> eszkoztarak = {
      {"ToolB_Fajl",
       {"Act_OkoCfgMegnyitas", "Act_OkoPillMegnyitas", "Act_NovenyfajMegnyitas",
        "Act_AllatfajMegnyitas", "|", "Act_OkoCfgMentes", "Act_OkoPillMentes"}},
      {"ToolB_Controls",
       {"Act_KezelotElorehoz", "Act_AllatokTeljesetElorehoz", "Act_PermetetElorehoz",
        "Act_OszElorehoz", "Act_Atmeretez"}},
      {"ToolB_Monitors", {"Act_KijelzotElorehoz", "Act_TerkepetElorehoz", "Act_NagyitotElorehoz"}},
      {"ToolB_Uj", {"Act_UjOkoszisztema", "Act_UjNovenyFaj", "Act_UjAllatFaj"}},
      {"ToolB_Ablakok",
       {"Act_UjGrafikonAblak", "Act_UjNovenyfajAblak", "Act_UjAllatfajAblak", "|",
        "Act_GrafikonokatElorehoz", "Act_NovenyeketElorehoz", "Act_AllatokatElorehoz", "|",
        "Act_OsszesGrafikonAblakotBezar", "Act_OsszesNovenyfajAblakotBezar",
        "Act_OsszesAllatfajAblakotBezar"}},
  };
  return eszkoztarak;
}

}  // namespace

TForm_Fo::TForm_Fo(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : QMainWindow(szulo),
      kornyezet_(kornyezet),
      beallitasok_(kornyezet.Helyek().BeallitasKonyvtar()),
      allatFormLista_(kornyezet),
      novenyFormLista_(kornyezet),
      grafikonFormLista_(kornyezet),
      korfaFormLista_(kornyezet) {
  setObjectName(QStringLiteral("Form_Fo"));
  for (TAblakLista* lista : std::initializer_list<TAblakLista*>{&allatFormLista_, &novenyFormLista_,
                                                                &grafikonFormLista_, &korfaFormLista_}) {
    lista->SetTulajdonos(this);
  }
  FeluletEpites();
  SzerkesztokElhelyezese();
  MuveletekKotese();
  kornyezet_.Nyelv().SetFoAblak(this);
  SetAblakCim(kornyezet_.Nyelv().AblakCim());
  kornyezet_.NyelvFeliratkozas(TNyelviSor::FoAblak, this, [this](const TNyelviTabla&) { StartStopFelirat(); });

  // The start-up steps, in order. The search table, the event guard and the
  // Start/Stop texts come with the application context.
  NyelvMenuEpites();
  kornyezet_.Veletlen().OrabolVetes();
  akciok_->AllapotBeallitasa(TEngedelyAllapot::Kezdet);
  QDir::setCurrent(QUtvonal(kornyezet_.ProgramKonyvtar()));
  // Only the very first start follows the user's locale; the settings
  // decide from then on.
  if (kornyezet_.Helyek().ElsoInditas()) {
    const bool magyar = QLocale::system().language() == QLocale::Hungarian;
    kornyezet_.Nyelv().NyelvBetoltese(ElsoInditasNyelve(nyelvFajlok_, magyar));
  }
  // A settings file that cannot be read leaves the defaults: the program starts.
  Vedett(kornyezet_, this, [this] { beallitasok_.BeallitasokOlvasasa(kornyezet_.Nyelv()); });
  NyelvMenuJeloles();
  connect(akciok_.get(), &TAkciok::Lefutott, &kornyezet_, &TAlkalmazasKornyezet::AllapotKozzetetele);
}

TForm_Fo::~TForm_Fo() { kornyezet_.Nyelv().SetFoAblak(nullptr); }

int TForm_Fo::HalozatiMod() const { return modValto_ ? modValto_->HalozatiMod() : 0; }

void TForm_Fo::AblakokBeallitasa(const TAblakok& ablakok) {
  const bool mind = ablakok.Kezelo && ablakok.Oko && ablakok.AllatTeljes && ablakok.Permetek &&
                    ablakok.Kijelzes && ablakok.Tkp && ablakok.Ngy && ablakok.UjNoveny && ablakok.UjAllat &&
                    ablakok.UjGrafikon && ablakok.Goc && ablakok.UjOkoszisztema && ablakok.Atmeretez &&
                    ablakok.ClientMode && ablakok.Jelentkezesek;
  if (!mind) throw std::invalid_argument("the main window needs every fixed window");
  ablakok_ = ablakok;
  connect(ablakok_.Kezelo, &TForm_Kezelo::FutasValtozott, this, &TForm_Fo::FutasMutatasa);
  // HalozatiMod starts at 0 here; nothing listens before server mode.
  modValto_ = std::make_unique<TModValto>(
      TModElemek{(*akciok_)["Act_IndependentMode"], (*akciok_)["Act_ServerMode"], (*akciok_)["Act_ClientMode"],
                 memServer_, ablakok_.Jelentkezesek, ablakok_.ClientMode, this},
      kornyezet_.Modalis(), beallitasok_);
  modValto_->SetNyelviTabla(&kornyezet_.Nyelv().Tabla());
  akciok_->Muvelet("Act_IndependentMode", [this] { modValto_->FuggetlenMod(); });
  akciok_->Muvelet("Act_ServerMode", [this] { modValto_->SzerverMod(); });
  akciok_->Muvelet("Act_ClientMode", [this] { modValto_->KliensMod(); });
}

// --- Layout -------------------------------------------------------------------

void TForm_Fo::FeluletEpites() {
  setMinimumSize(644, 137);
  akciok_ = std::make_unique<TAkciok>(AkcioKep, this);
  // Code-only actions still belong to the window, so that shortcuts work.
  addActions(QList<QAction*>(akciok_->Mind().begin(), akciok_->Mind().end()));

  auto* kozep = new QWidget(this);
  auto* reteg = new QHBoxLayout(kozep);
  reteg->setContentsMargins(0, 0, 0, 0);
  reteg->setSpacing(0);
  memServer_ = new QPlainTextEdit(kozep);
  memServer_->setObjectName(QStringLiteral("Mem_Server"));
  memServer_->setReadOnly(true);
  memServer_->setFixedWidth(186);
  memServer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memServer_->hide();
  mdi_ = new QMdiArea(kozep);
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  reteg->addWidget(memServer_);
  reteg->addWidget(mdi_, 1);
  setCentralWidget(kozep);

  MenukEpites();
  EszkoztarakEpites();
}

void TForm_Fo::MenukEpites() {
  auto* modCsoport = new QActionGroup(this);
  for (const char* nev : {"Act_IndependentMode", "Act_ServerMode", "Act_ClientMode"}) {
    modCsoport->addAction((*akciok_)[nev]);
  }
  for (const TMenuLeiras& m : MenuLeirasok()) {
    QMenu* menu = menuBar()->addMenu(Qs(BeepitettSzoveg("c" + std::string(m.Nev))));
    menu->setObjectName(Qs(m.Nev));
    for (std::string_view elem : m.Elemek) {
      if (elem == "|") {
        menu->addSeparator();
      } else {
        menu->addAction((*akciok_)[elem]);
      }
    }
    menuk_.emplace(std::string(m.Nev), menu);
  }
  nyelvMenu_ = menuBar()->addMenu(QStringLiteral("Language"));
  nyelvMenu_->setObjectName(QStringLiteral("MM_Language"));
  menuk_.emplace("MM_Language", nyelvMenu_);
  QMenu* sugo = menuBar()->addMenu(Qs(BeepitettSzoveg("cMM_Sugo")));
  sugo->setObjectName(QStringLiteral("MM_Sugo"));
  sugo->addAction((*akciok_)["Act_Sugo"]);
  sugo->addAction((*akciok_)["Act_Nevjegy"]);
  menuk_.emplace("MM_Sugo", sugo);
  // Created, but no operation shows them.
  menuk_.at("MM_Mod")->menuAction()->setVisible(false);
  sugo->menuAction()->setVisible(false);
}

void TForm_Fo::EszkoztarakEpites() {
  // The toolbar button of a new ecosystem carries its own short caption.
  const auto ujOkoFelirat = [this] {
    (*akciok_)["Act_UjOkoszisztema"]->setIconText(kornyezet_.Szoveg(kUjOkoszGombSzoveg));
  };
  ujOkoFelirat();
  kornyezet_.NyelvFeliratkozas(TNyelviSor::FoAblak, this, [ujOkoFelirat](const TNyelviTabla&) { ujOkoFelirat(); });
  for (const TMenuLeiras& t : EszkoztarLeirasok()) {
    if (t.Nev == "ToolB_Ablakok") addToolBarBreak();
    QToolBar* tb = addToolBar(Qs(t.Nev));
    tb->setObjectName(Qs(t.Nev));
    tb->setIconSize(QSize(24, 24));
    for (std::string_view elem : t.Elemek) {
      if (elem == "|") {
        tb->addSeparator();
        continue;
      }
      tb->addAction((*akciok_)[elem]);
      if (elem == "Act_UjOkoszisztema") {
        if (auto* gomb = qobject_cast<QToolButton*>(tb->widgetForAction((*akciok_)[elem]))) {
          gomb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
      }
    }
  }
}

void TForm_Fo::NyelvMenuEpites() {
  nyelvFajlok_ = NyelvFajlokListazasa(kornyezet_.Helyek().AdatKonyvtar());
  nyelvCsoport_ = new QActionGroup(this);
  for (const std::string& fajl : nyelvFajlok_) {
    QAction* a = nyelvMenu_->addAction(QString::fromStdString(NyelvMenuFelirat(fajl)));
    a->setCheckable(true);
    nyelvCsoport_->addAction(a);
    connect(a, &QAction::triggered, this, [this, fajl] {
      Vedett(kornyezet_, this, [this, &fajl] { kornyezet_.Nyelv().NyelvBetoltese(fajl); });
      NyelvMenuJeloles();
    });
  }
}

void TForm_Fo::NyelvMenuJeloles() {
  const QList<QAction*> elemek = nyelvMenu_->actions();
  for (qsizetype i = 0; i < elemek.size(); ++i) {
    elemek[i]->setChecked(nyelvFajlok_[static_cast<size_t>(i)] == kornyezet_.Nyelv().AktualisNyelv());
  }
}

QMenu* TForm_Fo::Menu(std::string_view nev) const {
  auto it = menuk_.find(nev);
  return it == menuk_.end() ? nullptr : it->second;
}

QString TForm_Fo::Konyvtar(std::string_view nev) const {
  return QUtvonal(kornyezet_.Helyek().FajlKonyvtar(nev));
}

// --- Language -------------------------------------------------------------------

std::string TForm_Fo::Felirat(std::string_view komponens) const {
  if (QMenu* m = Menu(komponens)) return m->title().toStdString();
  if (akciok_->Van(komponens)) return (*akciok_)[komponens]->text().toStdString();
  return {};
}

void TForm_Fo::SetFelirat(std::string_view komponens, const std::string& szoveg) {
  if (QMenu* m = Menu(komponens)) {
    m->setTitle(QString::fromStdString(szoveg));
  } else if (akciok_->Van(komponens)) {
    (*akciok_)[komponens]->setText(QString::fromStdString(szoveg));
  }
}

std::string TForm_Fo::Tipp(std::string_view komponens) const {
  if (!akciok_->Van(komponens)) return {};
  return (*akciok_)[komponens]->toolTip().toStdString();
}

void TForm_Fo::SetTipp(std::string_view komponens, const std::string& szoveg) {
  if (!akciok_->Van(komponens)) return;
  QAction* a = (*akciok_)[komponens];
  a->setToolTip(QString::fromStdString(szoveg));
  a->setStatusTip(a->toolTip());
}

void TForm_Fo::SetAblakCim(const std::string& cim) { setWindowTitle(Qs(cim)); }

// The caption of the state the run is in; before the controller exists
// nothing runs.
void TForm_Fo::StartStopFelirat() {
  const TNyelvkezelo& nyelv = kornyezet_.Nyelv();
  const bool fut = ablakok_.Kezelo != nullptr && ablakok_.Kezelo->Fut();
  (*akciok_)["Act_StartStop"]->setText(Qs(fut ? nyelv.StopFelirat() : nyelv.StartFelirat()));
}

void TForm_Fo::FutasMutatasa(bool fut) {
  StartStopFelirat();
  akciok_->SetEngedelyezett("Act_Tovabb", !fut);
  akciok_->SetKep("Act_StartStop", fut ? kKepStop : kKepStart);
}

// --- Closing ---------------------------------------------------------------------

void TForm_Fo::closeEvent(QCloseEvent* esemeny) {
  if (!bezarva_) {
    bezarva_ = true;
    // The program ends whatever fails on the way out; a hidden window must
    // not leave the process running unseen.
    const auto vege = qScopeGuard([this] { emit Bezarva(); });
    Vedett(kornyezet_, this, [this] {
      if (modValto_) modValto_->Leallitas();
      if (auto hiba = beallitasok_.BeallitasokIrasa(kornyezet_.Nyelv())) {
        kornyezet_.Modalis().Uzenet(this, TModalisFelulet::TUzenetFajta::Informacio,
                                    QStringLiteral("Zelvaris"), QString::fromStdString(*hiba));
      }
    });
  }
  esemeny->accept();
}

// --- Actions ---------------------------------------------------------------------

void TForm_Fo::Kot(std::string_view akcio, void (TForm_Fo::*muvelet)()) {
  akciok_->Muvelet(akcio, [this, muvelet] {
    Vedett(kornyezet_, this, [this, muvelet] { (this->*muvelet)(); });
  });
}

void TForm_Fo::MuveletekKotese() {
  Kot("Act_UjOkoszisztema", &TForm_Fo::UjOkoszisztema);
  akciok_->Muvelet("Act_UjOkoszisztemaBeallitas", [this] {
    Vedett(kornyezet_, this, [this] { UjOkoszisztemaBeallitas(); });
  });
  akciok_->Muvelet("Act_UjAllatFaj", [this] {
    Vedett(kornyezet_, this,
           [this] { UjAllatFajFelvetele(kornyezet_, *ablakok_.UjAllat, allatFormLista_, this); });
  });
  akciok_->Muvelet("Act_UjNovenyFaj", [this] {
    Vedett(kornyezet_, this,
           [this] { UjNovenyFajFelvetele(kornyezet_, *ablakok_.UjNoveny, novenyFormLista_, this); });
  });
  Kot("Act_Alkalmaz", &TForm_Fo::Alkalmaz);
  Kot("Act_StartStop", &TForm_Fo::StartStop);
  Kot("Act_Tovabb", &TForm_Fo::Tovabb);
  Kot("Act_DegPermetezes", &TForm_Fo::DegPermetezes);
  Kot("Act_PerPermetezes", &TForm_Fo::PerPermetezes);
  Kot("Act_Atmeretez", &TForm_Fo::Atmeretez);
  Kot("Act_Rajzolhat", &TForm_Fo::Rajzolhat);
  // Building a grid switches drawing on; the action and the controller's box
  // show what the world does.
  connect(&kornyezet_, &TAlkalmazasKornyezet::RacsFelepult, this,
          [this] { (*akciok_)["Act_Rajzolhat"]->setChecked(kornyezet_.Okoszisztema().Rajzolhat()); });
  Kot("Act_OkoCfgMegnyitas", &TForm_Fo::OkoCfgMegnyitas);
  Kot("Act_OkoCfgMentes", &TForm_Fo::OkoCfgMentes);
  Kot("Act_OkoPillMegnyitas", &TForm_Fo::OkoPillMegnyitas);
  Kot("Act_OkoPillMentes", &TForm_Fo::OkoPillMentes);
  Kot("Act_MagBeallitas", &TForm_Fo::MagBeallitas);
  Kot("Act_TerkepPngMentes", &TForm_Fo::TerkepPngMentes);

  auto egyszeru = [this](std::string_view nev, void (TOkoszisztema::*muvelet)()) {
    akciok_->Muvelet(nev, [this, muvelet] {
      Vedett(kornyezet_, this, [this, muvelet] { (kornyezet_.Okoszisztema().*muvelet)(); });
    });
  };
  egyszeru("Act_AllatFajUrit", &TOkoszisztema::AllatFajUrit);
  egyszeru("Act_NovenyFajUrit", &TOkoszisztema::NovenyFajUrit);
  egyszeru("Act_OkoUrit", &TOkoszisztema::OkoUrit);
  egyszeru("Act_Tisztit", &TOkoszisztema::Tisztit);
  egyszeru("Act_Gyogyit", &TOkoszisztema::Gyogyit);

  akciok_->Muvelet("Act_KezelotElorehoz", [this] { Elorehoz(*ablakok_.Kezelo); });
  akciok_->Muvelet("Act_KijelzotElorehoz", [this] { Elorehoz(*ablakok_.Kijelzes); });
  akciok_->Muvelet("Act_TerkepetElorehoz", [this] { Elorehoz(*ablakok_.Tkp); });
  akciok_->Muvelet("Act_NagyitotElorehoz", [this] { Elorehoz(*ablakok_.Ngy); });
  akciok_->Muvelet("Act_OszElorehoz", [this] { Elorehoz(*ablakok_.Oko); });
  akciok_->Muvelet("Act_PermetetElorehoz", [this] { Elorehoz(*ablakok_.Permetek); });
  akciok_->Muvelet("Act_AllatokTeljesetElorehoz", [this] { Elorehoz(*ablakok_.AllatTeljes); });
  akciok_->Muvelet("Act_NovenyeketElorehoz", [this] { novenyFormLista_.MindetElorehoz(); });
  akciok_->Muvelet("Act_AllatokatElorehoz", [this] { allatFormLista_.MindetElorehoz(); });
  akciok_->Muvelet("Act_GrafikonokatElorehoz", [this] { grafikonFormLista_.MindetElorehoz(); });
  akciok_->Muvelet("Act_OsszesNovenyfajAblakotBezar", [this] { novenyFormLista_.MindetBezar(); });
  akciok_->Muvelet("Act_OsszesAllatfajAblakotBezar", [this] { allatFormLista_.MindetBezar(); });
  akciok_->Muvelet("Act_OsszesGrafikonAblakotBezar", [this] { grafikonFormLista_.MindetBezar(); });
  akciok_->Muvelet("Act_OsszesKorfaAblakotBezar", [this] { korfaFormLista_.MindetBezar(); });
  akciok_->Muvelet("Act_UjGrafikonAblak", [this] {
    Vedett(kornyezet_, this, [this] { GrafikonExportKotes(grafikonFormLista_.UjAblak()); });
  });
  akciok_->Muvelet("Act_UjKorfaAblak", [this] {
    Vedett(kornyezet_, this, [this] { KorfaExportKotes(korfaFormLista_.UjAblak()); });
  });
  // An editor on the last species of the kind; nothing without one.
  akciok_->Muvelet("Act_UjAllatfajAblak", [this] {
    Vedett(kornyezet_, this, [this] {
      if (const int32_t n = kornyezet_.Okoszisztema().AllatFajokSzama(); n > 0) allatFormLista_.UjAblak(n - 1);
    });
  });
  akciok_->Muvelet("Act_UjNovenyfajAblak", [this] {
    Vedett(kornyezet_, this, [this] {
      if (const int32_t n = kornyezet_.Okoszisztema().NovenyFajokSzama(); n > 0) novenyFormLista_.UjAblak(n - 1);
    });
  });

  akciok_->Muvelet("Act_EngKezdet", [this] { akciok_->AllapotBeallitasa(TEngedelyAllapot::Kezdet); });
  akciok_->Muvelet("Act_EngNemBeallitott",
                   [this] { akciok_->AllapotBeallitasa(TEngedelyAllapot::NemBeallitott); });
  akciok_->Muvelet("Act_EngBeallitott",
                   [this] { akciok_->AllapotBeallitasa(TEngedelyAllapot::Beallitott); });
}

void TForm_Fo::Elorehoz(QWidget& ablak) {
  Elohozas(ablak);
  ablak.activateWindow();
}

void TForm_Fo::UjOkoszisztema() {
  TForm_UjOkoszisztema& d = *ablakok_.UjOkoszisztema;
  if (kornyezet_.Modalis().Dialogus(d) != QDialog::Accepted) return;
  UjOkoszisztemaBeallitas();
  // The new world is no file's: the caption must not name the last one loaded.
  kornyezet_.Nyelv().SetCimElotag({});
  // Before the first build only L is recorded: nothing to announce yet.
  kornyezet_.Okoszisztema().Atmeretez(d.Ertek());
  AblakokFrissitese();
}

// The windows and lists that show the world empty themselves, and the run
// stops, as they hear the replacement.
void TForm_Fo::UjOkoszisztemaBeallitas(std::unique_ptr<TOkoszisztema> uj) {
  kornyezet_.OkoszisztemaCsere(uj ? std::move(uj) : kornyezet_.UjOkoszisztema());
  akciok_->AllapotBeallitasa(TEngedelyAllapot::NemBeallitott);
  Elorehoz(*ablakok_.Kezelo);
  Elorehoz(*ablakok_.Oko);
}

void TForm_Fo::AblakokFrissitese() { kornyezet_.VilagBemutatasa(); }

// Later editors of a list open beside the one before, on the screen.
void TForm_Fo::SzerkesztokElhelyezese() {
  const auto elhelyezo = [this](const QRect& elozo, const QSize& meret) {
    const QScreen* kepernyo = screen();
    if (kepernyo == nullptr) return QPoint(elozo.x() + elozo.width(), elozo.y());
    return JobbraMellette(elozo, meret, kepernyo->availableGeometry(),
                          style()->pixelMetric(QStyle::PM_TitleBarHeight));
  };
  allatFormLista_.SetElhelyezo(elhelyezo);
  novenyFormLista_.SetElhelyezo(elhelyezo);
}

void TForm_Fo::Alkalmaz() {
  if (ablakok_.Kezelo->Fut()) StartStop();
  const std::vector<THiany> hianyok = kornyezet_.Alkalmaz();
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  akciok_->AllapotBeallitasa(TEngedelyAllapot::Beallitott);
  TerkepEsNagyitoMutatasa();
  if (hianyok.empty()) return;
  QString szoveg = QStringLiteral("Nem fért el minden kezdő egyed; a faj egyedszáma a kért helyett:");
  for (const THiany& h : hianyok) {
    const std::string nev =
        h.Allat ? oko.AllatFaj(h.FajId).MegjelenitettNev() : oko.NovenyFaj(h.FajId).MegjelenitettNev();
    szoveg += QStringLiteral("\n%1: %2 (kért: %3)")
                  .arg(QString::fromStdString(nev))
                  .arg(h.Elhelyezett)
                  .arg(h.Kert);
  }
  kornyezet_.Modalis().Uzenet(this, TModalisFelulet::TUzenetFajta::Figyelmeztetes,
                              QStringLiteral("Zelvaris"), szoveg);
}

// The two windows have fitted themselves to the new grid.
void TForm_Fo::TerkepEsNagyitoMutatasa() {
  Elorehoz(*ablakok_.Tkp);
  Elorehoz(*ablakok_.Ngy);
  if (terkepElhelyezve_) return;
  // The first time they appear, the map and the magnifier line up to the right
  // of the information window.
  terkepElhelyezve_ = true;
  const QScreen* kepernyo = ablakok_.Tkp->screen();
  if (kepernyo == nullptr) return;
  const QRect terulet = kepernyo->availableGeometry();
  const int cimsor = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  ablakok_.Tkp->move(JobbraMellette(ablakok_.Oko->frameGeometry(), ablakok_.Tkp->frameSize(), terulet, cimsor));
  ablakok_.Ngy->move(JobbraMellette(ablakok_.Tkp->frameGeometry(), ablakok_.Ngy->frameSize(), terulet, cimsor));
}

void TForm_Fo::StartStop() { ablakok_.Kezelo->StartStop(); }

void TForm_Fo::Tovabb() {
  TForm_Kezelo& kezelo = *ablakok_.Kezelo;
  if (kezelo.Fut()) return;
  akciok_->SetEngedelyezett("Act_Tovabb", false);
  kezelo.Lepteto().Tovabb(kezelo.Ennyit());
}

void TForm_Fo::DegPermetezes() { kornyezet_.Okoszisztema().DegPermetezes(); }
void TForm_Fo::PerPermetezes() { kornyezet_.Okoszisztema().PerPermetezes(); }

void TForm_Fo::Atmeretez() {
  TForm_Atmeretez& d = *ablakok_.Atmeretez;
  if (kornyezet_.Modalis().Dialogus(d) != QDialog::Accepted) return;
  kornyezet_.Atmeretez(d.Ertek());
}

void TForm_Fo::Rajzolhat() {
  kornyezet_.Okoszisztema().SetRajzolhat((*akciok_)["Act_Rajzolhat"]->isChecked());
}

// --- Files -------------------------------------------------------------------------

void TForm_Fo::FajlMegnyitasa(const std::filesystem::path& fajl) {
  if (PontosKiterjesztes(fajl, kOkoPillKiterjesztes)) {
    OkoPillMegnyitasa(fajl);
  } else if (PontosKiterjesztes(fajl, kOkoCfgKiterjesztes)) {
    OkoCfgMegnyitasa(fajl);
  } else {
    throw TFajlHiba(fajl, TUzenet(kNemNyithatoFajtaUzenet, {}));
  }
}

void TForm_Fo::OkoCfgMegnyitasa(const std::filesystem::path& fajl) {
  if (!PontosKiterjesztes(fajl, kOkoCfgKiterjesztes)) {
    throw TFajlHiba(fajl, TUzenet(kOkoCfgKiterjesztesUzenet, {}));
  }
  std::unique_ptr<TOkoszisztema> uj =
      OkoCfgBetoltese(fajl, kornyezet_.Veletlen(), kornyezet_.Tabla());
  UjOkoszisztemaBeallitas(std::move(uj));
  kornyezet_.Nyelv().SetCimElotag(fajl.filename().string() + " - ");
  AblakokFrissitese();
  akciok_->AllapotBeallitasa(TEngedelyAllapot::NemBeallitott);
}

void TForm_Fo::OkoPillMegnyitasa(const std::filesystem::path& fajl) {
  if (!PontosKiterjesztes(fajl, kOkoPillKiterjesztes)) {
    throw TFajlHiba(fajl, TUzenet(kOkoPillKiterjesztesUzenet, {}));
  }
  // The load builds the world: its build begins with the generator as it is now.
  const uint32_t mag = kornyezet_.Veletlen().Mag();
  std::unique_ptr<TOkoszisztema> uj =
      OkoPillBetoltese(fajl, kornyezet_.Veletlen(), kornyezet_.Tabla());
  UjOkoszisztemaBeallitas(std::move(uj));
  kornyezet_.Nyelv().SetCimElotag(fajl.filename().string() + " - ");
  kornyezet_.FelepitettVilag(mag);
  akciok_->AllapotBeallitasa(TEngedelyAllapot::Beallitott);
  TerkepEsNagyitoMutatasa();
  AblakokFrissitese();
}

void TForm_Fo::OkoCfgMegnyitas() {
  const QString fajl = kornyezet_.Modalis().FajlMegnyitas(this, kornyezet_.Szoveg(kOkoMegnyitasSzoveg), Konyvtar("okocfg"),
                                                          kornyezet_.Szoveg(kOkoCfgSzuro));
  if (fajl.isEmpty()) return;
  OkoCfgMegnyitasa(Utvonal(fajl));
}

void TForm_Fo::OkoPillMegnyitas() {
  const QString fajl =
      kornyezet_.Modalis().FajlMegnyitas(this, kornyezet_.Szoveg(kOkoMegnyitasSzoveg), Konyvtar("okopill"),
                                         kornyezet_.Szoveg(kOkoPillSzuro));
  if (fajl.isEmpty()) return;
  OkoPillMegnyitasa(Utvonal(fajl));
}

void TForm_Fo::OkoCfgMentes() {
  const auto fajl =
      MentesiNev(kornyezet_.Modalis(), this, kornyezet_.Szoveg(kOkoMentesSzoveg), Konyvtar("okocfg"),
                 kornyezet_.Szoveg(kOkoCfgSzuro), kOkoCfgKiterjesztes, &kornyezet_.Nyelv().Tabla());
  if (fajl.empty()) return;
  OkoCfgMentese(kornyezet_.Okoszisztema(), fajl);
}

void TForm_Fo::OkoPillMentes() {
  const auto fajl =
      MentesiNev(kornyezet_.Modalis(), this, kornyezet_.Szoveg(kOkoMentesSzoveg), Konyvtar("okopill"),
                 kornyezet_.Szoveg(kOkoPillSzuro), kOkoPillKiterjesztes, &kornyezet_.Nyelv().Tabla());
  if (fajl.empty()) return;
  OkoPillMentese(kornyezet_.Okoszisztema(), fajl);
}

}  // namespace zelvaris

// --- Seed and exports ----------------------------------------------------------------

namespace zelvaris {

void TForm_Fo::MagBeallitasa(uint32_t mag) { kornyezet_.MagBeallitasa(mag); }

std::optional<uint32_t> TForm_Fo::KezdoMag() const { return kornyezet_.KezdoMag(); }

void TForm_Fo::MagBeallitas() {
  TForm_Mag d(this);
  d.SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
  d.SetErtek(kornyezet_.Veletlen().Mag());
  if (kornyezet_.Modalis().Dialogus(d) != QDialog::Accepted) return;
  const std::optional<uint32_t> mag = d.Ertek();
  if (!mag) {
    kornyezet_.Modalis().Uzenet(this, TModalisFelulet::TUzenetFajta::Hiba, d.windowTitle(),
                                QStringLiteral("A mag 0 és 4294967295 közötti egész szám lehet; "
                                               "a generátor állapota nem változott."));
    return;
  }
  MagBeallitasa(*mag);
}

void TForm_Fo::TerkepPngMentes() {
  KepMentesePngBe(kornyezet_, this, [this] { return ablakok_.Tkp->Rajzolo().TerkepKep(); });
}

void TForm_Fo::GrafikonExportKotes(TForm_Grafikon& ablak) {
  TForm_Grafikon* a = &ablak;
  connect(ablak.KepMentesAkcio(), &QAction::triggered, a,
          [this, a] { KepMentesePngBe(kornyezet_, a, [a] { return a->grab().toImage(); }); });
  connect(ablak.AdatMentesAkcio(), &QAction::triggered, a, [this, a] { AdatokMenteseCsvBe(kornyezet_, a, a->CsvOszlopok()); });
}

void TForm_Fo::KorfaExportKotes(TForm_Korfa& ablak) {
  TForm_Korfa* a = &ablak;
  connect(ablak.KepMentesAkcio(), &QAction::triggered, a,
          [this, a] { KepMentesePngBe(kornyezet_, a, [a] { return a->grab().toImage(); }); });
}

}  // namespace zelvaris
