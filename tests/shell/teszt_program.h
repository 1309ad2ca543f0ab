#pragma once
// What the shell tests share: a modal interface that answers at once and
// records what it was asked, and a whole program in a temporary program
// directory.

#include <QAction>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/program.h"
#include "tests/teszt_modalis.h"
#include "widgets/spin_mezo.h"

namespace zelvaris::teszt {

// A dialog answer: put `ertek` into the number field `mezo` and press OK.
inline std::function<int(QDialog&)> OkErtekkel(const char* mezo, int64_t ertek) {
  return [mezo, ertek](QDialog& d) {
    auto* m = d.findChild<TSpinMezo*>(QString::fromLatin1(mezo));
    if (m == nullptr) return int(QDialog::Rejected);
    m->SetErtek(ertek);
    return int(QDialog::Accepted);
  };
}

inline void FajlIras(const std::filesystem::path& p, const std::string& tartalom) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << tartalom;
}

// A program whose program directory is a fresh temporary directory.
class TTesztProgram {
 public:
  // `elotte` runs on the empty program directory before the program starts
  // (language files, a settings file).
  explicit TTesztProgram(const std::function<void(const std::filesystem::path&)>& elotte = {}) {
    if (elotte) elotte(Konyvtar());
    program_ = std::make_unique<TProgram>(Konyvtar(), &modalis_);
  }
  ~TTesztProgram() { program_.reset(); }

  std::filesystem::path Konyvtar() const { return konyvtar_.path().toStdString(); }
  TValaszoloModalis& Modalis() { return modalis_; }
  TProgram& Program() { return *program_; }
  TForm_Fo& Fo() { return program_->Fo(); }
  TAlkalmazasKornyezet& Kornyezet() { return program_->Kornyezet(); }
  TOkoszisztema& Oko() { return program_->Kornyezet().Okoszisztema(); }
  QAction* Akcio(const char* nev) { return Fo().Akciok()[nev]; }
  bool Latszik(const char* nev) { return Akcio(nev)->isEnabled(); }
  // Runs an action as a click would.
  void Futtat(const char* nev) { Akcio(nev)->trigger(); }

  // A new ecosystem of side `l` through the dialog.
  void UjOkoszisztema(int64_t l) {
    modalis_.Dialogusok.push_back(OkErtekkel("SpE_L", l));
    Futtat("Act_UjOkoszisztema");
  }
  // Closes and destroys the program (writing the settings).
  void Bezaras() {
    Fo().close();
    program_.reset();
  }

 private:
  QTemporaryDir konyvtar_;
  TValaszoloModalis modalis_;
  std::unique_ptr<TProgram> program_;
};

}  // namespace zelvaris::teszt
