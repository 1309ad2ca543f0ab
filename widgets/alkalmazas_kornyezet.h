#pragma once
// The program-wide objects of the window program in one place a test can
// create fresh: the generator, the search table, the current ecosystem, the
// modal interface, the event guard and the language. Windows hold a
// reference to it and never keep their own copy of the model.

#include <QObject>
#include <filesystem>
#include <memory>

#include "core/kereso_tabla.h"
#include "core/okoszisztema.h"
#include "core/veletlen.h"
#include "localisation/nyelvkezelo.h"
#include "localisation/program_helyek.h"
#include "widgets/modalis_felulet.h"

namespace zelvaris {

class TAlkalmazasKornyezet : public QObject {
  Q_OBJECT

 public:
  // `modalis` is not owned; null installs the real dialogs.
  explicit TAlkalmazasKornyezet(std::filesystem::path programKonyvtar,
                                TModalisFelulet* modalis = nullptr, QObject* szulo = nullptr);
  ~TAlkalmazasKornyezet() override;

  const std::filesystem::path& ProgramKonyvtar() const { return programKonyvtar_; }
  // Where the data, the settings and the user's files are.
  const TProgramHelyek& Helyek() const { return helyek_; }
  TVeletlen& Veletlen() { return veletlen_; }
  TKeresoTabla& Tabla() { return tabla_; }
  TNyelvkezelo& Nyelv() { return nyelv_; }
  TEsemenyEngedely& EsemenyEngedely() { return esemenyEngedely_; }
  TModalisFelulet& Modalis() { return *modalis_; }
  void ModalisBeallitasa(TModalisFelulet* modalis);

  // The current ecosystem; there is always one after construction.
  TOkoszisztema& Okoszisztema() { return *okoszisztema_; }
  // A fresh, empty ecosystem on the program's generator and table.
  std::unique_ptr<TOkoszisztema> UjOkoszisztema();
  // Replaces the current ecosystem; listeners hear it before the old one is
  // destroyed, so none is left pointing at freed memory.
  void OkoszisztemaCsere(std::unique_ptr<TOkoszisztema> uj);

 signals:
  void OkoszisztemaCserelodott(zelvaris::TOkoszisztema* uj);

 private:
  std::filesystem::path programKonyvtar_;
  TProgramHelyek helyek_;
  TVeletlen veletlen_;
  TKeresoTabla tabla_;
  TNyelvkezelo nyelv_;
  TEsemenyEngedely esemenyEngedely_;
  std::unique_ptr<TValodiModalisFelulet> valodiModalis_;
  TModalisFelulet* modalis_;
  std::unique_ptr<TOkoszisztema> okoszisztema_;
};

}  // namespace zelvaris
