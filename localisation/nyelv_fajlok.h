#pragma once
// The language files offered in the "Language" menu: the *.lng files of the
// languages directory beside the program.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

// File names (without directory) of the *.lng files in programKonyvtar/languages,
// the extension matched in any letter case, sorted by name. Empty when the
// directory is missing or unreadable.
std::vector<std::string> NyelvFajlokListazasa(const std::filesystem::path& programKonyvtar);

// Whether `nev` is a plain file name, one that can only name a file directly
// inside the languages directory: not empty, no directory part, no separator
// of either kind, not "." or "..", not absolute. A language name read from
// the settings file is a path otherwise.
bool EgyszeruFajlNev(std::string_view nev);

// The menu caption of a language file: its name without the last four
// characters (the ".lng" extension).
std::string NyelvMenuFelirat(std::string_view fajlNev);

}  // namespace zelvaris
