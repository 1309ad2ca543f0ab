#pragma once
// What the language loader needs from the main window: the current caption and
// hint of a menu or action by its component name ("MM_Fajl", "Act_Tovabb"),
// and its own caption. The main window implements it; the
// loader stays free of any window toolkit.

#include <string>
#include <string_view>

namespace zelvaris {

class TFoAblakSzovegek {
 public:
  virtual ~TFoAblakSzovegek() = default;

  virtual std::string Felirat(std::string_view komponens) const = 0;
  virtual void SetFelirat(std::string_view komponens, const std::string& szoveg) = 0;
  virtual std::string Tipp(std::string_view komponens) const = 0;
  virtual void SetTipp(std::string_view komponens, const std::string& szoveg) = 0;

  // The main window's caption: the file-name prefix followed by the title.
  virtual void SetAblakCim(const std::string& cim) = 0;
};

}  // namespace zelvaris
