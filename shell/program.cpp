#include "shell/program.h"

#include <QScreen>
#include <QStyle>

#include "app/alarendelt_ablak.h"
#include "editors/form_allat_teljes.h"
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

TProgram::TProgram(std::filesystem::path programKonyvtar, TModalisFelulet* modalis)
    : kornyezet_(std::make_unique<TAlkalmazasKornyezet>(std::move(programKonyvtar), modalis)) {
  TAlkalmazasKornyezet& k = *kornyezet_;

  fo_ = std::make_unique<TForm_Fo>(k);
  TAkciok& a = fo_->Akciok();
  kezelo_ = std::make_unique<TForm_Kezelo>(
      k, TForm_Kezelo::TAkcioKotes{a["Act_Alkalmaz"], a["Act_DegPermetezes"],
                                   a["Act_PerPermetezes"], a["Act_Tovabb"], a["Act_StartStop"],
                                   a["Act_Rajzolhat"]});
  oko_ = std::make_unique<TForm_Oko>(k);
  allatTeljes_ = std::make_unique<TForm_Allat_Teljes>(k);
  permetek_ = std::make_unique<TForm_Permetek>(k, a["Act_DegPermetezes"], a["Act_PerPermetezes"]);
  kijelzes_ = std::make_unique<TForm_Kijelzes>(k);
  goc_ = std::make_unique<TForm_Goc>(k);
  tkp_ = std::make_unique<TForm_Tkp>(k, *goc_);
  // "Nagyítókeret" and the map's frame follow each other.
  QObject::connect(kijelzes_.get(), &TForm_Kijelzes::NagyitoKeretValtozott, tkp_.get(), &TForm_Tkp::SetKeretLathato);
  tkp_->NagyitoKeretMutatasa = [kijelzes = kijelzes_.get()] { kijelzes->NagyitoKeretMutatasa(); };
  ngy_ = std::make_unique<TForm_Ngy>(k, *tkp_);
  ujNoveny_ = std::make_unique<TForm_UjNoveny>(k);
  ujAllat_ = std::make_unique<TForm_UjAllat>(k);
  ujGrafikon_ = std::make_unique<TForm_UjGrafikon>();
  ujOkoszisztema_ = std::make_unique<TForm_UjOkoszisztema>(k);
  atmeretez_ = std::make_unique<TForm_Atmeretez>(k);
  clientMode_ = std::make_unique<TForm_ClientMode>();
  jelentkezesek_ = std::make_unique<TForm_Jelentkezesek>();

  // The windows that show and drive the world stay above the main window;
  // the modal dialogs keep to the top on their own.
  for (QWidget* w : std::initializer_list<QWidget*>{kezelo_.get(), oko_.get(), allatTeljes_.get(), permetek_.get(),
                                                    kijelzes_.get(), tkp_.get(), ngy_.get(), jelentkezesek_.get()}) {
    Alarendeles(*w, *fo_);
  }
  fo_->AblakokBeallitasa(TForm_Fo::TAblakok{
      kezelo_.get(), oko_.get(), allatTeljes_.get(), permetek_.get(), kijelzes_.get(),
      tkp_.get(), ngy_.get(), ujNoveny_.get(), ujAllat_.get(), ujGrafikon_.get(), goc_.get(),
      ujOkoszisztema_.get(), atmeretez_.get(), clientMode_.get(), jelentkezesek_.get()});
  Elhelyezes();
}

TProgram::~TProgram() = default;

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
