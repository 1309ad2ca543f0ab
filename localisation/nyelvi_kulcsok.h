#pragma once
// Every key a language file may set: its section, its key, the built-in
// Hungarian text of the window designs and how the key is applied. The list is
// in the order a language is read, which matters for the Start/Stop captions.

#include <span>
#include <string_view>

namespace zelvaris {

enum class TKulcsFajta {
  ProgramCim,    // cForm_Fo: the program title in the main window's caption
  MenuFelirat,   // caption of a main-window top menu
  AkcioFelirat,  // caption of a main-window action
  AkcioTipp,     // hint of a main-window action
  StartFelirat,  // c1Act_StartStop
  StopFelirat,   // c2Act_StartStop
  Ablak,         // a text of another window, kept in the language table
};

struct TNyelviKulcs {
  std::string_view Szakasz;
  std::string_view Kulcs;
  std::string_view Magyar;  // the built-in text
  TKulcsFajta Fajta;

  // The component the key names: the key without its prefix ("Act_Tovabb" for
  // cAct_Tovabb and hAct_Tovabb, "Btn_AktualisKeres" for cg1Btn_AktualisKeres).
  std::string_view Komponens() const;
  bool FoAblake() const { return Fajta != TKulcsFajta::Ablak; }
};

// All 230 keys, sections in file order.
std::span<const TNyelviKulcs> NyelviKulcsok();
// The keys of the later additions, in a section of their own after those.
std::span<const TNyelviKulcs> KiegeszitoKulcsok();
// Both, in the order a language is read.
std::span<const TNyelviKulcs> MindenNyelviKulcs();

// The entry of a key by its exact name, or nullptr.
const TNyelviKulcs* NyelviKulcs(std::string_view kulcs);

// The built-in text of a key; throws std::out_of_range for an unknown key.
std::string_view BeepitettSzoveg(std::string_view kulcs);

}  // namespace zelvaris
