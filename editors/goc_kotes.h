#pragma once
// The seed-point dialog follows the species through the push hub: a species
// registered joins its chooser, a renamed one is renamed there by Id, and a
// new ecosystem empties both choosers.

namespace zelvaris {

class TFajKozpont;
class TForm_Goc;

void GocFeliratkozas(TFajKozpont& kozpont, TForm_Goc& goc);

}  // namespace zelvaris
