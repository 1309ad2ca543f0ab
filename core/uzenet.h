#pragma once
// A text for the user as a stable key and the values that fill it, so that
// the layers without windows stay free of any one language: the window
// program looks the key up in its language table, and a program without one
// (the batch tool) shows the built-in pattern. A pattern holds %1 .. %9 where
// its values go; a value may itself be a message.

#include <string>
#include <string_view>
#include <vector>

namespace zelvaris {

// `minta` with %1 .. %9 replaced by the values, in one pass: a value that
// holds "%1" itself stays as it is. A mark without its value is dropped.
std::string MintaKitoltese(std::string_view minta, const std::vector<std::string>& ertekek);

// A key of the language table and its built-in Hungarian pattern.
struct TUzenetMinta {
  std::string_view Kulcs;
  std::string_view Magyar;
};

class TUzenet {
 public:
  // Text shown as it stands (a file name, a number, the system's own words).
  TUzenet(std::string szoveg);  // NOLINT: a plain value converts implicitly
  TUzenet(const char* szoveg) : TUzenet(std::string(szoveg)) {}  // NOLINT
  TUzenet(const TUzenetMinta& minta, std::vector<TUzenet> ertekek);

  // Empty for a text shown as it stands.
  std::string_view Kulcs() const { return minta_.Kulcs; }
  const std::vector<TUzenet>& Ertekek() const { return ertekek_; }

  // The text with the built-in patterns.
  std::string Szoveg() const;
  // The text with each key's pattern taken from `minta` (given the key and
  // its built-in pattern).
  template <typename TMintaForras>
  std::string Szoveg(const TMintaForras& minta) const {
    if (minta_.Kulcs.empty()) return szoveg_;
    std::vector<std::string> ertekek;
    ertekek.reserve(ertekek_.size());
    for (const TUzenet& e : ertekek_) ertekek.push_back(e.Szoveg(minta));
    return MintaKitoltese(minta(minta_), ertekek);
  }

 private:
  TUzenetMinta minta_{};
  std::string szoveg_;
  std::vector<TUzenet> ertekek_;
};

}  // namespace zelvaris
