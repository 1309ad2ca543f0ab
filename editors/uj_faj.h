#pragma once
// "Új állatfaj" and "Új növényfaj": ask for the name, add the species to the
// ecosystem, open an editor on it and register it in every window that
// lists species of its kind. Registration starts only after the ecosystem
// took the species and runs to its end without returning to the event loop.

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TAllatFormLista;
class TForm_UjAllat;
class TForm_UjNoveny;
class TNovenyFormLista;

// Free memory in bytes as the checks see it; empty: the system does not tell.
using TMemoriaLekerdezes = std::function<std::optional<uint64_t>()>;

// The new species' Id, or nothing when the dialog was cancelled or the
// species did not fit in memory (then nothing changed and the user was told).
std::optional<int32_t> UjAllatFajFelvetele(TAlkalmazasKornyezet& kornyezet, TForm_UjAllat& dialogus,
                                           TAllatFormLista& szerkesztok, QWidget* szulo,
                                           const TMemoriaLekerdezes& memoria = {});
std::optional<int32_t> UjNovenyFajFelvetele(TAlkalmazasKornyezet& kornyezet, TForm_UjNoveny& dialogus,
                                            TNovenyFormLista& szerkesztok, QWidget* szulo,
                                            const TMemoriaLekerdezes& memoria = {});

}  // namespace zelvaris
