#include "python/py_faj.h"

#include <vector>

namespace zelvaris::python {

namespace {

bool Allatfaj(const std::optional<std::string>& fajta, bool& csakEgy) {
  csakEgy = fajta.has_value();
  if (!fajta) return false;
  if (*fajta == "animal") return true;
  if (*fajta == "plant") return false;
  throw py::value_error("kind must be 'plant' or 'animal', not '" + *fajta + "'");
}

std::string Fajtak(const std::optional<std::string>& fajta) {
  return fajta ? *fajta + " species" : "species";
}

}  // namespace

const TElolenyFaj& TPyFaj::Faj() const {
  const TOkoszisztema& o = Oko->Oko();
  if (Allat) return o.AllatFaj(Id);
  return o.NovenyFaj(Id);
}

TPyFaj FajFeloldasa(const std::shared_ptr<TPyOkoszisztema>& oko, const py::handle& kulcs,
                    const std::optional<std::string>& fajta) {
  bool csakEgy = false;
  const bool allat = Allatfaj(fajta, csakEgy);
  const TOkoszisztema& o = oko->Oko();
  std::vector<TPyFaj> talalatok;
  auto Jelolt = [&](bool a, auto&& illik) {
    if (csakEgy && a != allat) return;
    const int32_t db = a ? o.AllatFajokSzama() : o.NovenyFajokSzama();
    for (int32_t i = 0; i < db; ++i) {
      const TElolenyFaj& f = a ? static_cast<const TElolenyFaj&>(o.AllatFaj(i)) : o.NovenyFaj(i);
      if (illik(f)) talalatok.push_back({oko, a, i});
    }
  };

  if (py::isinstance<TPyFaj>(kulcs)) {
    const TPyFaj& f = kulcs.cast<const TPyFaj&>();
    if (f.Oko != oko) throw py::key_error(f.Faj().MegjelenitettNev() + " belongs to another ecosystem");
    if (csakEgy && f.Allat != allat)
      throw py::key_error(f.Faj().MegjelenitettNev() + " is not an " + Fajtak(fajta));
    return f;
  }
  if (py::isinstance<py::str>(kulcs)) {
    const std::string nev = kulcs.cast<std::string>();
    for (bool a : {false, true})
      Jelolt(a, [&](const TElolenyFaj& f) { return f.Nev() == nev || f.MegjelenitettNev() == nev; });
    if (talalatok.size() == 1) return talalatok.front();
    if (talalatok.empty()) throw py::key_error("no " + Fajtak(fajta) + " is named \"" + nev + "\"");
    throw py::key_error(std::to_string(talalatok.size()) + " species are named \"" + nev +
                        "\"; give the display name, for example \"" +
                        talalatok.front().Faj().MegjelenitettNev() + "\", or the Id and kind");
  }
  if (py::isinstance<py::int_>(kulcs) && !py::isinstance<py::bool_>(kulcs)) {
    const py::int_ szam = py::reinterpret_borrow<py::int_>(kulcs);
    const int64_t id = PyLong_AsLongLong(szam.ptr());
    if (PyErr_Occurred()) {
      PyErr_Clear();
    } else {
      for (bool a : {false, true}) Jelolt(a, [&](const TElolenyFaj& f) { return f.Id() == id; });
    }
    const std::string szoveg = py::str(kulcs).cast<std::string>();
    if (talalatok.size() == 1) return talalatok.front();
    if (talalatok.empty()) throw py::key_error("there is no " + Fajtak(fajta) + " with Id " + szoveg);
    throw py::key_error("Id " + szoveg +
                        " names a plant and an animal species; give kind='plant' or kind='animal'");
  }
  throw py::type_error("a species is named by a Species, its name or its Id, not by " +
                       py::str(py::type::of(kulcs).attr("__name__")).cast<std::string>());
}

void FajOsztaly(py::module_& m) {
  py::class_<TPyFaj>(m, "Species",
                     "One plant or animal species of an open ecosystem. Besides id, kind and\n"
                     "display_name, every field of the species record is an attribute under its\n"
                     "file name (sp.Utod, sp.NovenyPredak, ...); setting one checks the value as\n"
                     "zelvaris-batch --set checks it and changes the species at once.")
      .def_property_readonly("id", [](const TPyFaj& f) { return f.Faj().Id(); },
                             "The species' Id: its index among the species of its kind.")
      .def_property_readonly("kind", &TPyFaj::Fajta, "'plant' or 'animal'.")
      .def_property_readonly("display_name", [](const TPyFaj& f) { return f.Faj().MegjelenitettNev(); },
                             "Name and Id as every list shows them: \"Fox (1)\".")
      .def("__repr__",
           [](const TPyFaj& f) { return "<zelvaris.Species " + f.Fajta() + " " + f.Faj().MegjelenitettNev() + ">"; })
      .def("__eq__", [](const TPyFaj& a, const TPyFaj& b) { return a.Oko == b.Oko && a.Allat == b.Allat && a.Id == b.Id; })
      .def("__hash__", [](const TPyFaj& f) {
        return py::hash(py::make_tuple(reinterpret_cast<intptr_t>(f.Oko.get()), f.Allat, f.Id));
      });
}

}  // namespace zelvaris::python
