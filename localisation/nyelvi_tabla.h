#pragma once
// The texts of the windows other than the main window, by language key
// ("caLbl_Kor", "cmForm_Tkp"), and the program title. It starts with the
// built-in Hungarian texts, so every window shows its designed texts until a
// language file replaces them.

#include <exception>
#include <map>
#include <string>
#include <string_view>

#include "core/uzenet.h"

namespace zelvaris {

class TNyelviTabla {
 public:
  TNyelviTabla();

  // The text of a window key; throws std::out_of_range for a key that no
  // window section holds (a misspelt key is a programming error).
  const std::string& Szoveg(std::string_view kulcs) const;
  void SetSzoveg(std::string_view kulcs, std::string szoveg);
  // A message in the current language: each key's pattern from the table,
  // the built-in one for a key the table does not hold.
  std::string Uzenet(const TUzenet& uzenet) const;
  const std::string& Szoveg(const TUzenetMinta& minta) const { return Szoveg(minta.Kulcs); }

  const std::string& ProgramCim() const { return programCim_; }
  void SetProgramCim(std::string cim) { programCim_ = std::move(cim); }

 private:
  std::map<std::string, std::string, std::less<>> szovegek_;
  std::string programCim_;
};

// The text of an error for the user: a keyed message in the table's language,
// any other error by its own text.
std::string HibaSzovege(const std::exception& hiba, const TNyelviTabla& tabla);

// The caption of a folding group box: the language text followed by the state
// mark (" (-)" or " (+)", the last four characters) of its current caption.
std::string CsukhatoFelirat(std::string_view szoveg, std::string_view jelenlegi);

}  // namespace zelvaris
