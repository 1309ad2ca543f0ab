#include "shell/program.h"

#include <QScreen>
#include <QStyle>

#include "app/faj_kozpont.h"
#include "editors/form_allat_teljes.h"
#include "editors/goc_kotes.h"
#include "editors/uj_faj_kotesek.h"
#include "editors/form_uj_allat.h"
#include "editors/form_uj_noveny.h"
#include "monitors/form_goc.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_ngy.h"
#include "monitors/form_oko.h"
#include "monitors/form_permetek.h"
#include "monitors/form_tkp.h"
#include "net/form_bejelentkezesek.h"
#include "net/form_kliens_mod.h"
#include "shell/elhelyezes.h"
#include "shell/form_kezelo.h"
#include "shell/form_uj_grafikon.h"
#include "shell/oldalhossz_dialogus.h"

namespace zelvaris {

namespace {

// The window takes the current texts now and every later language.
template <typename TAblak>
void Nyelvesites(TNyelvkezelo& nyelv, TNyelviAblak hely, TAblak& ablak) {
  ablak.SzovegekAlkalmazasa(nyelv.Tabla());
  nyelv.Feliratkozas(hely, [&ablak](const TNyelviTabla& tabla) { ablak.SzovegekAlkalmazasa(tabla); });
}

}  // namespace

TProgram::TProgram(std::filesystem::path programKonyvtar, TModalisFelulet* modalis)
    : kornyezet_(std::make_unique<TAlkalmazasKornyezet>(std::move(programKonyvtar), modalis)) {
  TAlkalmazasKornyezet& k = *kornyezet_;
  TNyelvkezelo& nyelv = k.Nyelv();

  fo_ = std::make_unique<TForm_Fo>(k);
  TAkciok& a = fo_->Akciok();
  kezelo_ = std::make_unique<TForm_Kezelo>(
      k, TForm_Kezelo::TAkcioKotes{a["Act_Alkalmaz"], a["Act_DegPermetezes"],
                                   a["Act_PerPermetezes"], a["Act_Tovabb"], a["Act_StartStop"],
                                   a["Act_Rajzolhat"]});
  Nyelvesites(nyelv, TNyelviAblak::Kezelo, *kezelo_);
  oko_ = std::make_unique<TForm_Oko>();
  Nyelvesites(nyelv, TNyelviAblak::Oko, *oko_);
  allatTeljes_ = std::make_unique<TForm_Allat_Teljes>(k);
  permetek_ = std::make_unique<TForm_Permetek>(k, a["Act_DegPermetezes"], a["Act_PerPermetezes"]);
  Nyelvesites(nyelv, TNyelviAblak::Permetek, *permetek_);
  kijelzes_ = std::make_unique<TForm_Kijelzes>(k);
  Nyelvesites(nyelv, TNyelviAblak::Kijelzes, *kijelzes_);
  goc_ = std::make_unique<TForm_Goc>(k);
  GocFeliratkozas(TFajKozpont::Kozpont(k), *goc_);
  tkp_ = std::make_unique<TForm_Tkp>(k, *goc_);
  Nyelvesites(nyelv, TNyelviAblak::Terkep, *tkp_);
  // "Nagyítókeret" and the map's frame follow each other.
  QObject::connect(kijelzes_.get(), &TForm_Kijelzes::NagyitoKeretValtozott, tkp_.get(), &TForm_Tkp::SetKeretLathato);
  tkp_->NagyitoKeretMutatasa = [kijelzes = kijelzes_.get()] { kijelzes->NagyitoKeretMutatasa(); };
  // After the all-animals window and the seed-point dialog: registration
  // reaches the windows in this order.
  PermetekFeliratkozas(TFajKozpont::Kozpont(k), *permetek_);
  KijelzesFeliratkozas(TFajKozpont::Kozpont(k), *kijelzes_);
  ngy_ = std::make_unique<TForm_Ngy>(k, *tkp_);
  Nyelvesites(nyelv, TNyelviAblak::Nagyito, *ngy_);
  ujNoveny_ = std::make_unique<TForm_UjNoveny>();
  Nyelvesites(nyelv, TNyelviAblak::UjNoveny, *ujNoveny_);
  ujAllat_ = std::make_unique<TForm_UjAllat>();
  Nyelvesites(nyelv, TNyelviAblak::UjAllat, *ujAllat_);
  ujGrafikon_ = std::make_unique<TForm_UjGrafikon>();
  Nyelvesites(nyelv, TNyelviAblak::Goc, *goc_);
  ujOkoszisztema_ = std::make_unique<TForm_UjOkoszisztema>();
  Nyelvesites(nyelv, TNyelviAblak::UjOkoszisztema, *ujOkoszisztema_);
  atmeretez_ = std::make_unique<TForm_Atmeretez>();
  Nyelvesites(nyelv, TNyelviAblak::Atmeretezes, *atmeretez_);
  clientMode_ = std::make_unique<TForm_ClientMode>();
  jelentkezesek_ = std::make_unique<TForm_Jelentkezesek>();

  fo_->AblakokBeallitasa(TForm_Fo::TAblakok{
      kezelo_.get(), oko_.get(), allatTeljes_.get(), permetek_.get(), kijelzes_.get(),
      tkp_.get(), ngy_.get(), ujNoveny_.get(), ujAllat_.get(), ujGrafikon_.get(), goc_.get(),
      ujOkoszisztema_.get(), atmeretez_.get(), clientMode_.get(), jelentkezesek_.get()});
  Elhelyezes();
}

TProgram::~TProgram() {
  TNyelvkezelo& nyelv = kornyezet_->Nyelv();
  for (std::size_t i = 0; i < kNyelviAblakDarab; ++i) nyelv.Leiratkozas(static_cast<TNyelviAblak>(i));
}

// The controller stands at the top left of the screen, below the main
// window's bars, and the information window to its right.
void TProgram::Elhelyezes() {
  const QScreen* kepernyo = fo_->screen();
  if (kepernyo == nullptr) return;
  const QRect terulet = kepernyo->availableGeometry();
  const int cimsor = fo_->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  kezelo_->move(terulet.topLeft() + QPoint(8, 110));
  oko_->move(JobbraMellette(kezelo_->frameGeometry(), oko_->frameSize(), terulet, cimsor));
}

}  // namespace zelvaris
