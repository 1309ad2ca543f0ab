#pragma once
// The program-wide objects of the window program in one place a test can
// create fresh: the generator, the search table, the current ecosystem, the
// modal interface, the event guard, the language and the species hub.
// Windows hold a reference to it and never keep their own copy of the model.
//
// The context also announces what its operations change: the world
// replaced, its side length, its grid built or resized, a step and the time,
// the generator's state, a new language. Each window subscribes to what it
// shows, in its own constructor.

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/rendezett_jelzes.h"
#include "core/kereso_tabla.h"
#include "core/okoszisztema.h"
#include "core/veletlen.h"
#include "localisation/nyelvkezelo.h"
#include "localisation/program_helyek.h"
#include "widgets/modalis_felulet.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

class TFajKozpont;

// The order in which the windows take a newly loaded language: the main
// window, the windows opened on demand by kind, then the fixed windows.
enum class TNyelviSor {
  FoAblak,
  AllatSzerkesztok,
  NovenySzerkesztok,
  Korfak,
  Grafikonok,
  Oko,
  Terkep,
  Nagyito,
  Kezelo,
  Atmeretezes,
  Goc,
  Kijelzes,
  Permetek,
  UjAllat,
  UjNoveny,
  UjOkoszisztema,
};

class TAlkalmazasKornyezet : public QObject {
  Q_OBJECT

 public:
  // `modalis` is not owned; null installs the real dialogs.
  explicit TAlkalmazasKornyezet(std::filesystem::path programKonyvtar,
                                TModalisFelulet* modalis = nullptr, QObject* szulo = nullptr);
  ~TAlkalmazasKornyezet() override;

  const std::filesystem::path& ProgramKonyvtar() const { return programKonyvtar_; }
  // Where the data, the settings and the user's files are.
  const TProgramHelyek& Helyek() const { return helyek_; }
  TVeletlen& Veletlen() { return veletlen_; }
  TKeresoTabla& Tabla() { return tabla_; }
  TNyelvkezelo& Nyelv() { return nyelv_; }
  // A text or a message in the loaded language.
  QString Szoveg(const TUzenetMinta& minta) const { return Qs(nyelv_.Tabla().Szoveg(minta)); }
  QString Uzenet(const TUzenet& uzenet) const { return Qs(nyelv_.Tabla().Uzenet(uzenet)); }
  TEsemenyEngedely& EsemenyEngedely() { return esemenyEngedely_; }
  TModalisFelulet& Modalis() { return *modalis_; }
  void ModalisBeallitasa(TModalisFelulet* modalis);
  TFajKozpont& Kozpont() { return *kozpont_; }

  // The current ecosystem; there is always one after construction.
  TOkoszisztema& Okoszisztema() { return *okoszisztema_; }
  // A fresh, empty ecosystem on the program's generator and table.
  std::unique_ptr<TOkoszisztema> UjOkoszisztema();
  // Replaces the current ecosystem; listeners hear it before the old one is
  // destroyed, so none is left pointing at freed memory. The new world's
  // time follows.
  void OkoszisztemaCsere(std::unique_ptr<TOkoszisztema> uj);

  // A new or loaded world enters the windows: its side length, every
  // species registered (plants, then animals, each in Id order), then its
  // drawing orders.
  void VilagBemutatasa();
  // "Átméretezés": the world takes side length `l`; before its first build
  // only L is recorded.
  void Atmeretez(int32_t l);
  // "Alkalmaz": the generator's state becomes the start seed, the grid is
  // built and the start populations placed; the next build places them
  // again. Returns the populations that did not fit.
  std::vector<THiany> Alkalmaz();
  // The current world came built (a snapshot); its build began with the
  // generator at `kezdoMag`. What "Alkalmaz" does after building follows.
  void FelepitettVilag(uint32_t kezdoMag);

  // The step of a tick was taken and recorded in the sources.
  void LepesKozzetetele();
  // The tick is over: the elapsed time, then the state.
  void IdoKozzetetele();
  // After an action, a tick or a drawing pass: the generator's state if it
  // moved, and the world for whoever inspects it.
  void AllapotKozzetetele();
  // "Mag beállítása...": the generator's state.
  void MagBeallitasa(uint32_t mag);
  // The generator's state when the last build (Alkalmaz, a snapshot load)
  // began; nothing before the first.
  const std::optional<uint32_t>& KezdoMag() const { return kezdoMag_; }

  // `f` runs after every language load for as long as `ablak` lives, in the
  // place `sor` gives it.
  void NyelvFeliratkozas(TNyelviSor sor, QObject* ablak,
                         std::function<void(const TNyelviTabla&)> f);
  // The window takes the current texts now and every later language.
  template <typename TAblak>
  void SzovegekKovetese(TNyelviSor sor, TAblak& ablak) {
    ablak.SzovegekAlkalmazasa(nyelv_.Tabla());
    NyelvFeliratkozas(sor, &ablak,
                      [&ablak](const TNyelviTabla& t) { ablak.SzovegekAlkalmazasa(t); });
  }

 signals:
  void OkoszisztemaCserelodott(zelvaris::TOkoszisztema* uj);
  void OldalhosszValtozott(int32_t l);
  // The side length was changed by a resize (the grid, if built, with it).
  void VilagAtmeretezve();
  void RacsFelepult();
  void SorrendekBetoltve();
  void Lepett();
  void IdoValtozott(int32_t ido);
  void MagValtozott(uint32_t mag);
  void KezdoMagValtozott(std::optional<uint32_t> mag);
  void AllapotValtozott();

 private:
  std::filesystem::path programKonyvtar_;
  TProgramHelyek helyek_;
  TVeletlen veletlen_;
  TKeresoTabla tabla_;
  TNyelvkezelo nyelv_;
  TEsemenyEngedely esemenyEngedely_;
  std::unique_ptr<TValodiModalisFelulet> valodiModalis_;
  TModalisFelulet* modalis_;
  std::unique_ptr<TOkoszisztema> okoszisztema_;
  std::optional<uint32_t> kezdoMag_;
  std::optional<uint32_t> kozzetettMag_;
  TRendezettJelzes<TNyelviSor, const TNyelviTabla&> nyelvValtozas_;
  // Made with the context: it hears a replaced ecosystem before any window.
  std::unique_ptr<TFajKozpont> kozpont_;
};

}  // namespace zelvaris
