#pragma once
// The localisation layer, in short:
// - ini_tartalom, ini_fajl: INI files in the program's code page; reads with
//   defaults, writes that replace the file whole or not at all.
// - nyelvi_kulcsok: every language key with its section and built-in text.
// - nyelvi_tabla: the current texts of the windows other than the main window.
// - fo_ablak_szovegek: what the main window offers to the language loader.
// - nyelvkezelo (this file): loading a language, the title and the
//   Start/Stop captions; whoever shows texts hears that a language came.
// - nyelv_fajlok: the language files beside the program.
// - beallitasok: the settings file defaultcfg.LIni.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "localisation/fo_ablak_szovegek.h"
#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

class TIniTartalom;

class TNyelvkezelo {
 public:
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

  // Runs after every load, once the table and the main window hold the new
  // texts; the application tells its windows from there. Windows made later
  // take the table when they are created.
  void SetBetoltesJelzo(std::function<void()> jelzo) { betoltesJelzo_ = std::move(jelzo); }

  // The main window's caption is CimElotag (the loaded file's name and " - ",
  // set by the configuration and snapshot loaders) followed by the title.
  const std::string& ProgramCim() const { return tabla_.ProgramCim(); }
  const std::string& CimElotag() const { return cimElotag_; }
  void SetCimElotag(std::string elotag);
  std::string AblakCim() const { return cimElotag_ + tabla_.ProgramCim(); }

  // Act_StartStop shows StartFelirat while stopped and StopFelirat while
  // running. Whether it runs is not a text: the main window asks the owner
  // of the run, so that a language whose two texts are equal cannot make a
  // running simulation look stopped.
  const std::string& StartFelirat() const { return startFelirat_; }
  const std::string& StopFelirat() const { return stopFelirat_; }

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
  std::function<void()> betoltesJelzo_;
};

}  // namespace zelvaris
