#pragma once
// Line files: every stored value stands on a line of its own, with no names
// or lengths, so a reader must take exactly the lines the writer wrote. Lines
// end in CR LF; text is stored in Windows-1250 and held as UTF-8 in memory.
//
// Reading is strict where a silent guess would lose data: a file that ends
// before the value asked for is refused as truncated, and an integer line
// that holds no integer is refused; both errors name the file and the line.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/listak.h"
#include "core/szin.h"
#include "persistence/atomi_mentes.h"
#include "persistence/binaris.h"
#include "persistence/fajl_hiba.h"

namespace zelvaris {

// The version line every text file of the program starts with.
inline constexpr std::string_view kAktualisVerzio = "4.6";

class TSorOlvaso {
 public:
  // Reads the whole file; throws TFajlHiba when it cannot be read.
  static TSorOlvaso Megnyitas(const std::filesystem::path& fajl);
  TSorOlvaso(std::filesystem::path fajl, std::string tartalom);

  // Blanks, tabs and line ends are skipped first, so empty lines before a
  // number are passed over; then up to 32 characters above code 32 must form
  // a signed decimal 32-bit integer. The rest of its line is skipped.
  int32_t Egesz();
  // True exactly when the line holds 1.
  bool Logikai() { return Egesz() == 1; }
  TSzin Szin() { return Egesz(); }
  // A whole line, blanks included, converted to UTF-8.
  std::string Szoveg();
  // A whole line as stored (the version line is compared byte for byte).
  std::string NyersSor();
  std::string IdSor();
  // A species Id too large for 32 bits is refused, not wrapped.
  TIdLista Lista() { return SzovegbolLista(IdSor()); }
  TCsoportok Csoportok() { return SzovegbolCsoportok(IdSor()); }

  // The number of the line the next read starts on (1 for the first).
  int32_t SorSzam() const { return sor_; }
  // The line the last value read stood on.
  int32_t UtolsoSor() const { return utolsoSor_; }
  const std::filesystem::path& Fajl() const { return fajl_; }
  [[noreturn]] void Hiba(TUzenet leiras, int32_t sor) const;

 private:
  bool SorVegenAll() const;
  void SorVegeAtlepese();
  [[noreturn]] void Csonka() const;

  std::filesystem::path fajl_;
  std::string tartalom_;
  size_t poz_ = 0;
  int32_t sor_ = 1;
  int32_t utolsoSor_ = 0;
};

class TSorIro {
 public:
  void Egesz(int32_t ertek);
  void Logikai(bool ertek) { Egesz(ertek ? 1 : 0); }
  void Szin(TSzin szin) { Egesz(szin); }
  // Converted to Windows-1250 ("?" for what it lacks); a line break inside
  // the text becomes a blank, so the text stays one line.
  void Szoveg(std::string_view utf8);
  void Lista(const TIdLista& lista) { Sor(ListaSzovegge(lista)); }
  void Csoportok(const TCsoportok& csoportok) { Sor(CsoportokSzovegge(csoportok)); }

  // The bytes written so far.
  const std::string& Tartalom() const { return tartalom_; }

 private:
  void Sor(std::string_view bajtok);
  std::string tartalom_;
};

}  // namespace zelvaris
