#include "python/py_faj.h"

#include <algorithm>
#include <vector>

#include "core/faj_mezo_tabla.h"
#include "tools/hasznalati_hiba.h"
#include "tools/parameter.h"

namespace zelvaris::python {

namespace {

TFajFajta TablaFajta(const TPyFaj& f) { return f.Allat ? TFajFajta::Allat : TFajFajta::Noveny; }

// An unknown field is a KeyError, as asked of any unknown name, and an
// AttributeError, so that hasattr(), getattr() with a default and the
// notebooks' probing of attributes work as on any object.
py::handle MezoHiba() {
  static const py::handle tipus = [] {
    const py::tuple alapok =
        py::make_tuple(py::handle(PyExc_KeyError), py::handle(PyExc_AttributeError));
    PyObject* t = PyErr_NewExceptionWithDoc(
        "zelvaris.FieldError", "A species has no field of that name (a KeyError and an AttributeError).",
        alapok.ptr(), nullptr);
    if (t == nullptr) throw py::error_already_set();
    return py::handle(t);
  }();
  return tipus;
}

const TFajMezoLeiras& Leiras(const TPyFaj& f, const std::string& nev) {
  if (const TFajMezoLeiras* l = MezoKeresese(TablaFajta(f), nev)) return *l;
  std::string nevek;
  for (const TFajMezoLeiras& l : FajMezoTabla(TablaFajta(f)))
    nevek += (nevek.empty() ? "" : ", ") + std::string(l.Nev);
  const std::string uzenet =
      f.Faj().MegjelenitettNev() + " has no field \"" + nev + "\" (fields: " + nevek + ")";
  PyErr_SetObject(MezoHiba().ptr(), py::str(uzenet).ptr());
  throw py::error_already_set();
}

py::object PythonErtek(const TFajMezoLeiras& l, const TMezoErtek& e) {
  switch (l.Fajta) {
    case TMezoFajta::Logikai: return py::bool_(std::get<int32_t>(e) != 0);
    case TMezoFajta::Szoveg: return py::str(std::get<std::string>(e));
    case TMezoFajta::Lista: return py::cast(std::get<TIdLista>(e));
    case TMezoFajta::Csoportok: return py::cast(std::get<TCsoportok>(e));
    default: return py::int_(std::get<int32_t>(e));
  }
}

// A Python value in the text form --set takes. Only what that text keeps is
// accepted: a minus sign in an Id list would be read back as no sign, and an
// empty prey group would vanish, so both are refused here.
std::string ErtekSzoveg(const TFajMezoLeiras& l, const std::string& mezo, const py::handle& ertek) {
  auto Hiba = [&](const std::string& mi) {
    return py::value_error(mezo + " needs " + mi + ", not " + py::repr(ertek).cast<std::string>());
  };
  auto Egesz = [&](const py::handle& h, const std::string& mi) {
    if (py::isinstance<py::bool_>(h) || !PyIndex_Check(h.ptr())) throw Hiba(mi);
    return py::str(py::reinterpret_steal<py::object>(PyNumber_Index(h.ptr()))).cast<std::string>();
  };
  switch (l.Fajta) {
    case TMezoFajta::Logikai:
      if (py::isinstance<py::bool_>(ertek)) return ertek.cast<bool>() ? "1" : "0";
      return Egesz(ertek, "True, False, 1 or 0");
    case TMezoFajta::Egesz:
    case TMezoFajta::Szin:
      return Egesz(ertek, "a whole number");
    case TMezoFajta::Szoveg:
      if (!py::isinstance<py::str>(ertek)) throw Hiba("a str");
      return ertek.cast<std::string>();
    case TMezoFajta::Lista:
    case TMezoFajta::Csoportok:
      break;
  }
  if (py::isinstance<py::str>(ertek)) return ertek.cast<std::string>();
  const bool csoportok = l.Fajta == TMezoFajta::Csoportok;
  const std::string mi = csoportok ? "a list of non-empty lists of Ids (for example [[0, 1], [2]])"
                                   : "a list of Ids (for example [2, 0, 7])";
  auto Lista = [&](const py::handle& h, const std::string& elvalaszto) {
    if (py::isinstance<py::str>(h) || !py::isinstance<py::sequence>(h)) throw Hiba(mi);
    std::string szoveg;
    for (const py::handle& elem : py::reinterpret_borrow<py::sequence>(h)) {
      const std::string szam = Egesz(elem, mi);
      if (szam.starts_with('-')) throw Hiba(mi);
      szoveg += (szoveg.empty() ? "" : elvalaszto) + szam;
    }
    return szoveg;
  };
  if (!csoportok) return Lista(ertek, ", ");
  if (!py::isinstance<py::sequence>(ertek)) throw Hiba(mi);
  std::string szoveg;
  for (const py::handle& csoport : py::reinterpret_borrow<py::sequence>(ertek)) {
    const std::string tagok = Lista(csoport, "/");
    if (tagok.empty()) throw Hiba(mi);
    szoveg += (szoveg.empty() ? "" : ", ") + tagok;
  }
  return szoveg;
}

py::object MezoOlvasas(const TPyFaj& f, const std::string& nev) {
  if (nev.starts_with('_')) throw py::attribute_error(nev);
  const TFajMezoLeiras& l = Leiras(f, nev);
  return PythonErtek(l, l.Olvas(f.Faj()));
}

// Checked and set exactly as zelvaris-batch --set KIND:ID.FIELD=VALUE does.
void MezoIras(const TPyFaj& f, const std::string& nev, const py::handle& ertek) {
  static const std::vector<std::string> sajat = {"id", "kind", "display_name"};
  if (std::find(sajat.begin(), sajat.end(), nev) != sajat.end())
    throw py::attribute_error("Species." + nev + " cannot be set");
  const TFajMezoLeiras& l = Leiras(f, nev);
  // Messages name the field as Python shows it: "Fox (2).Utod".
  const std::string mezo = f.Faj().MegjelenitettNev() + "." + nev;
  const std::string szoveg = ErtekSzoveg(l, mezo, ertek);
  try {
    TParameter p = ParameterErtelmezese(f.Fajta() + ":" + std::to_string(f.Id) + "." + nev);
    p.Szoveg = mezo;
    ErtekEllenorzese(p, szoveg);
    ParameterBeallitasa(f.Oko->Oko(), p, f.Id, szoveg);
  } catch (const THasznalatHiba& e) {
    throw py::value_error(e.what());
  }
}

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
  m.attr("FieldError") = MezoHiba();
  py::class_<TPyFaj>(m, "Species",
                     "One plant or animal species of an open ecosystem. Besides id, kind and\n"
                     "display_name, every field of the species record is an attribute under its\n"
                     "file name (sp.Utod, sp.NovenyPredak, ...): numbers and colours as int, flags as\n"
                     "bool, the name as str, species lists as [int], prey groups as [[int]]. Setting\n"
                     "one checks the value as zelvaris-batch --set checks it (ValueError, changing\n"
                     "nothing) and changes the species at once, acting from the next step; an opened\n"
                     "world is already populated, so PopulacioMeret changes no start population. An\n"
                     "unknown field raises FieldError, a KeyError and an AttributeError.")
      .def_property_readonly("id", [](const TPyFaj& f) { return f.Faj().Id(); },
                             "The species' Id: its index among the species of its kind.")
      .def_property_readonly("kind", &TPyFaj::Fajta, "'plant' or 'animal'.")
      .def_property_readonly("display_name", [](const TPyFaj& f) { return f.Faj().MegjelenitettNev(); },
                             "Name and Id as every list shows them: \"Fox (1)\".")
      .def("__getattr__", &MezoOlvasas, py::arg("name"))
      .def("__setattr__", &MezoIras, py::arg("name"), py::arg("value"))
      .def("__dir__",
           [](const TPyFaj& f) {
             std::vector<std::string> nevek = {"id", "kind", "display_name"};
             for (const TFajMezoLeiras& l : FajMezoTabla(TablaFajta(f))) nevek.emplace_back(l.Nev);
             return nevek;
           })
      .def("__repr__",
           [](const TPyFaj& f) { return "<zelvaris.Species " + f.Fajta() + " " + f.Faj().MegjelenitettNev() + ">"; })
      .def("__eq__", [](const TPyFaj& a, const TPyFaj& b) { return a.Oko == b.Oko && a.Allat == b.Allat && a.Id == b.Id; })
      .def("__hash__", [](const TPyFaj& f) {
        return py::hash(py::make_tuple(reinterpret_cast<intptr_t>(f.Oko.get()), f.Allat, f.Id));
      });
}

}  // namespace zelvaris::python
