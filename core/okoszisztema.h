#pragma once
// The world: a square, wrap-around grid of side L, the plant and animal
// species, the drawing orders, the spray flags, the elapsed time and the
// population sources. One step is Lepes; Alkalmaz builds the grid and places
// the start populations. The ecosystem knows nothing of windows: it draws
// through a TRajzolo sink and reports problems as return values or exceptions.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/dozis_forras.h"
#include "core/fajok.h"
#include "core/gyuru_lepesek.h"
#include "core/kereso_tabla.h"
#include "core/letszam_forras.h"
#include "core/racs.h"
#include "core/rajzolo.h"
#include "core/veletlen.h"

namespace zelvaris {

// A start population that did not fit: the cells that admit the species ran out.
// A seed-point request: which species, and the cell the spiral starts from.
struct TGocKeres {
  uint8_t Fajta = 0;  // 0 animal, 1 plant
  int32_t X = 0;      // column
  int32_t Y = 0;      // row
  int32_t Faj = -1;
};

struct THiany {
  bool Allat = false;
  int32_t FajId = 0;
  int32_t Kert = 0;         // PopulacioMeret
  int32_t Elhelyezett = 0;  // population after the placement
};

class TOkoszisztema {
 public:
  static constexpr int32_t KeretMeret = 40;  // magnifier frame, in cells

  TOkoszisztema(TVeletlen& veletlen, TKeresoTabla& tabla);
  ~TOkoszisztema();
  TOkoszisztema(const TOkoszisztema&) = delete;
  TOkoszisztema& operator=(const TOkoszisztema&) = delete;

  TVeletlen& Veletlen() { return veletlen_; }
  TKeresoTabla& Tabla() { return tabla_; }

  // --- Species ------------------------------------------------------------
  int32_t AllatFajokSzama() const { return static_cast<int32_t>(allatFajok_.size()); }
  int32_t NovenyFajokSzama() const { return static_cast<int32_t>(novenyFajok_.size()); }
  TAllatFaj& AllatFaj(int32_t id) { return *allatFajok_[static_cast<size_t>(id)]; }
  const TAllatFaj& AllatFaj(int32_t id) const { return *allatFajok_[static_cast<size_t>(id)]; }
  TNovenyFaj& NovenyFaj(int32_t id) { return *novenyFajok_[static_cast<size_t>(id)]; }
  const TNovenyFaj& NovenyFaj(int32_t id) const { return *novenyFajok_[static_cast<size_t>(id)]; }
  bool VanAllatFaj(int32_t id) const { return id >= 0 && id < AllatFajokSzama(); }
  bool VanNovenyFaj(int32_t id) const { return id >= 0 && id < NovenyFajokSzama(); }

  // Appends a species (also after the grid exists: every cell gains a slot;
  // throws TMemoriaHiba, changing nothing, when that slot array does not fit).
  TAllatFaj& UjAllatFaj(const std::string& nev);
  TNovenyFaj& UjNovenyFaj(const std::string& nev);

  // --- Grid and lifecycle -------------------------------------------------
  int32_t L() const { return l_; }
  bool VanRacs() const { return vanRacs_; }

  // Builds the grid for L and, if Benepesit, places the start populations.
  // Returns the species whose start count did not fit. Throws TMemoriaHiba,
  // leaving everything as it was, when the grid does not fit in memory.
  std::vector<THiany> Alkalmaz();
  // Resizes the world; before the first Alkalmaz only L is set. Shrinking
  // destroys the individuals outside the new square. Throws TMemoriaHiba
  // like Alkalmaz.
  void Atmeretez(int32_t n);
  void AllatFajUrit();
  void NovenyFajUrit();
  void OkoUrit();

  // Places up to the species' GocEgyedszam individuals along a square spiral
  // around the requested cell; returns the number placed.
  int32_t GocBevitel(TGocKeres keres);

  bool Benepesit = true;

  // Cell admission: no individual of the species and nothing it forbids.
  bool AllatotBefogad(int32_t sor, int32_t oszlop, int32_t faj) const;
  bool NovenytBefogad(int32_t sor, int32_t oszlop, int32_t faj) const;

  // The individual of a species in a cell, or null.
  const TAllat* AllatAMezon(int32_t sor, int32_t oszlop, int32_t faj) const;
  const TNoveny* NovenyAMezon(int32_t sor, int32_t oszlop, int32_t faj) const;
  // The list index of that individual, or -1.
  int32_t AllatIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const;
  int32_t NovenyIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const;
  // The mass the grid keeps for the plant of a species in a cell (0 for none).
  int32_t NovenyTomegAMezon(int32_t sor, int32_t oszlop, int32_t faj) const;

  // Creates an individual of the given kind in a cell and adds it to its
  // species (drawing the random values the kind needs); returns its index.
  // The cell must be on the grid and its slot for the species free.
  int32_t AllatLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, TLetrehozas fajta);
  int32_t NovenyLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, TLetrehozas fajta);
  // Destroys an individual: out of its list and its cell, cell marked changed.
  void AllatTorlese(int32_t faj, int32_t index);
  void NovenyTorlese(int32_t faj, int32_t index);
  // Sets a plant's mass (marking its cell when it shows differently); the one
  // way to change a plant from outside the ecosystem.
  void NovenyTomegBeallitasa(int32_t faj, int32_t index, int32_t tomeg);

  // --- Step ---------------------------------------------------------------
  int32_t Ido = 0;
  void Lepes();
  void AllatLepes();
  void NovenyLepes();
  // Callback probes made by ring searches since construction (for benchmarks).
  uint64_t Probak() const { return probak_; }
  // While set, every probed cell is appended here (for benchmarks).
  void ProbaNaploBeallitasa(std::vector<int64_t>* naplo) { probaNaplo_ = naplo; }

  // --- Sprays ---------------------------------------------------------------
  bool PermetezesVolt = false;
  bool DegPermet = false;
  bool PerPermet = false;
  void DegPermetezes();
  void PerPermetezes();
  void Tisztit();
  void Gyogyit();

  // --- Sources ----------------------------------------------------------------
  TLetszamForras AllatLetszam;
  TLetszamForras NovenyLetszam;
  TKorfaForras Korfa;
  TDozisForras AllatDozis;  // not read by the step

  // --- Drawing ----------------------------------------------------------------
  TIdLista AllatSorrend;
  TIdLista NovenySorrend;
  bool TkpRajzol = false;
  bool NgyRajzol = false;
  bool RajzolasKesz = false;
  bool Rajzolhat() const { return rajzolhat_; }
  void SetRajzolhat(bool ertek);
  bool MindetRajzol() const { return mindetRajzol_; }
  bool Valtozott(int32_t sor, int32_t oszlop) const;
  void Rajzol();
  void Ujrarajzol();
  void RajzoloBeallitasa(TRajzolo* rajzolo) { rajzolo_ = rajzolo; }
  // The magnifier frame: centre it on a map point, then redraw in full.
  void KeretMozgat(int64_t x, int64_t y);
  int64_t KeretBal() const { return keretBal_; }
  int64_t KeretFelso() const { return keretFelso_; }
  // What a cell shows: the map colour and the magnifier square's contents.
  TSzin TerkepSzin(int32_t sor, int32_t oszlop) const;
  struct TNagyitoTartalom {
    TSzin Hatter = FeketeSzin;
    bool VanAllat = false;
    int32_t Nem = 0;
    TSzin AllatSzin = FeketeSzin;
  };
  TNagyitoTartalom NagyitoTartalom(int32_t sor, int32_t oszlop) const;

  // --- Memory ---------------------------------------------------------------
  // Bytes per cell the window program needs beside the grid (its map image).
  void KepBajtCellankentBeallitasa(double bajt) { kepBajtCellankent_ = bajt; }
  // Overrides the memory the checks believe is available (tests).
  void ElerhetoMemoriaBeallitasa(std::optional<uint64_t> bajt) { elerhetoMemoria_ = bajt; }

 private:
  friend class TAllatLepesek;
  struct TLathatok;
  TLathatok Lathatok() const;
  int64_t Cella(int32_t sor, int32_t oszlop) const { return int64_t{sor} * l_ + oszlop; }
  // The slot arrays a cell must have empty to admit an animal of `faj`: its
  // own species' and those of the species it avoids. They do not move while
  // the grid keeps its size, so placement looks them up once.
  void AllatTiltoSlotok(const TAllatFaj& faj, std::vector<const uint32_t*>& ide) const;
  static bool Szabad(const std::vector<const uint32_t*>& tiltok, int64_t cella) {
    for (const uint32_t* slotok : tiltok)
      if (slotok[cella] != 0) return false;
    return true;
  }
  // Placement and removal of either kind of individual (TAllat, TNoveny).
  template <typename T>
  TElolenyList<T>& Lista(int32_t faj);
  template <typename T>
  uint32_t* Slotok(int32_t faj);
  template <typename T>
  int32_t Helyezes(int32_t faj, const T& e);
  template <typename T>
  void Torles(int32_t faj, int32_t index);
  template <typename T>
  bool BefogadCella(int64_t cella, int32_t faj) const;
  template <typename T>
  int32_t Letrehozas(int32_t faj, int32_t sor, int32_t oszlop, TLetrehozas fajta);
  template <typename T>
  void KezdoNepesseg(int32_t id, std::vector<THiany>& hianyok);
  template <typename T>
  int32_t GocElhelyezes(const TGocKeres& keres);
  void CellaUrites(int64_t cella);
  template <typename T>
  void FajokUritese();
  void MemoriaEllenorzes(int64_t ujL, int64_t egyedBajt) const;
  void UjFajMemoriaEllenorzes(bool allat) const;
  int64_t BefogadoCellak(bool allat, int32_t faj) const;
  bool NovenyLep(TNovenyFaj& faj, int32_t index);
  void AllatFelvetel();
  void HarapottNovenyekFrissitese();
  void NovenyFelvetel();

  TVeletlen& veletlen_;
  TKeresoTabla& tabla_;
  TGyuruLepesek gyuruLepesek_;
  TRajzolo* rajzolo_ = nullptr;
  int32_t l_ = 0;
  bool vanRacs_ = false;
  bool rajzolhat_ = false;
  bool mindetRajzol_ = false;
  int64_t keretBal_ = 0;
  int64_t keretFelso_ = 0;
  TRacs racs_;
  std::vector<std::unique_ptr<TAllatFaj>> allatFajok_;
  std::vector<std::unique_ptr<TNovenyFaj>> novenyFajok_;
  std::vector<TAllatFaj*> aktivFajok_;
  std::vector<TNovenyFaj*> sorsolasLista_;
  // Cells of the last animal and plant meal of the feeding animal (-1: none).
  int64_t utolsoAllatPredaMezo_ = -1;
  int64_t utolsoNovenyPredaMezo_ = -1;
  // Plants bitten in the animal half (species, cell): during the half only
  // the grid's mass changes, their records are brought up to date at its end.
  std::vector<std::pair<int32_t, int64_t>> harapottNovenyek_;
  uint64_t probak_ = 0;
  std::vector<int64_t>* probaNaplo_ = nullptr;
  double kepBajtCellankent_ = 0.0;
  std::optional<uint64_t> elerhetoMemoria_;
};

}  // namespace zelvaris
