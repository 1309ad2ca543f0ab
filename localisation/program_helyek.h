#pragma once
// Where the program finds its data and keeps the user's settings and files.
//
// The data (languages/ and the shipped examples in allat/, noveny/, okocfg/,
// okopill/) lies beside the program in the build tree and in a portable copy,
// and in ../share/zelvaris from the program's own path once installed.
//
// Beside a writable program directory holding its own data, the settings file
// and the file dialogs stay in the program directory. An installed program,
// or one whose directory cannot be written, keeps the settings in
// $XDG_CONFIG_HOME/zelvaris (default ~/.config/zelvaris) and starts its file
// dialogs in $XDG_DATA_HOME/zelvaris/<kind> (default ~/.local/share), which
// are created on first use and seeded with the shipped examples, so that
// saving never fails for lack of rights.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

// The environment the per-user folders come from; an empty value is unset.
struct TFelhasznaloiKornyezet {
  std::string XdgConfigHome;
  std::string XdgDataHome;
  std::string Home;

  // This process's environment; without HOME, the user's home from the
  // password database.
  static TFelhasznaloiKornyezet Folyamate();
};

class TProgramHelyek {
 public:
  // Decides the places once, from the file system as it is now. Creates
  // nothing.
  explicit TProgramHelyek(std::filesystem::path programKonyvtar,
                          const TFelhasznaloiKornyezet& kornyezet = TFelhasznaloiKornyezet::Folyamate());

  const std::filesystem::path& ProgramKonyvtar() const { return programKonyvtar_; }
  // The folder holding languages/ and the shipped examples.
  const std::filesystem::path& AdatKonyvtar() const { return adatKonyvtar_; }
  // True when the settings and the file dialogs stay beside the program.
  bool ProgramMellett() const { return programMellett_; }

  // The folder of the settings file, read at start and written at close.
  // Per user, a settings file left beside the program is copied there the
  // first time, so a read-only portable copy keeps its choices.
  std::filesystem::path BeallitasKonyvtar() const;
  // No settings file existed at construction, neither where it is kept nor,
  // per user, beside the program.
  bool ElsoInditas() const { return elsoInditas_; }

  // The initial folder of the file dialogs of one kind ("allat", "noveny",
  // "okocfg", "okopill"). Beside the program: that folder under the program
  // directory, not created. Per user: created when missing and filled with
  // copies of the shipped examples of that kind; a folder that already
  // exists is left as the user keeps it.
  std::filesystem::path FajlKonyvtar(std::string_view fajta) const;
  // Where other saves (picture and table exports) start: the program
  // directory beside the program, the user's home otherwise.
  std::filesystem::path MentesKonyvtar() const;

 private:
  std::filesystem::path programKonyvtar_;
  std::filesystem::path adatKonyvtar_;
  std::filesystem::path felhasznaloiBeallitas_;
  std::filesystem::path felhasznaloiAdat_;
  std::filesystem::path otthon_;
  bool programMellett_ = true;
  bool elsoInditas_ = true;
};

// The language a first start loads: "Magyar.lng" for a Hungarian user,
// "English.lng" for any other, when that file is among `nyelvFajlok`;
// otherwise none (empty).
std::string ElsoInditasNyelve(const std::vector<std::string>& nyelvFajlok, bool magyar);

}  // namespace zelvaris
