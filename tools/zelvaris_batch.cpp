// zelvaris-batch: runs an ecosystem headless; see BatchHasznalat for the usage.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/batch_futtatas.h"
#include "tools/parancssor.h"
#include "tools/sopres_futtatas.h"

int main(int argc, char** argv) {
  using namespace zelvaris;
  const std::vector<std::string> argumentumok(argv + 1, argv + argc);
  TBatchBeallitas beallitas;
  try {
    beallitas = BatchParancssor(argumentumok);
  } catch (const THasznalatHiba& e) {
    std::cerr << "zelvaris-batch: " << e.what() << "\n\n" << BatchHasznalat();
    return kHasznalatiHiba;
  }
  if (beallitas.Sugo) {
    std::cout << BatchHasznalat();
    return kSikeres;
  }
  try {
    if (beallitas.SopresMod) return SopresFuttatas(beallitas, std::cout, std::cerr);
    return BatchFuttatas(beallitas, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "zelvaris-batch: " << e.what() << '\n';
    return kFajlHiba;
  }
}
