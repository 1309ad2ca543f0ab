#include "editors/uj_faj.h"

#include <QDialog>

#include "app/alkalmazas_kornyezet.h"
#include "app/faj_kozpont.h"
#include "core/hibak.h"
#include "core/memoria.h"
#include "core/racs.h"
#include "editors/faj_form_lista.h"
#include "editors/form_uj_allat.h"
#include "editors/form_uj_noveny.h"
#include "localisation/program_uzenetek.h"

namespace zelvaris {

namespace {

// A species added to a built world needs a slot in every cell. The check
// comes before the ecosystem is touched, so a refusal changes nothing.
bool ElferAzUjFaj(TAlkalmazasKornyezet& kornyezet, const TMemoriaLekerdezes& memoria, QWidget* szulo,
                  const QString& cim, TFajFajta fajta) {
  const TOkoszisztema& oko = kornyezet.Okoszisztema();
  if (!oko.VanRacs()) return true;
  const std::optional<uint64_t> szabad = memoria ? memoria() : ElerhetoMemoria();
  if (!szabad) return true;
  const double cellankent = TRacs::UjFajBajtCellankent(fajta == TFajFajta::Allat);
  const double kell = cellankent * static_cast<double>(oko.L()) * static_cast<double>(oko.L());
  if (kell <= static_cast<double>(*szabad)) return true;
  kornyezet.Modalis().Uzenet(
      szulo, TModalisFelulet::TUzenetFajta::Hiba, cim,
      kornyezet.Uzenet(TUzenet(kUjFajNemFerUzenet,
                               {std::to_string(oko.L()), std::to_string(static_cast<int64_t>(kell / 1048576.0)),
                                std::to_string(static_cast<int64_t>(static_cast<double>(*szabad) / 1048576.0))})));
  return false;
}

template <typename TDialogus, typename TFelvetel>
std::optional<int32_t> Felvetel(TAlkalmazasKornyezet& kornyezet, TDialogus& dialogus, TFajFormLista& szerkesztok,
                                QWidget* szulo, const TMemoriaLekerdezes& memoria, TFajFajta fajta,
                                TFelvetel felvetel) {
  if (kornyezet.Modalis().Dialogus(dialogus) != QDialog::Accepted) return std::nullopt;
  if (!ElferAzUjFaj(kornyezet, memoria, szulo, dialogus.windowTitle(), fajta)) return std::nullopt;
  int32_t id = 0;
  try {
    id = felvetel(kornyezet.Okoszisztema(), dialogus.Nev().toStdString());
  } catch (const TMemoriaHiba& hiba) {
    kornyezet.Modalis().Uzenet(szulo, TModalisFelulet::TUzenetFajta::Hiba, dialogus.windowTitle(),
                               kornyezet.Uzenet(hiba.Uzenet()));
    return std::nullopt;
  }
  TEsemenyEngedely::TZar zar(kornyezet.EsemenyEngedely());
  // The new editor lists every species already; the hub's registration adds
  // the new one to the choosers of the editors open before it.
  szerkesztok.UjAblak(id);
  kornyezet.Kozpont().Bejegyzes(fajta, id);
  return id;
}

}  // namespace

std::optional<int32_t> UjAllatFajFelvetele(TAlkalmazasKornyezet& kornyezet, TForm_UjAllat& dialogus,
                                           TAllatFormLista& szerkesztok, QWidget* szulo,
                                           const TMemoriaLekerdezes& memoria) {
  return Felvetel(kornyezet, dialogus, szerkesztok, szulo, memoria, TFajFajta::Allat,
                  [](TOkoszisztema& oko, const std::string& nev) { return oko.UjAllatFaj(nev).Id(); });
}

std::optional<int32_t> UjNovenyFajFelvetele(TAlkalmazasKornyezet& kornyezet, TForm_UjNoveny& dialogus,
                                            TNovenyFormLista& szerkesztok, QWidget* szulo,
                                            const TMemoriaLekerdezes& memoria) {
  return Felvetel(kornyezet, dialogus, szerkesztok, szulo, memoria, TFajFajta::Noveny,
                  [](TOkoszisztema& oko, const std::string& nev) { return oko.UjNovenyFaj(nev).Id(); });
}

}  // namespace zelvaris
