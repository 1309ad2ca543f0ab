#pragma once
// The program settings file defaultcfg.LIni beside the program: the server
// address last typed for client mode and the language last chosen.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelvaris {

class TNyelvkezelo;

inline constexpr std::string_view kBeallitasFajlNev = "defaultcfg.LIni";
inline constexpr std::string_view kBeallitasMentesiHiba =
    "Nem sikerült a konfigurációt menteni, valószínűleg hozzáférési jogkorlátozás miatt.";

class TBeallitasok {
 public:
  explicit TBeallitasok(std::filesystem::path programKonyvtar);

  std::filesystem::path FajlUtvonal() const { return programKonyvtar_ / kBeallitasFajlNev; }

  const std::string& ServerIP() const { return serverIP_; }
  void SetServerIP(std::string ip) { serverIP_ = std::move(ip); }

  // At start-up: reads the server address and the language name (each with the
  // current value as default) and loads that language. A missing or unreadable
  // file leaves both as they are.
  void BeallitasokOlvasasa(TNyelvkezelo& nyelv);

  // At closing: writes the server address and the current language. The file
  // is replaced whole or not at all; on failure the message to show is
  // returned and the previous file stays as it was.
  std::optional<std::string> BeallitasokIrasa(const TNyelvkezelo& nyelv) const;

 private:
  std::filesystem::path programKonyvtar_;
  std::string serverIP_;
};

}  // namespace zelvaris
