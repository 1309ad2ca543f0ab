#pragma once
// A species seen from Python: a handle (kind and Id) on one species of one
// open world. Its record's fields are attributes under their file names.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "python/py_okoszisztema.h"

namespace zelvaris::python {

struct TPyFaj {
  std::shared_ptr<TPyOkoszisztema> Oko;
  bool Allat = false;
  int32_t Id = 0;

  const TElolenyFaj& Faj() const;
  std::string Fajta() const { return Allat ? "animal" : "plant"; }
};

// The species a Python key names: a Species of this world, a name or display
// name ("Fox" or "Fox (1)"), or an Id; `fajta` ("plant", "animal" or none)
// narrows the search. Raises KeyError for no species or more than one.
TPyFaj FajFeloldasa(const std::shared_ptr<TPyOkoszisztema>& oko, const py::handle& kulcs,
                    const std::optional<std::string>& fajta);

// Registers the Species class and FieldError on the module.
void FajOsztaly(py::module_& m);

}  // namespace zelvaris::python
