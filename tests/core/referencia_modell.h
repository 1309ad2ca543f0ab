#pragma once
// A second, deliberately plain implementation of the simulation step, written
// only from the rules of the model (search table, generator, lists, admission,
// the animal and plant step, sprays, recording). It shares no code with the
// core: the differential test runs the same world through both and compares
// them after every step. Speed does not matter here; being obviously faithful
// to the rules does.

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace zelvaris::referencia {

using Ids = std::vector<int32_t>;
using Csoportok = std::vector<Ids>;

// The program-wide linear congruential generator.
class Generator {
 public:
  explicit Generator(uint32_t mag) : mag_(mag) {}
  uint32_t Mag() const { return mag_; }
  int32_t Random(int32_t n);

 private:
  uint32_t mag_;
};

void Kever(Ids& lista, Generator& g);

struct Eltolas {
  int32_t x;  // rows
  int32_t y;  // columns
};

// Ring offsets around a cell, built ring by ring with extended-precision roots.
class Gyuruk {
 public:
  Gyuruk();
  int64_t Meret(int32_t r);     // entries of ring r
  int64_t KorMeret(int32_t r);  // entries within radius r, centre included
  Eltolas Elem(int32_t r, int64_t i);
  const std::vector<Eltolas>& Negyed(int32_t r);

 private:
  void Bovit(int32_t n);
  void SorEpitese(int32_t r);
  std::vector<std::vector<Eltolas>> negyed_;
  std::vector<std::vector<Eltolas>> gyuru_;
  std::vector<int64_t> korMeret_;
};

struct Allat {
  int32_t Sor = 0, Oszlop = 0;
  int32_t Tomeg = 0, Nem = 0, Eletkor = 0, Evett = 0, Ehezes = 0;
  int32_t VemhesIdo = 0, UtodSzam = 0, RegenIdo = 0, DegDozis = 0, PerDozis = 0;
  int32_t FajId = 0;
  int32_t ListaIndex = 0;
};

struct Noveny {
  int32_t Sor = 0, Oszlop = 0;
  int32_t Tomeg = 0;
  int32_t FajId = 0;
  int32_t ListaIndex = 0;
};

// Individuals of one species in list order; Kurzor marks those that have stepped.
template <typename T>
struct Lista {
  std::vector<std::unique_ptr<T>> Elemek;
  int32_t Kurzor = 0;
  int32_t Darab() const { return static_cast<int32_t>(Elemek.size()); }
};

struct Faj {
  int32_t PopulacioMeret = 0;
  int32_t DegHatasfok = 0, PerHatasfok = 0;
  bool DegHatas = false, PerHatas = false;
  int32_t GocEgyedszam = 0, GocRitkitas = 0;
  int32_t SorsolasTol = 0, SorsolasIg = 0;
};

struct AllatFaj : Faj {
  int32_t MozgasHossz = 0;
  int32_t MozgasSugar = 0;  // derived from MozgasHossz by the model
  Ids NovenyUtkozes, AllatUtkozes;
  Csoportok NovenyPredak, AllatPredak;
  int32_t Tomeg = 0, Kor = 0, Vemhes = 0, Ivarerettseg = 0, Regeneralodas = 0;
  int32_t SzuloSugar = 0, Utod = 0, Ehes = 0, Jollakottsag = 0;
  int32_t DegUtodMinusz = 0, DegKorMinusz = 0, PerUtodMinusz = 0, PerKorMinusz = 0;
  Lista<Allat> Egyedek;
};

struct NovenyFaj : Faj {
  int32_t OsszTomeg = 0;
  float OsszTomegValos = 0.0f;
  Ids AllatGatlas, NovenyUtkozes;
  int32_t Novekmeny = 0, Tomeg = 0, DegNovMinusz = 0, PerNovMinusz = 0;
  Lista<Noveny> Egyedek;
};

struct Mezo {
  std::vector<Allat*> Allatok;
  std::vector<Noveny*> Novenyek;
};

// How often the model met the rarer rules, so a test can tell that its
// random worlds reach them.
struct Statisztika {
  int64_t Parosodas = 0, Szuletes = 0, MegevettAllat = 0, KetszerTalaltAllat = 0, Harapas = 0;
  int64_t AllatPermetHalal = 0, NovenyPermetHalal = 0, KorHalal = 0, EhenHalal = 0;
  int64_t KifeleHatar = 0, BefeleHatar = 0, GatoltNoveny = 0;
};

class Modell {
 public:
  Modell(uint32_t mag, int32_t l);

  Generator Gen;
  Gyuruk Tabla;
  int32_t L;
  std::vector<AllatFaj> AllatFajok;
  std::vector<NovenyFaj> NovenyFajok;
  int32_t Ido = 0;
  Statisztika Stat;
  bool PermetezesVolt = false, DegPermet = false, PerPermet = false;

  // History: [species][step]; age structure: [species][sex][class].
  std::vector<std::vector<float>> AllatLetszam, NovenyLetszam;
  std::vector<std::array<std::vector<int32_t>, 2>> Korfa;

  // Empties every species and builds empty cells; call after the species
  // are added. Keeps Ido and the recorded history.
  void RacsEpitese();
  void MozgasHosszBeallitasa(int32_t faj, int32_t h);
  // Resizes the world: the kept cells keep their individuals; when shrinking,
  // the cells beyond the new square die row by row, animals before plants.
  void Atmeretez(int32_t n);
  // Places start populations at random (individuals of the random kind).
  void Benepesites();
  // Number of cells that admit the species now.
  int32_t BefogadoCellak(bool noveny, int32_t faj) const;
  // Seed-point placement along the square spiral; returns the number placed.
  int32_t GocBevitel(bool noveny, int32_t faj, int32_t sor, int32_t oszlop);

  Allat& AllatBetoltese(int32_t faj, int32_t sor, int32_t oszlop);
  Noveny& NovenyBetoltese(int32_t faj, int32_t sor, int32_t oszlop, int32_t tomeg);

  void DegPermetezes() { DegPermet = PermetezesVolt = true; }
  void PerPermetezes() { PerPermet = PermetezesVolt = true; }
  void Tisztit() { DegPermet = PerPermet = PermetezesVolt = false; }
  void Gyogyit();

  void Lepes();

  const Mezo& Cella(int32_t sor, int32_t oszlop) const;

 private:
  enum class Irany { Kifele, Befele };
  template <typename F>
  bool Keres(const Allat& a, Irany irany, int32_t kezdo, int64_t keret, F&& hivas);
  template <typename F>
  bool GyuruProba(const Allat& a, int32_t r, int64_t& elutasitas, int64_t keret, F&& hivas);

  Mezo& CellaIr(int32_t sor, int32_t oszlop);
  Mezo& Szomszed(const Allat& a, Eltolas e, int32_t& sor, int32_t& oszlop);
  bool AllatotBefogad(const Mezo& m, int32_t faj) const;
  bool NovenytBefogad(const Mezo& m, int32_t faj) const;
  bool VanAllatFaj(int32_t id) const;
  bool VanNovenyFaj(int32_t id) const;

  Allat& AllatLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, int32_t fajta);
  Noveny& NovenyLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, int32_t fajta);
  // Out of its list and its cell; the caller decides when it is freed.
  std::unique_ptr<Allat> AllatTorlese(Allat* a);
  void NovenyTorlese(Noveny* p);

  void AllatLepes();
  bool AllatLep(Allat* a);
  void Parosodik(Allat& a);
  void Taplalkozik(Allat& a);
  void Mozog(Allat& a);
  void Szul(Allat& a);
  bool Oregszik(Allat& a);
  void Athelyez(Allat& a, int32_t sor, int32_t oszlop);

  void NovenyLepes();
  bool NovenyLep(Noveny& p);

  void Rogzites(std::vector<std::vector<float>>& forras, const std::vector<float>& ertekek);

  std::vector<std::vector<Mezo>> racs_;
  // Cells of the last meal of the feeding animal; -1 when none.
  int32_t utolsoAllatSor_ = -1, utolsoAllatOszlop_ = -1;
  int32_t utolsoNovenySor_ = -1, utolsoNovenyOszlop_ = -1;
  int32_t talaltEtel_ = 0;
  std::vector<std::vector<Allat*>> talaltAllatok_;
  std::vector<std::vector<Noveny*>> talaltNovenyek_;
};

}  // namespace zelvaris::referencia
