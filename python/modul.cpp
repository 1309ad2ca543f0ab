// The `zelvaris` Python module: open a configuration or snapshot, run it,
// read its species, individuals, map and histories as numpy arrays, spray,
// and save, with the same results as zelvaris-batch bit for bit.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/hibak.h"
#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"
#include "python/py_faj.h"
#include "python/py_okoszisztema.h"

namespace py = pybind11;
using namespace zelvaris;
using namespace zelvaris::python;

namespace {

using TOkoPtr = std::shared_ptr<TPyOkoszisztema>;

std::vector<TPyFaj> Fajok(const TOkoPtr& oko, bool allat) {
  const TOkoszisztema& o = oko->Oko();
  const int32_t db = allat ? o.AllatFajokSzama() : o.NovenyFajokSzama();
  std::vector<TPyFaj> fajok;
  for (int32_t i = 0; i < db; ++i) fajok.push_back({oko, allat, i});
  return fajok;
}

TOkoPtr Megnyitas(const std::filesystem::path& fajl, std::optional<uint32_t> mag) {
  std::string figyelmeztetesek;
  TOkoPtr oko;
  {
    py::gil_scoped_release szabad;
    oko = std::make_shared<TPyOkoszisztema>(fajl, mag, figyelmeztetesek);
  }
  std::istringstream sorok(figyelmeztetesek);
  const py::object warn = py::module_::import("warnings").attr("warn");
  // The batch tool's lines, without its "warning: ": a Python warning says so.
  constexpr std::string_view elotag = "warning: ";
  for (std::string sor; std::getline(sorok, sor);) {
    if (sor.empty()) continue;
    if (sor.starts_with(elotag)) sor.erase(0, elotag.size());
    warn(fajl.string() + ": " + sor, py::arg("stacklevel") = 2);
  }
  return oko;
}

constexpr const char* kFajKulcs =
    "The species is named by a Species object, its name, its display name\n"
    "(\"Fox (1)\") or its Id; kind='plant' or 'animal' narrows the search.\n"
    "Raises KeyError when no species or more than one matches.";

std::string Doc(const std::string& eleje) { return eleje + "\n\n" + kFajKulcs; }

}  // namespace

PYBIND11_MODULE(_zelvaris, m) {
  m.doc() =
      "Run, read and plot Zelvaris ecosystems: the simulation and the file formats of the\n"
      "window program and of zelvaris-batch, with the same results bit for bit.";

  PYBIND11_NUMPY_DTYPE(TAllat, Sor, Oszlop, Tomeg, Nem, Eletkor, Evett, Ehezes, VemhesIdo, UtodSzam,
                       RegenIdo, DegDozis, PerDozis);
  PYBIND11_NUMPY_DTYPE(TNoveny, Sor, Oszlop, Tomeg);

  static py::exception<TFajlHiba> fajlHiba(m, "FileError", PyExc_OSError);
  fajlHiba.doc() =
      "A file that could not be loaded or saved. The message names the file and, where there\n"
      "is one, the line, as zelvaris-batch prints it; .path and .line (None if none) say\n"
      "the same.";
  fajlHiba.attr("__module__") = "zelvaris";
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const TFajlHiba& e) {
      py::object hiba = py::handle(fajlHiba.ptr())(e.what());
      hiba.attr("path") = e.Fajl().string();
      hiba.attr("line") = e.Sor() > 0 ? py::object(py::int_(e.Sor())) : py::none();
      PyErr_SetObject(fajlHiba.ptr(), hiba.ptr());
    } catch (const TMemoriaHiba& e) {
      PyErr_SetString(PyExc_MemoryError, e.what());
    }
  });

  FajOsztaly(m);

  py::class_<TPyOkoszisztema, TOkoPtr>(m, "Ecosystem",
                                        "An open world, made by zelvaris.open(). Arrays it returns are copies.")
      .def_property(
          "seed", [](TPyOkoszisztema& e) { return e.Veletlen().Mag(); },
          [](TPyOkoszisztema& e, const py::int_& mag) {
            const py::int_ also(0), felso(4294967295u);
            if (mag < also || mag > felso)
              throw py::value_error("seed must be a whole number from 0 to 4294967295, not " +
                                    py::repr(mag).cast<std::string>());
            e.Veletlen().MagBeallitasa(mag.cast<uint32_t>());
          },
          "The random generator's state, a 32-bit unsigned number. After a run it is what\n"
          "zelvaris-batch prints as \"final seed\"; setting it continues from that state.")
      .def_property_readonly("start_seed", &TPyOkoszisztema::KezdoMag,
                             "The seed the file was loaded with (the clock's when open() got none),\n"
                             "as zelvaris-batch prints it as \"seed: N\".")
      .def_property_readonly("time", [](TPyOkoszisztema& e) { return e.Oko().Ido; },
                             "Steps made since the file was loaded.")
      .def_property_readonly("side", [](TPyOkoszisztema& e) { return e.Oko().L(); },
                             "The side length L of the square world.")
      .def_property_readonly("path", [](TPyOkoszisztema& e) { return e.Fajl(); },
                             "The file the world was loaded from.")
      .def_property_readonly(
          "plants", [](const TOkoPtr& e) { return Fajok(e, false); }, "The plant species, in Id order.")
      .def_property_readonly(
          "animals", [](const TOkoPtr& e) { return Fajok(e, true); }, "The animal species, in Id order.")
      .def(
          "species",
          [](const TOkoPtr& e, const py::object& kulcs, std::optional<std::string> fajta) {
            return FajFeloldasa(e, kulcs, fajta);
          },
          py::arg("key"), py::arg("kind") = py::none(), Doc("The species named by key.").c_str())
      .def(
          "step",
          [](TPyOkoszisztema& e, int64_t n, bool haladas) {
            if (n < 0) throw py::value_error("n must not be negative, not " + std::to_string(n));
            e.Lepesek(n, haladas);
          },
          py::arg("n") = 1, py::arg("progress") = false,
          "Runs n steps. Other Python threads run meanwhile; Ctrl-C (KeyboardInterrupt) stops\n"
          "between two steps, keeping the steps made. progress=True shows steps done, steps per\n"
          "second and the populations on one line of sys.stderr, as zelvaris-batch --progress.")
      .def("series", &TPyOkoszisztema::Sorozat,
           "The population history as zelvaris-batch --series writes it: a dict whose first key\n"
           "\"step\" holds the step numbers (from 1) as an int32 array, then each plant species'\n"
           "display name its total mass and each animal species' its count after every step, as\n"
           "float32 arrays.")
      .def("doses", &TPyOkoszisztema::Dozisok,
           "How far the sprays have climbed the food chain, as zelvaris-batch --doses writes it: a\n"
           "dict whose first key \"step\" holds the step numbers (from 1), then for each animal\n"
           "species \"<display name> deg mean\", \"... deg max\", \"... per mean\" and \"... per max\":\n"
           "the mean and highest degradable and persistent dose of its living animals after every\n"
           "step, as float32 arrays.")
      .def(
          "series_frame",
          [](TPyOkoszisztema& e) { return py::module_::import("pandas").attr("DataFrame")(e.Sorozat()); },
          "series() as a pandas DataFrame, one row per step.")
      .def(
          "individuals",
          [](const TOkoPtr& e, const py::object& kulcs, std::optional<std::string> fajta) {
            const TPyFaj f = FajFeloldasa(e, kulcs, fajta);
            return e->Egyedek(f.Allat, f.Id);
          },
          py::arg("key"), py::arg("kind") = py::none(),
          Doc("The species' individuals in list order as a numpy structured array (a copy), with\n"
              "int32 fields named as the snapshot's data file stores them: animals Sor, Oszlop,\n"
              "Tomeg, Nem, Eletkor, Evett, Ehezes, VemhesIdo, UtodSzam, RegenIdo, DegDozis,\n"
              "PerDozis (Tomeg is the species' mass, which the data file leaves out); plants Sor,\n"
              "Oszlop, Tomeg.")
              .c_str())
      .def(
          "occupancy",
          [](const TOkoPtr& e, const py::object& kulcs, std::optional<std::string> fajta) {
            const TPyFaj f = FajFeloldasa(e, kulcs, fajta);
            return e->Elofordulas(f.Allat, f.Id);
          },
          py::arg("key"), py::arg("kind") = py::none(),
          Doc("A bool array (side, side), indexed [row, column]: where the species stands.\n"
              "Raises MemoryError when the array would not fit in memory.")
              .c_str())
      .def("map_image", &TPyOkoszisztema::TerkepKep,
           "The map as the window program shows it: a uint8 array (side, side, 3) of RGB colours,\n"
           "indexed [row, column]; each cell has the colour of its topmost shown species (black\n"
           "when empty or when its topmost plant has mass 0). Raises MemoryError when the image\n"
           "would not fit in memory.")
      .def(
          "age_pyramid",
          [](const TOkoPtr& e, const py::object& kulcs) {
            const TPyFaj f = FajFeloldasa(e, kulcs, std::string("animal"));
            return e->Korfa(f.Id);
          },
          py::arg("key"),
          "An int32 array (classes, 2) of an animal species after the last step: the males and\n"
          "the females of each one-step age class (class k holds age k + 1; an animal whose sex\n"
          "is not yet decided is counted on a side drawn at random). Empty before any step.\n\n"
          "The species is named by a Species object, its name, its display name or its Id.")
      .def(
          "spray",
          [](TPyOkoszisztema& e, const std::string& fajta) {
            if (fajta == "degradable") {
              e.Oko().DegPermetezes();
            } else if (fajta == "persistent") {
              e.Oko().PerPermetezes();
            } else {
              throw py::value_error("spray 'degradable' or 'persistent', not '" + fajta + "'");
            }
          },
          py::arg("kind"),
          "Sprays the world with the 'degradable' or the 'persistent' pesticide; it acts from the\n"
          "next step on on the species marked DegHatas or PerHatas.")
      .def(
          "clean", [](TPyOkoszisztema& e) { e.Oko().Tisztit(); },
          "Cleans both sprays away.")
      .def(
          "heal", [](TPyOkoszisztema& e) { e.Oko().Gyogyit(); },
          "Heals every animal: its degradable and persistent doses become 0.")
      .def(
          "save_snapshot",
          [](TPyOkoszisztema& e, const std::filesystem::path& fajl) {
            const std::filesystem::path nev = OkoPillNev(fajl);
            OkoPillMentese(e.Oko(), nev);
            return nev;
          },
          py::arg("path"),
          "Saves a snapshot: path gets \".okopill\" unless it ends with it, and its data file\n"
          "(\".okodat\") is written beside it, as zelvaris-batch --snapshot writes them. Returns the\n"
          "snapshot's path. Raises FileError; a failed save leaves older files as they were.")
      .def(
          "save_configuration",
          [](TPyOkoszisztema& e, const std::filesystem::path& fajl) {
            const std::filesystem::path nev = OkoCfgNev(fajl);
            OkoCfgMentese(e.Oko(), nev);
            return nev;
          },
          py::arg("path"),
          "Saves the configuration (side length, species, drawing orders; no individuals): path\n"
          "gets \".okocfg\" unless it ends with it. Returns the path. Raises FileError.")
      .def("__repr__", [](TPyOkoszisztema& e) {
        const TOkoszisztema& o = e.Oko();
        return "<zelvaris.Ecosystem " + e.Fajl().filename().string() + ": side " + std::to_string(o.L()) +
               ", " + std::to_string(o.NovenyFajokSzama()) + " plant and " +
               std::to_string(o.AllatFajokSzama()) + " animal species, time " + std::to_string(o.Ido) + ">";
      });

  // Shown as zelvaris.X, where users import them from.
  for (const char* nev : {"Species", "Ecosystem"}) m.attr(nev).attr("__module__") = "zelvaris";

  m.def(
      "open",
      [](const std::filesystem::path& fajl, const py::object& mag) {
        std::optional<uint32_t> m;
        if (!mag.is_none()) {
          if (!py::isinstance<py::int_>(mag) || py::isinstance<py::bool_>(mag) ||
              mag.cast<py::int_>() < py::int_(0) || mag.cast<py::int_>() > py::int_(4294967295u))
            throw py::value_error("seed must be None or a whole number from 0 to 4294967295, not " +
                                  py::repr(mag).cast<std::string>());
          m = mag.cast<uint32_t>();
        }
        return Megnyitas(fajl, m);
      },
      py::arg("path"), py::arg("seed") = py::none(),
      "Opens a world as zelvaris-batch does: a configuration (.okocfg) is loaded, built and\n"
      "populated at random; a snapshot (.okopill) is restored with its data file (.okodat),\n"
      "which must lie beside it. seed fixes the random generator before the file is loaded;\n"
      "None seeds it from the clock (start_seed tells the seed used). Start populations that\n"
      "do not fit into the world are a warning. Raises FileError for a file that cannot be\n"
      "loaded, MemoryError for a world that does not fit in memory.");
}
