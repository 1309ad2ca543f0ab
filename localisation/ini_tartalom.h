#pragma once
// The contents of an INI file held in memory, read and changed the way the
// platform's private-profile functions do it:
// - "[name]" opens a section, "key=value" gives a value; section and key names
//   are matched without regard to letter case (also for the accented letters
//   of the code page); the first section and the first key of a name count;
// - a value loses the blanks around it and one pair of matching quotes
//   enclosing it, and is cut to 2047 characters;
// - lines before the first section, lines without "=" and lines starting with
//   ";" are kept but never read.
// The file is in Windows-1250; names and values in and out are UTF-8. Lines are
// kept as they were read, so a change touches only the line of its key.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

class TIniTartalom {
 public:
  // Longest value a read returns, in characters.
  static constexpr std::size_t kMaxErtekHossz = 2047;

  TIniTartalom() = default;
  // From the bytes of a file (Windows-1250; LF or CR LF line ends). A file
  // starting with a UTF-8 byte-order mark is taken as UTF-8.
  explicit TIniTartalom(std::string_view fajl);

  // The value of the key, or nothing when the section or the key is missing.
  std::optional<std::string> Ertek(std::string_view szakasz, std::string_view kulcs) const;
  std::string Olvas(std::string_view szakasz, std::string_view kulcs,
                    std::string_view alap) const;

  // Sets the key's line; a missing key goes after the last non-blank line of
  // its section, a missing section to the end. Line breaks inside the value
  // become blanks, as a value cannot span lines.
  void Ir(std::string_view szakasz, std::string_view kulcs, std::string_view ertek);

  // Section names, and the key names of the first section of a name, in file order.
  std::vector<std::string> Szakaszok() const;
  std::vector<std::string> Kulcsok(std::string_view szakasz) const;

  // The file's bytes: Windows-1250, every line ended with CR LF.
  std::string Fajl() const;

 private:
  struct TSzakasz {
    std::string nev;  // folded, in the code page
    std::size_t fejlec;
    std::size_t vege;  // one past its last line
  };
  void Indexeles();
  const TSzakasz* SzakaszKeres(std::string_view szakasz) const;
  std::optional<std::size_t> KulcsSor(const TSzakasz& sz, std::string_view kulcs) const;

  std::vector<std::string> sorok_;  // code-page bytes, without line ends
  std::vector<TSzakasz> szakaszok_;
};

}  // namespace zelvaris
