// The orders the program keeps whatever order its windows were made in: the
// views a species registration reaches, with the full push in between, and
// the windows a new language reaches. A view that is gone is skipped.
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/alkalmazas_kornyezet.h"
#include "app/faj_kozpont.h"
#include "tests/teszt_modalis.h"

using namespace zelvaris;

class TSorrendTeszt : public QObject {
  Q_OBJECT

 private slots:
  void Bejegyzes() {
    teszt::TValaszoloModalis modalis;
    TAlkalmazasKornyezet k{ZELVARIS_SOURCE_DIR, &modalis};
    k.Okoszisztema().UjAllatFaj("Nyúl");
    std::vector<std::string> hallott;
    const std::vector<std::pair<TBejegyzesiSor, std::string>> sorok = {
        {TBejegyzesiSor::Szerkesztok, "szerkesztők"},
        {TBejegyzesiSor::Panelek, "panelek"},
        {TBejegyzesiSor::Valasztok, "választók"},
        {TBejegyzesiSor::Permetek, "permetek"},
        {TBejegyzesiSor::Kijelzes, "kijelzés"},
        {TBejegyzesiSor::Grafikonok, "grafikonok"},
        {TBejegyzesiSor::Korfak, "korfák"}};
    // Subscribed backwards, as windows made in another order would be.
    std::vector<std::unique_ptr<QObject>> nezetek;
    for (auto it = sorok.rbegin(); it != sorok.rend(); ++it) {
      nezetek.push_back(std::make_unique<QObject>());
      k.Kozpont().BejegyzesFeliratkozas(it->first, nezetek.back().get(),
                                        [&hallott, nev = it->second](TFajFajta f, int32_t id) {
                                          QCOMPARE(f, TFajFajta::Allat);
                                          QCOMPARE(id, 0);
                                          hallott.push_back(nev);
                                        });
    }
    bool egyszer = false;
    QObject::connect(&k.Kozpont(), &TFajKozpont::MezoValtozott, nezetek.front().get(), [&] {
      if (!egyszer) hallott.push_back("mezők");
      egyszer = true;
    });
    // A view destroyed before the registration hears nothing of it.
    nezetek.at(3).reset();
    k.Kozpont().Bejegyzes(TFajFajta::Allat, 0);
    const std::vector<std::string> vart = {"szerkesztők", "panelek",    "választók", "kijelzés",
                                           "mezők",       "grafikonok", "korfák"};
    QCOMPARE(hallott, vart);
  }

  void Nyelv() {
    teszt::TValaszoloModalis modalis;
    QTemporaryDir konyvtar;
    TAlkalmazasKornyezet k{konyvtar.path().toStdString(), &modalis};
    std::filesystem::create_directories(k.Nyelv().NyelvKonyvtar());
    std::ofstream(k.Nyelv().NyelvKonyvtar() / "A.lng") << "[MAP]\ncmForm_Tkp=Map\n";
    std::vector<TNyelviSor> hallott;
    std::string terkepCim;
    std::vector<std::unique_ptr<QObject>> ablakok;
    for (int i = static_cast<int>(TNyelviSor::UjOkoszisztema); i >= 0; --i) {
      const auto sor = static_cast<TNyelviSor>(i);
      ablakok.push_back(std::make_unique<QObject>());
      k.NyelvFeliratkozas(sor, ablakok.back().get(), [&, sor](const TNyelviTabla& t) {
        hallott.push_back(sor);
        if (sor == TNyelviSor::Terkep) terkepCim = t.Szoveg("cmForm_Tkp");
      });
    }
    // The seed-point dialog is gone: it hears nothing.
    const auto goc =
        static_cast<int>(TNyelviSor::UjOkoszisztema) - static_cast<int>(TNyelviSor::Goc);
    ablakok.at(static_cast<size_t>(goc)).reset();
    k.Nyelv().NyelvBetoltese("A.lng");
    const std::vector<TNyelviSor> vart = {
        TNyelviSor::FoAblak,     TNyelviSor::AllatSzerkesztok, TNyelviSor::NovenySzerkesztok,
        TNyelviSor::Korfak,      TNyelviSor::Grafikonok,       TNyelviSor::Oko,
        TNyelviSor::Terkep,      TNyelviSor::Nagyito,          TNyelviSor::Kezelo,
        TNyelviSor::Atmeretezes, TNyelviSor::Kijelzes,         TNyelviSor::Permetek,
        TNyelviSor::UjAllat,     TNyelviSor::UjNoveny,         TNyelviSor::UjOkoszisztema};
    QCOMPARE(hallott, vart);
    QCOMPARE(terkepCim, std::string("Map"));
    // The language already loaded is not read again, and nobody hears of it.
    hallott.clear();
    k.Nyelv().NyelvBetoltese("A.lng");
    QVERIFY(hallott.empty());
  }
};

QTEST_MAIN(TSorrendTeszt)
#include "sorrend_test.moc"
