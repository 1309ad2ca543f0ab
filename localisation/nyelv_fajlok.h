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

// The menu caption of a language file: its name without the last four
// characters (the ".lng" extension).
std::string NyelvMenuFelirat(std::string_view fajlNev);

}  // namespace zelvaris
