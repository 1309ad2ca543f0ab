#pragma once
// The localisation layer, in short:
// - ini_tartalom, ini_fajl: INI files in the program's code page; reads with
//   defaults, writes that replace the file whole or not at all.
// - nyelvi_kulcsok: every language key with its section and built-in text.
// - nyelvi_tabla: the current texts of the windows other than the main window.
// - fo_ablak_szovegek: what the main window offers to the language loader.
// - nyelvkezelo (this file): loading a language, the title, the Start/Stop
//   captions, and asking the windows to take the new texts.
// - nyelv_fajlok: the language files beside the program.
// - beallitasok: the settings file defaultcfg.LIni.

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "localisation/fo_ablak_szovegek.h"
#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

class TIniTartalom;

// The windows (or window lists) that take their texts from the table, in the
// order they are asked to apply a newly loaded language.
enum class TNyelviAblak {
  AllatSzerkesztok,  // every open animal editor
  NovenySzerkesztok,  // every open plant editor
  Korfak,             // every age-pyramid window
  Grafikonok,         // every chart window
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
inline constexpr std::size_t kNyelviAblakDarab = 15;
static_assert(static_cast<std::size_t>(TNyelviAblak::UjOkoszisztema) + 1 == kNyelviAblakDarab);

class TNyelvkezelo {
 public:
  // Runs a window's (or a window list's) SzovegekAlkalmazasa.
  using TAlkalmazas = std::function<void(const TNyelviTabla&)>;

  // Language files are looked for in programKonyvtar/languages.
  explicit TNyelvkezelo(std::filesystem::path programKonyvtar);

  // The main window, not owned; without one only the table and the strings
  // kept here change.
  void SetFoAblak(TFoAblakSzovegek* foAblak) { foAblak_ = foAblak; }

  const std::filesystem::path& ProgramKonyvtar() const { return programKonyvtar_; }
  std::filesystem::path NyelvKonyvtar() const { return programKonyvtar_ / "languages"; }

  const TNyelviTabla& Tabla() const { return tabla_; }
  const std::string& Szoveg(std::string_view kulcs) const { return tabla_.Szoveg(kulcs); }

  // Loads the language file of that name (file name with extension). The name
  // already loaded loads nothing, even if its file has changed. A missing or
  // unreadable file changes no text but still becomes the current language;
  // a key missing from the file keeps its text. A name that is no plain file
  // name (a path, "..") loads nothing and changes nothing.
  void NyelvBetoltese(const std::string& nev);
  const std::string& AktualisNyelv() const { return aktualisNyelv_; }

  // A window registers the call that applies the table to it; one per slot,
  // a later one replaces the earlier. Windows apply the table themselves when
  // they are created.
  void Feliratkozas(TNyelviAblak ablak, TAlkalmazas alkalmazas);
  void Leiratkozas(TNyelviAblak ablak);

  // The main window's caption is CimElotag (the loaded file's name and " - ",
  // set by the configuration and snapshot loaders) followed by the title.
  const std::string& ProgramCim() const { return tabla_.ProgramCim(); }
  const std::string& CimElotag() const { return cimElotag_; }
  void SetCimElotag(std::string elotag);
  std::string AblakCim() const { return cimElotag_ + tabla_.ProgramCim(); }

  // Act_StartStop shows StartFelirat while stopped and StopFelirat while
  // running. The running state is kept here, so that a language whose two
  // texts are equal cannot make a running simulation look stopped; the main
  // window changes the caption only through these calls.
  const std::string& StartFelirat() const { return startFelirat_; }
  const std::string& StopFelirat() const { return stopFelirat_; }
  bool Fut() const { return fut_; }
  // Switches between running and stopped, sets the caption; true if now running.
  bool StartStopValtas();
  void StartStopMegallitva();

 private:
  void CimBeallitas();
  void StartStopBetoltes(const TIniTartalom& ini);

  std::filesystem::path programKonyvtar_;
  TFoAblakSzovegek* foAblak_ = nullptr;
  TNyelviTabla tabla_;
  std::string aktualisNyelv_;
  std::string cimElotag_;
  std::string startFelirat_;
  std::string stopFelirat_;
  bool fut_ = false;
  std::array<TAlkalmazas, kNyelviAblakDarab> ablakok_;
};

}  // namespace zelvaris
