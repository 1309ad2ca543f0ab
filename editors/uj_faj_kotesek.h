#pragma once
// The sprays window and the display settings follow the species through the
// push hub: a registered species joins their lists, a rename and a flag set
// elsewhere reach their entries, a new ecosystem empties them; a flag the
// user sets in one of their lists reaches every other view of it.

namespace zelvaris {

class TFajKozpont;
class TForm_Kijelzes;
class TForm_Permetek;

void PermetekFeliratkozas(TFajKozpont& kozpont, TForm_Permetek& permetek);
void KijelzesFeliratkozas(TFajKozpont& kozpont, TForm_Kijelzes& kijelzes);

}  // namespace zelvaris
