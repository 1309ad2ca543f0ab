#include "widgets/alkalmazas_kornyezet.h"

namespace zelvaris {

TAlkalmazasKornyezet::TAlkalmazasKornyezet(std::filesystem::path programKonyvtar,
                                           TModalisFelulet* modalis, QObject* szulo)
    : QObject(szulo),
      programKonyvtar_(std::move(programKonyvtar)),
      helyek_(programKonyvtar_),
      nyelv_(helyek_.AdatKonyvtar()),
      valodiModalis_(std::make_unique<TValodiModalisFelulet>()),
      modalis_(modalis != nullptr ? modalis : valodiModalis_.get()),
      okoszisztema_(UjOkoszisztema()) {}

TAlkalmazasKornyezet::~TAlkalmazasKornyezet() = default;

void TAlkalmazasKornyezet::ModalisBeallitasa(TModalisFelulet* modalis) {
  modalis_ = modalis != nullptr ? modalis : valodiModalis_.get();
}

std::unique_ptr<TOkoszisztema> TAlkalmazasKornyezet::UjOkoszisztema() {
  return std::make_unique<TOkoszisztema>(veletlen_, tabla_);
}

void TAlkalmazasKornyezet::OkoszisztemaCsere(std::unique_ptr<TOkoszisztema> uj) {
  std::unique_ptr<TOkoszisztema> regi = std::move(okoszisztema_);
  okoszisztema_ = std::move(uj);
  emit OkoszisztemaCserelodott(okoszisztema_.get());
}

}  // namespace zelvaris
