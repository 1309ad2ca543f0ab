#pragma once
// Saving without ever leaving a half-written file behind: the bytes go to a
// temporary file in the target's directory, which is renamed over the target
// only once it is complete. A save that fails leaves the previous file as it
// was and throws TFajlHiba naming the target and the reason.

#include <filesystem>
#include <string>
#include <string_view>

namespace zelvaris {

// One pending file. Ir writes the whole content to the temporary file;
// Veglegesit renames it over the target. A file never finalised is removed,
// so a save of several files can write them all before replacing any.
class TAtomiFajl {
 public:
  explicit TAtomiFajl(std::filesystem::path cel);
  ~TAtomiFajl();
  TAtomiFajl(const TAtomiFajl&) = delete;
  TAtomiFajl& operator=(const TAtomiFajl&) = delete;

  void Ir(std::string_view tartalom);
  void Veglegesit();

 private:
  std::filesystem::path cel_;
  std::filesystem::path ideiglenes_;
};

void AtomiMentes(const std::filesystem::path& cel, std::string_view tartalom);

// The whole content of a file; throws TFajlHiba when it cannot be read.
std::string FajlBeolvasasa(const std::filesystem::path& fajl);

}  // namespace zelvaris
