#pragma once
// The main window "Zelvaris": a multi-document frame with the menus, the two
// toolbar bars, the hidden server log and the "Language" menu. It owns the
// actions and the window lists, runs the start-up steps when it is created
// and writes the settings when it closes. Every other window is a top-level
// window of its own, created after this one and handed over with
// AblakokBeallitasa; the windows follow the application context themselves,
// so the actions here only run operations and bring windows forward.

#include <QMainWindow>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/okoszisztema.h"
#include "editors/faj_form_lista.h"
#include "localisation/beallitasok.h"
#include "localisation/fo_ablak_szovegek.h"
#include "monitors/grafikon_lista.h"
#include "monitors/korfa_lista.h"
#include "shell/akciok.h"

class QActionGroup;
class QMdiArea;
class QMenu;
class QPlainTextEdit;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TForm_Allat_Teljes;
class TForm_Atmeretez;
class TForm_ClientMode;
class TForm_Goc;
class TForm_Grafikon;
class TForm_Korfa;
class TForm_Jelentkezesek;
class TForm_Kezelo;
class TForm_Kijelzes;
class TForm_Ngy;
class TForm_Oko;
class TForm_Permetek;
class TForm_Tkp;
class TForm_UjAllat;
class TForm_UjGrafikon;
class TForm_UjNoveny;
class TForm_UjOkoszisztema;
class TModValto;

class TForm_Fo : public QMainWindow, public TFoAblakSzovegek {
  Q_OBJECT

 public:
  // Windows 2 to 16 of the start-up order; none is owned here, every one
  // is there once they are handed over.
  struct TAblakok {
    TForm_Kezelo* Kezelo = nullptr;
    TForm_Oko* Oko = nullptr;
    TForm_Allat_Teljes* AllatTeljes = nullptr;
    TForm_Permetek* Permetek = nullptr;
    TForm_Kijelzes* Kijelzes = nullptr;
    TForm_Tkp* Tkp = nullptr;
    TForm_Ngy* Ngy = nullptr;
    TForm_UjNoveny* UjNoveny = nullptr;
    TForm_UjAllat* UjAllat = nullptr;
    TForm_UjGrafikon* UjGrafikon = nullptr;
    TForm_Goc* Goc = nullptr;
    TForm_UjOkoszisztema* UjOkoszisztema = nullptr;
    TForm_Atmeretez* Atmeretez = nullptr;
    TForm_ClientMode* ClientMode = nullptr;
    TForm_Jelentkezesek* Jelentkezesek = nullptr;
  };

  // Runs the start-up steps: language menu, generator, window lists, file
  // dialog directories, start state, current directory, settings and language.
  explicit TForm_Fo(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);
  ~TForm_Fo() override;

  // Throws std::invalid_argument when a window is missing.
  void AblakokBeallitasa(const TAblakok& ablakok);
  const TAblakok& Ablakok() const { return ablakok_; }

  TAkciok& Akciok() { return *akciok_; }
  TBeallitasok& Beallitasok() { return beallitasok_; }
  const std::vector<std::string>& NyelvFajlok() const { return nyelvFajlok_; }
  QMenu* Menu(std::string_view nev) const;
  int HalozatiMod() const;
  // The network modes; exists once the windows were handed over.
  TModValto* ModValto() { return modValto_.get(); }

  // The window lists: animal editors, plant editors, charts, age pyramids.
  TAllatFormLista& AllatFormLista() { return allatFormLista_; }
  TNovenyFormLista& NovenyFormLista() { return novenyFormLista_; }
  TGrafikonFormLista& GrafikonFormLista() { return grafikonFormLista_; }
  TKorfaFormLista& KorfaFormLista() { return korfaFormLista_; }

  // Opens a configuration or a snapshot exactly as the open actions do after
  // their dialog, chosen by the extension. A file that cannot be loaded
  // throws and leaves the current ecosystem and every window as they were.
  void FajlMegnyitasa(const std::filesystem::path& fajl);
  void OkoCfgMegnyitasa(const std::filesystem::path& fajl);
  void OkoPillMegnyitasa(const std::filesystem::path& fajl);

  // Replaces the ecosystem by `uj` (a fresh one when null); every window that
  // shows it starts over.
  void UjOkoszisztemaBeallitas(std::unique_ptr<TOkoszisztema> uj = nullptr);
  // The new or loaded world enters the windows.
  void AblakokFrissitese();

  // The initial directory of the file dialogs of one kind ("okocfg").
  QString Konyvtar(std::string_view nev) const;

  // Sets the random generator's state ("Mag beállítása...", the --seed
  // argument).
  void MagBeallitasa(uint32_t mag);
  // The generator's state when the last build (Alkalmaz, a snapshot load)
  // began; nothing before the first.
  std::optional<uint32_t> KezdoMag() const;

  // TFoAblakSzovegek
  std::string Felirat(std::string_view komponens) const override;
  void SetFelirat(std::string_view komponens, const std::string& szoveg) override;
  std::string Tipp(std::string_view komponens) const override;
  void SetTipp(std::string_view komponens, const std::string& szoveg) override;
  void SetAblakCim(const std::string& cim) override;

 signals:
  // The main window closed: the program ends.
  void Bezarva();

 protected:
  void closeEvent(QCloseEvent* esemeny) override;

 private:
  void FeluletEpites();
  void MenukEpites();
  void EszkoztarakEpites();
  void NyelvMenuEpites();
  void NyelvMenuJeloles();
  void MuveletekKotese();
  void Kot(std::string_view akcio, void (TForm_Fo::*muvelet)());
  void Elorehoz(QWidget& ablak);
  void SzerkesztokElhelyezese();
  void TerkepEsNagyitoMutatasa();
  // Act_StartStop and Act_Tovabb show whether the world runs.
  void FutasMutatasa(bool fut);
  void StartStopFelirat();

  // The operations of the actions.
  void UjOkoszisztema();
  void Alkalmaz();
  void StartStop();
  void Tovabb();
  void DegPermetezes();
  void PerPermetezes();
  void Atmeretez();
  void Rajzolhat();
  void OkoCfgMegnyitas();
  void OkoCfgMentes();
  void OkoPillMegnyitas();
  void OkoPillMentes();
  void MagBeallitas();
  void TerkepPngMentes();
  void GrafikonExportKotes(TForm_Grafikon& ablak);
  void KorfaExportKotes(TForm_Korfa& ablak);

  TAlkalmazasKornyezet& kornyezet_;
  TBeallitasok beallitasok_;
  std::unique_ptr<TAkciok> akciok_;
  TAblakok ablakok_;
  std::map<std::string, QMenu*, std::less<>> menuk_;
  QMenu* nyelvMenu_ = nullptr;
  QActionGroup* nyelvCsoport_ = nullptr;
  std::vector<std::string> nyelvFajlok_;
  QMdiArea* mdi_ = nullptr;
  QPlainTextEdit* memServer_ = nullptr;
  TAllatFormLista allatFormLista_;
  TNovenyFormLista novenyFormLista_;
  TGrafikonFormLista grafikonFormLista_;
  TKorfaFormLista korfaFormLista_;
  std::unique_ptr<TModValto> modValto_;
  bool terkepElhelyezve_ = false;
  bool bezarva_ = false;
};

}  // namespace zelvaris
