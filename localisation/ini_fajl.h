#pragma once
// INI files on disk, with the private-profile behaviour the program relies on:
// reading a missing or unreadable file gives the defaults; a write creates the
// file when it is missing, keeps every other line, and either replaces the file
// whole or leaves it untouched (the new contents go to a temporary file in the
// same directory, which is then renamed over the old one).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "localisation/ini_tartalom.h"

namespace zelvaris {

// The contents of the file; empty when it is missing or cannot be read.
TIniTartalom IniBetoltes(const std::filesystem::path& utvonal);

// The contents to change and write back: empty when the file is missing,
// nothing when it exists but cannot be read (writing would lose its lines);
// hiba then tells why.
std::optional<TIniTartalom> IniBetoltesIrashoz(const std::filesystem::path& utvonal,
                                               std::string* hiba = nullptr);

// Replaces the file with the contents. On failure returns false, leaves the
// file as it was and, if hiba is given, describes the reason there.
bool IniMentes(const std::filesystem::path& utvonal, const TIniTartalom& tartalom,
               std::string* hiba = nullptr);

// One INI file used through single reads and writes.
class TIniFajl {
 public:
  // Reads the file once; later reads answer from what was read.
  explicit TIniFajl(std::filesystem::path utvonal);

  std::string Olvas(std::string_view szakasz, std::string_view kulcs,
                    std::string_view alap) const;
  const TIniTartalom& Tartalom() const { return tartalom_; }

  // Writes one key into the file at once, starting from the file as it is on
  // disk now. False if the file exists but cannot be read, or cannot be
  // replaced; Hiba() then tells why.
  bool Ir(std::string_view szakasz, std::string_view kulcs, std::string_view ertek);
  const std::string& Hiba() const { return hiba_; }

 private:
  std::filesystem::path utvonal_;
  TIniTartalom tartalom_;
  std::string hiba_;
};

}  // namespace zelvaris
