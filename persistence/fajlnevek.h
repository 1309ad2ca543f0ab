#pragma once
// File-name rules of the program's files. An extension counts only when the
// name ends with it exactly, case included: "tavasz.ALLAT" saved as an
// animal species becomes "tavasz.ALLAT.allat".

#include <filesystem>
#include <string_view>

namespace zelvaris {

inline constexpr std::string_view kAllatKiterjesztes = ".allat";
inline constexpr std::string_view kNovenyKiterjesztes = ".noveny";
inline constexpr std::string_view kOkoCfgKiterjesztes = ".okocfg";
inline constexpr std::string_view kOkoPillKiterjesztes = ".okopill";
inline constexpr std::string_view kOkoDatKiterjesztes = ".okodat";

// Whether the file name ends with the extension exactly.
bool PontosKiterjesztes(const std::filesystem::path& nev, std::string_view kiterjesztes);

// The name with the extension appended unless it already ends with it.
std::filesystem::path FajFajlNev(const std::filesystem::path& nev, std::string_view kiterjesztes);
std::filesystem::path OkoCfgNev(const std::filesystem::path& nev);
std::filesystem::path OkoPillNev(const std::filesystem::path& nev);

// The data file's name, without directory, for a snapshot file: ".okopill"
// replaced by ".okodat" ("tavasz.okopill" -> "tavasz.okodat"); a snapshot
// named otherwise gets ".okodat" appended to its whole name.
std::string OkoDatNev(const std::filesystem::path& okopill);

}  // namespace zelvaris
