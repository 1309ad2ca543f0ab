#pragma once
// One world driven from Python: the generator, the search table and the
// ecosystem that a batch run would own, loaded from a file the way
// zelvaris-batch loads it. Species are named from Python by name, display
// name or Id; arrays are copies, so Python never holds a pointer into the
// model.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/okoszisztema.h"

namespace zelvaris::python {

namespace py = pybind11;

class TPyOkoszisztema {
 public:
  // Loads a configuration (built and populated) or a snapshot. Without a
  // seed the clock seeds the generator. Start populations that did not fit
  // are returned as the batch tool's warning lines.
  TPyOkoszisztema(const std::filesystem::path& fajl, std::optional<uint32_t> mag,
                  std::string& figyelmeztetesek);

  // The model; refused (RuntimeError) while another thread steps it, since
  // a step runs without the GIL.
  TOkoszisztema& Oko() {
    Elerheto();
    return *oko_;
  }
  const TOkoszisztema& Oko() const {
    Elerheto();
    return *oko_;
  }
  TVeletlen& Veletlen() {
    Elerheto();
    return veletlen_;
  }
  uint32_t KezdoMag() const { return kezdoMag_; }
  const std::filesystem::path& Fajl() const { return fajl_; }

  // n steps without the GIL, checking for Ctrl-C between steps.
  void Lepesek(int64_t n, bool haladas);

  py::dict Sorozat() const;
  py::dict Dozisok() const;
  py::array Egyedek(bool allat, int32_t id) const;
  py::array Elofordulas(bool allat, int32_t id) const;
  py::array TerkepKep();
  py::array Korfa(int32_t id) const;

 private:
  void Elerheto() const;
  std::filesystem::path fajl_;
  bool lep_ = false;  // a step() is under way (in some thread)
  uint32_t kezdoMag_ = 0;
  TVeletlen veletlen_;
  TKeresoTabla tabla_;
  std::unique_ptr<TOkoszisztema> oko_;
};

}  // namespace zelvaris::python
