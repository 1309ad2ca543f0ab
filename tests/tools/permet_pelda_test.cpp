// The shipped pesticide example, run through zelvaris-batch as a user runs it:
// a degradable spray makes the rabbits dip and grow back; a persistent one
// climbs the food chain until the foxes carry more than the rabbits they eat.
// Checked on three seeds from the --series and --doses files, as shapes of
// the run rather than fixed numbers.

#include <cmath>

#include "batch_folyamat.h"

namespace fs = std::filesystem;

namespace {

using batch_folyamat::BatchFolyamat;
using batch_folyamat::Beolvas;
using batch_folyamat::TFutas;

// A CSV of plain fields: the header's names and the rows' numbers (empty: NaN).
struct TTabla {
  std::vector<std::string> Fejlec;
  std::vector<std::vector<double>> Sorok;
  size_t Oszlop(const std::string& nev) const {
    const auto it = std::find(Fejlec.begin(), Fejlec.end(), nev);
    EXPECT_NE(it, Fejlec.end()) << nev;
    return static_cast<size_t>(it - Fejlec.begin());
  }
  // The column's value after step k (from 1).
  double Ertek(const std::string& nev, int k) const { return Sorok.at(static_cast<size_t>(k - 1)).at(Oszlop(nev)); }
};

TTabla Tabla(const fs::path& fajl) {
  TTabla t;
  std::istringstream be(Beolvas(fajl));
  std::string sor, mezo;
  for (bool elso = true; std::getline(be, sor); elso = false) {
    std::istringstream s(sor);
    std::vector<double> szamok;
    while (std::getline(s, mezo, ',')) {
      if (elso) {
        t.Fejlec.push_back(mezo);
      } else {
        szamok.push_back(mezo.empty() ? std::nan("") : std::stod(mezo));
      }
    }
    if (!elso) t.Sorok.push_back(std::move(szamok));
  }
  return t;
}

class PermetPelda : public BatchFolyamat {
 protected:
  static std::string Pelda() { return (fs::path(ZELVARIS_PROGRAM_DIR) / "okocfg" / "pesticide.okocfg").string(); }
  static constexpr int kPermet = 100;
};

constexpr const char* kNyul = "Rabbit (0)";
constexpr const char* kRoka = "Fox (1)";
std::string Oszlop(const char* faj, const char* mi) { return std::string(faj) + " " + mi; }

TEST_F(PermetPelda, ADegradableSprayMakesTheRabbitsDipAndRecover) {
  for (const char* mag : {"1", "2", "3"}) {
    const TFutas f = Futtat({"--seed", mag, "--steps", "250", "--spray", "100:degradable", "--series",
                             (mappa_ / "s.csv").string(), "--doses", (mappa_ / "d.csv").string(), Pelda()});
    ASSERT_EQ(f.Kod, 0) << f.Hiba;
    const TTabla s = Tabla(mappa_ / "s.csv");
    const TTabla d = Tabla(mappa_ / "d.csv");
    ASSERT_EQ(s.Sorok.size(), 250u);
    ASSERT_EQ(d.Sorok.size(), 250u);
    EXPECT_EQ(d.Fejlec, (std::vector<std::string>{"step", "Rabbit (0) deg mean", "Rabbit (0) deg max",
                                                  "Rabbit (0) per mean", "Rabbit (0) per max", "Fox (1) deg mean",
                                                  "Fox (1) deg max", "Fox (1) per mean", "Fox (1) per max"}));
    const double elotte = s.Ertek(kNyul, kPermet - 1);
    EXPECT_LT(s.Ertek(kNyul, kPermet), 0.7 * elotte) << "seed " << mag;
    double legtobb = 0;
    for (int k = kPermet + 1; k <= 250; ++k) legtobb = std::max(legtobb, s.Ertek(kNyul, k));
    EXPECT_GE(legtobb, elotte) << "the rabbits did not recover, seed " << mag;
    // The survivors carry the one step's degradable dose; nobody a persistent one.
    EXPECT_GT(d.Ertek(Oszlop(kNyul, "deg mean"), kPermet), 0.0);
    for (int k = 1; k <= 250; ++k)
      for (const char* faj : {kNyul, kRoka}) ASSERT_EQ(d.Ertek(Oszlop(faj, "per max"), k), 0.0) << k;
  }
}

TEST_F(PermetPelda, APersistentSprayClimbsAboveThePreyInTheFoxes) {
  for (const char* mag : {"1", "2", "3"}) {
    const TFutas f = Futtat({"--seed", mag, "--steps", "200", "--spray", "100:persistent", "--doses",
                             (mappa_ / "d.csv").string(), Pelda()});
    ASSERT_EQ(f.Kod, 0) << f.Hiba;
    const TTabla d = Tabla(mappa_ / "d.csv");
    ASSERT_EQ(d.Sorok.size(), 200u);
    for (int k = 1; k < kPermet; ++k) ASSERT_EQ(d.Ertek(Oszlop(kNyul, "per max"), k), 0.0) << k;
    int felette = 0;
    for (int k = kPermet; k <= 200 && felette == 0; ++k) {
      const double nyul = d.Ertek(Oszlop(kNyul, "per mean"), k);
      if (nyul > 0 && d.Ertek(Oszlop(kRoka, "per mean"), k) > nyul) felette = k;
    }
    EXPECT_GT(felette, 0) << "the foxes never carried more than the rabbits, seed " << mag;
    // The spray stays: the rabbits keep taking it up to the end.
    EXPECT_GT(d.Ertek(Oszlop(kNyul, "per mean"), 200), d.Ertek(Oszlop(kNyul, "per mean"), kPermet + 1));
  }
}

// Watching the doses changes nothing: the same run with and without --doses
// leaves the same snapshot and series, and every sweep worker sprays too.
TEST_F(PermetPelda, DosesChangeNothingAndSweepWorkersSprayToo) {
  for (const bool dozisok : {false, true}) {
    const std::string n = dozisok ? "b" : "a";
    std::vector<std::string> a = {"--seed", "5", "--steps", "120", "--spray", "100:persistent", "--spray",
                                  "110:degradable", "--series", (mappa_ / (n + ".csv")).string(), "--snapshot",
                                  (mappa_ / n).string()};
    if (dozisok) a.insert(a.end(), {"--doses", (mappa_ / "d.csv").string()});
    a.push_back(Pelda());
    const TFutas f = Futtat(a);
    ASSERT_EQ(f.Kod, 0) << f.Hiba;
  }
  EXPECT_EQ(Beolvas(mappa_ / "a.csv"), Beolvas(mappa_ / "b.csv"));
  EXPECT_TRUE(Beolvas(mappa_ / "a.okodat") == Beolvas(mappa_ / "b.okodat"));

  const TFutas sopres = Futtat({"--seed", "5", "--steps", "20", "--spray", "10:persistent", "--replicates", "2",
                                "--jobs", "2", "--summary", (mappa_ / "o.csv").string(), Pelda()});
  ASSERT_EQ(sopres.Kod, 0) << sopres.Hiba;
  const TTabla o = Tabla(mappa_ / "o.csv");
  ASSERT_EQ(o.Sorok.size(), 2u);
  EXPECT_EQ(o.Fejlec.back(), "final seed");
  for (int k = 1; k <= 2; ++k) EXPECT_GT(o.Ertek(Oszlop(kNyul, "per mean"), k), 0.0) << "run " << k - 1;
}

}  // namespace
