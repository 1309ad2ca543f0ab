#include "python/py_okoszisztema.h"

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <type_traits>

#include "core/hibak.h"
#include "core/memoria.h"
#include "persistence/sorozat_csv.h"
#include "tools/haladas.h"
#include "tools/vilag_betoltes.h"

namespace zelvaris::python {

namespace {

// An array the size of the world is refused before it is allocated when the
// system cannot give that much: filling it would otherwise push the process
// into the out-of-memory killer instead of raising MemoryError.
void TombMemoria(double bajt, const std::string& mi) {
  const std::optional<uint64_t> szabad = ElerhetoMemoria();
  if (!szabad || bajt <= static_cast<double>(*szabad)) return;
  throw TMemoriaHiba(mi + " would need about " + std::to_string(static_cast<int64_t>(bajt / 1048576.0)) +
                         " MB, but only " + std::to_string(*szabad / 1048576) + " MB are free",
                     0);
}

// The map as the window program paints it: one RGB pixel per cell.
class TTombRajzolo : public TRajzolo {
 public:
  TTombRajzolo(uint8_t* kep, int64_t oldal) : kep_(kep), oldal_(oldal) {}
  void KepekUjraepitese(int64_t, bool) override {}
  void RajzolasKezdete(bool) override {}
  void RajzolasVege() override {}
  void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) override {
    uint8_t* p = kep_ + (sor * oldal_ + oszlop) * 3;
    p[0] = static_cast<uint8_t>(szin & 0xFF);
    p[1] = static_cast<uint8_t>((szin >> 8) & 0xFF);
    p[2] = static_cast<uint8_t>((szin >> 16) & 0xFF);
  }
  void TerkepSor(int64_t sor, const TSzin* szinek, int64_t darab) override {
    for (int64_t oszlop = 0; oszlop < darab; ++oszlop) TerkepPont(oszlop, sor, szinek[oszlop]);
  }
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override {}

 private:
  uint8_t* kep_;
  int64_t oldal_;
};

// Installs a drawing sink for one full redraw and always takes it away again.
class TIdeiglenesRajzolo {
 public:
  TIdeiglenesRajzolo(TOkoszisztema& oko, TRajzolo& rajzolo) : oko_(oko) { oko_.RajzoloBeallitasa(&rajzolo); }
  ~TIdeiglenesRajzolo() { oko_.RajzoloBeallitasa(nullptr); }
  TIdeiglenesRajzolo(const TIdeiglenesRajzolo&) = delete;
  TIdeiglenesRajzolo& operator=(const TIdeiglenesRajzolo&) = delete;

 private:
  TOkoszisztema& oko_;
};

void StderrIras(std::ostringstream& szoveg) {
  const std::string s = szoveg.str();
  if (s.empty()) return;
  const py::object stderr_ = py::module_::import("sys").attr("stderr");
  stderr_.attr("write")(s);
  stderr_.attr("flush")();
  szoveg.str("");
}

}  // namespace

TPyOkoszisztema::TPyOkoszisztema(const std::filesystem::path& fajl, std::optional<uint32_t> mag,
                                 std::string& figyelmeztetesek)
    : fajl_(fajl) {
  kezdoMag_ = mag ? *mag : veletlen_.OrabolVetes();
  veletlen_.MagBeallitasa(kezdoMag_);
  std::ostringstream hiba;
  try {
    oko_ = VilagBetoltese(fajl, {}, true, veletlen_, tabla_, hiba);
  } catch (const TMemoriaHiba& e) {
    // Named like the batch tool names it: the file, then the reason.
    throw TMemoriaHiba(fajl.string() + ": " + e.what(), e.LegnagyobbOldal());
  }
  figyelmeztetesek = hiba.str();
}

void TPyOkoszisztema::Elerheto() const {
  if (lep_) throw std::runtime_error("the ecosystem is running step() in another thread");
}

void TPyOkoszisztema::Lepesek(int64_t n, bool haladas) {
  Elerheto();
  // Set and cleared with the GIL held, so no other thread sees it half-way.
  lep_ = true;
  struct TVege {
    bool& lep;
    ~TVege() { lep = false; }
  } vege{lep_};
  std::ostringstream szoveg;
  std::unique_ptr<THaladas> h;
  if (haladas) h = std::make_unique<THaladas>(szoveg, n);
  for (int64_t i = 1; i <= n; ++i) {
    {
      py::gil_scoped_release szabad;
      oko_->Lepes();
    }
    if (h) {
      h->Lepett(*oko_, i);
      StderrIras(szoveg);
    }
    if (PyErr_CheckSignals() != 0) {
      if (h) {
        h->Vege(*oko_, i);
        StderrIras(szoveg);
      }
      throw py::error_already_set();
    }
  }
  if (h) {
    h->Vege(*oko_, n);
    StderrIras(szoveg);
  }
}

namespace {

// "step", then one float32 array per column, as the CSV writer lays it out.
py::dict Oszlopok(const std::vector<TSorozatOszlop>& oszlopok, int32_t lepesek) {
  py::dict d;
  py::array_t<int32_t> lepes(lepesek);
  int32_t* l = lepes.mutable_data();
  for (int32_t i = 0; i < lepesek; ++i) l[i] = i + 1;
  d["step"] = lepes;
  for (const TSorozatOszlop& o : oszlopok) {
    py::array_t<float> ertekek(lepesek);
    if (lepesek > 0) std::memcpy(ertekek.mutable_data(), o.Forras->SorAdat(o.Sor), sizeof(float) * lepesek);
    d[py::str(o.Nev)] = ertekek;
  }
  return d;
}

}  // namespace

py::dict TPyOkoszisztema::Sorozat() const {
  return Oszlopok(SorozatOszlopok(Oko()), RogzitettLepesek(Oko()));
}

py::dict TPyOkoszisztema::Dozisok() const {
  return Oszlopok(DozisOszlopok(Oko()), Oko().AllatDozis.Hossz());
}

py::array TPyOkoszisztema::Egyedek(bool allat, int32_t id) const {
  auto masolat = [](const auto& egyedek) {
    using T = std::decay_t<decltype(egyedek[0])>;
    py::array_t<T> tomb(egyedek.Darab());
    if (egyedek.Darab() > 0)
      std::memcpy(tomb.mutable_data(), egyedek.Elemek().data(), sizeof(T) * egyedek.Elemek().size());
    return py::array(tomb);
  };
  return allat ? masolat(Oko().AllatFaj(id).Egyedek) : masolat(Oko().NovenyFaj(id).Egyedek);
}

py::array TPyOkoszisztema::Elofordulas(bool allat, int32_t id) const {
  const int64_t oldal = Oko().L();
  TombMemoria(static_cast<double>(oldal) * static_cast<double>(oldal), "the occupancy array");
  py::array_t<bool> tomb({oldal, oldal});
  bool* p = tomb.mutable_data();
  std::memset(p, 0, static_cast<size_t>(oldal * oldal));
  auto jeloles = [&](const auto& egyedek) {
    for (const auto& e : egyedek.Elemek()) p[int64_t{e.Sor} * oldal + e.Oszlop] = true;
  };
  if (allat) {
    jeloles(Oko().AllatFaj(id).Egyedek);
  } else {
    jeloles(Oko().NovenyFaj(id).Egyedek);
  }
  return tomb;
}

py::array TPyOkoszisztema::TerkepKep() {
  const int64_t oldal = Oko().L();
  TombMemoria(3.0 * static_cast<double>(oldal) * static_cast<double>(oldal), "the map image");
  py::array_t<uint8_t> tomb({oldal, oldal, int64_t{3}});
  uint8_t* p = tomb.mutable_data();
  std::memset(p, 0, static_cast<size_t>(oldal * oldal * 3));
  TTombRajzolo rajzolo(p, oldal);
  {
    TIdeiglenesRajzolo ideiglenes(Oko(), rajzolo);
    Oko().Ujrarajzol();
  }
  return tomb;
}

py::array TPyOkoszisztema::Korfa(int32_t id) const {
  const TKorfaForras& korfa = Oko().Korfa;
  const int32_t osztalyok = korfa.Hossz(id);
  TombMemoria(8.0 * osztalyok, "the age pyramid");
  py::array_t<int32_t> tomb({int64_t{osztalyok}, int64_t{2}});
  int32_t* p = tomb.mutable_data();
  for (int32_t o = 0; o < osztalyok; ++o)
    for (int32_t nem = 0; nem < 2; ++nem) p[2 * o + nem] = korfa.Ertek(id, nem, o);
  return tomb;
}

}  // namespace zelvaris::python
