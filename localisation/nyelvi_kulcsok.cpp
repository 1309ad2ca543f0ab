#include "nyelvi_kulcsok.h"

#include <array>
#include <stdexcept>
#include <string>

#include "localisation/program_uzenetek.h"
#include "persistence/fajl_hiba.h"

namespace zelvaris {

namespace {

constexpr auto PC = TKulcsFajta::ProgramCim;
constexpr auto MF = TKulcsFajta::MenuFelirat;
constexpr auto AF = TKulcsFajta::AkcioFelirat;
constexpr auto AT = TKulcsFajta::AkcioTipp;
constexpr auto SF = TKulcsFajta::StartFelirat;
constexpr auto TF = TKulcsFajta::StopFelirat;
constexpr auto AB = TKulcsFajta::Ablak;

constexpr TNyelviKulcs Kiegeszito(const TUzenetMinta& m) { return {"EXTRAS", m.Kulcs, m.Magyar, AB}; }

// The texts of the window designs. Hints the designs leave empty carry a
// short description, so that every action explains itself.
constexpr std::array kKulcsok = std::to_array<TNyelviKulcs>({
    {"MAIN FORM", "cForm_Fo", "Zelvaris", PC},

    {"MAIN MENU", "cMM_Fajl", "&Fájl", MF},
    {"MAIN MENU", "cMM_Mod", "Mód", MF},
    {"MAIN MENU", "cMM_Uj", "&Új", MF},
    {"MAIN MENU", "cMM_Muveletek", "&Műveletek", MF},
    {"MAIN MENU", "cMM_Ablakok", "&Ablakok", MF},
    {"MAIN MENU", "cMM_Elorehoz", "&Előrehoz", MF},
    {"MAIN MENU", "cMM_Sugo", "&Súgó", MF},

    {"WINDOWS", "cAct_OsszesNovenyfajAblakotBezar", "Növényfaj-ablakok bezárása", AF},
    {"WINDOWS", "hAct_OsszesNovenyfajAblakotBezar", "Bezárja az összes növényfaj-ablakot", AT},
    {"WINDOWS", "cAct_OsszesAllatfajAblakotBezar", "Állatfaj-ablakok bezárása", AF},
    {"WINDOWS", "hAct_OsszesAllatfajAblakotBezar", "Bezárja az összes állatfaj-ablakot", AT},
    {"WINDOWS", "cAct_OsszesGrafikonAblakotBezar", "Grafikon-ablakok bezárása", AF},
    {"WINDOWS", "hAct_OsszesGrafikonAblakotBezar", "Bezárja az összes grafikont", AT},
    {"WINDOWS", "cAct_OsszesKorfaAblakotBezar", "Korfa-ablakok bezárása", AF},
    {"WINDOWS", "hAct_OsszesKorfaAblakotBezar", "Bezárja az összes korfa-ablakot", AT},
    {"WINDOWS", "cAct_UjNovenyfajAblak", "Új Növényfaj-ablak...", AF},
    {"WINDOWS", "hAct_UjNovenyfajAblak", "Új növényfaj-ablak", AT},
    {"WINDOWS", "cAct_UjAllatfajAblak", "Új Állatfaj-ablak...", AF},
    {"WINDOWS", "hAct_UjAllatfajAblak", "Új állatfaj-ablak", AT},
    {"WINDOWS", "cAct_UjGrafikonAblak", "Új Grafikon-ablak...", AF},
    {"WINDOWS", "hAct_UjGrafikonAblak", "Új grafikon...", AT},
    {"WINDOWS", "cAct_UjKorfaAblak", "Új Korfa-ablak...", AF},
    {"WINDOWS", "hAct_UjKorfaAblak", "Új korfa", AT},
    {"WINDOWS", "cAct_Nevjegy", "Névjegy", AF},
    {"WINDOWS", "hAct_Nevjegy", "A program névjegye", AT},
    {"WINDOWS", "cAct_Sugo", "Súgó", AF},
    {"WINDOWS", "hAct_Sugo", "A program súgója", AT},

    {"VIEW", "cAct_KezelotElorehoz", "Kezelő", AF},
    {"VIEW", "hAct_KezelotElorehoz", "Kezelő", AT},
    {"VIEW", "cAct_KijelzotElorehoz", "Kijelző", AF},
    {"VIEW", "hAct_KijelzotElorehoz", "Kijelző", AT},
    {"VIEW", "cAct_TerkepetElorehoz", "Térkép", AF},
    {"VIEW", "hAct_TerkepetElorehoz", "Térkép", AT},
    {"VIEW", "cAct_NagyitotElorehoz", "Nagyító", AF},
    {"VIEW", "hAct_NagyitotElorehoz", "Nagyító", AT},
    {"VIEW", "cAct_AllatokTeljesetElorehoz", "Állatok-teljes", AF},
    {"VIEW", "hAct_AllatokTeljesetElorehoz", "Az összes állatfaj", AT},
    {"VIEW", "cAct_AllatokatElorehoz", "Állatfaj-ablakok", AF},
    {"VIEW", "hAct_AllatokatElorehoz", "Az egyes állatfaj-ablakok", AT},
    {"VIEW", "cAct_GrafikonokatElorehoz", "Grafikon-ablakok", AF},
    {"VIEW", "hAct_GrafikonokatElorehoz", "Grafikonok", AT},
    {"VIEW", "cAct_PermetetElorehoz", "Permetek", AF},
    {"VIEW", "hAct_PermetetElorehoz", "Permetezés", AT},
    {"VIEW", "cAct_OszElorehoz", "Ökoszisztéma", AF},
    {"VIEW", "hAct_OszElorehoz", "Ökoszisztéma beállító", AT},
    {"VIEW", "cAct_NovenyeketElorehoz", "Növényfaj-ablakok", AF},
    {"VIEW", "hAct_NovenyeketElorehoz", "Az egyes növényfaj-ablakok", AT},
    {"VIEW", "cAct_NovenyekTeljesetElorehoz", "Növények-teljes", AF},
    {"VIEW", "hAct_NovenyekTeljesetElorehoz", "Az összes növényfaj", AT},

    {"FILE", "cAct_AllatfajMentes", "Állatfaj mentése", AF},
    {"FILE", "hAct_AllatfajMentes", "Állatfaj mentése", AT},
    {"FILE", "cAct_AllatfajMegnyitas", "Állatfaj megnyitása", AF},
    {"FILE", "hAct_AllatfajMegnyitas", "Állatfaj betöltése", AT},
    {"FILE", "cAct_NovenyfajMentes", "Növényfaj mentése", AF},
    {"FILE", "hAct_NovenyfajMentes", "Növényfaj mentése", AT},
    {"FILE", "cAct_NovenyfajMegnyitas", "Növényfaj megnyitása", AF},
    {"FILE", "hAct_NovenyfajMegnyitas", "Növényfaj betöltése", AT},
    {"FILE", "cAct_OkoCfgMentes", "Ökocfg. mentése", AF},
    {"FILE", "hAct_OkoCfgMentes", "ÖkoCFG mentése", AT},
    {"FILE", "cAct_OkoCfgMegnyitas", "Ökocfg. megnyitása", AF},
    {"FILE", "hAct_OkoCfgMegnyitas", "ÖkoCFG megnyitása", AT},
    {"FILE", "cAct_OkoPillMentes", "ÖkoPill. mentése", AF},
    {"FILE", "hAct_OkoPillMentes", "ÖkoPillanat mentése", AT},
    {"FILE", "cAct_OkoPillMegnyitas", "ÖkoPill. megnyitás", AF},
    {"FILE", "hAct_OkoPillMegnyitas", "ÖkoPillanat megnyitása", AT},

    {"MODE", "cAct_ServerMode", "Szerver mód", AF},
    {"MODE", "hAct_ServerMode", "Váltás szerver módba", AT},
    {"MODE", "cAct_ClientMode", "Kliens mód", AF},
    {"MODE", "hAct_ClientMode", "Váltás kliens módba", AT},
    {"MODE", "cAct_IndependentMode", "Független mód", AF},
    {"MODE", "hAct_IndependentMode", "Váltás független módba", AT},

    {"ACTIONS", "cAct_Alkalmaz", "Alkalmaz", AF},
    {"ACTIONS", "hAct_Alkalmaz", "Beállítások alkalmazása", AT},
    {"ACTIONS", "cAct_Tovabb", "Tovább", AF},
    {"ACTIONS", "hAct_Tovabb", "Továbbléptetés", AT},
    {"ACTIONS", "cAct_FogyasztotSzamol", "Fogyasztót számol", AF},
    {"ACTIONS", "hAct_FogyasztotSzamol", "Fogyasztót számol", AT},
    {"ACTIONS", "cAct_DegPermetezes", "Degradábilis permetezés", AF},
    {"ACTIONS", "hAct_DegPermetezes", "Degradábilis permetezés", AT},
    {"ACTIONS", "cAct_PerPermetezes", "Perzisztens permetezés", AF},
    {"ACTIONS", "hAct_PerPermetezes", "Perzisztens permetezés", AT},
    {"ACTIONS", "cAct_Rajzolhat", "Rajzolhat", AF},
    {"ACTIONS", "hAct_Rajzolhat", "Rajzolhat", AT},
    {"ACTIONS", "cAct_Bezar", "Bezár", AF},
    {"ACTIONS", "hAct_Bezar", "Bezárás", AT},
    {"ACTIONS", "cAct_AllatFajUrit", "Állatfajok ürítése", AF},
    {"ACTIONS", "hAct_AllatFajUrit", "Minden állat eltávolítása", AT},
    {"ACTIONS", "cAct_NovenyFajUrit", "Növényfajok ürítése", AF},
    {"ACTIONS", "hAct_NovenyFajUrit", "Minden növény eltávolítása", AT},
    {"ACTIONS", "cAct_OkoUrit", "Ökoszisztéma ürítése", AF},
    {"ACTIONS", "hAct_OkoUrit", "Minden élőlény és permet eltávolítása", AT},
    {"ACTIONS", "cAct_Tisztit", "Permetek kitisztítása", AF},
    {"ACTIONS", "hAct_Tisztit", "A permetek eltávolítása az ökoszisztémából", AT},
    {"ACTIONS", "cAct_Gyogyit", "Élőlények gyógyítása", AF},
    {"ACTIONS", "hAct_Gyogyit", "Az állatokban felhalmozódott permetadagok törlése", AT},
    {"ACTIONS", "cAct_Atmeretez", "Átméretezés", AF},
    {"ACTIONS", "hAct_Atmeretez", "Az ökoszisztéma átméretezése", AT},
    {"ACTIONS", "c1Act_StartStop", "Start", SF},
    {"ACTIONS", "c2Act_StartStop", "Stop", TF},
    {"ACTIONS", "hAct_StartStop", "Indítás/megállítás", AT},

    {"NEW", "cAct_UjOkoszisztema", "Új ökoszisztéma", AF},
    {"NEW", "hAct_UjOkoszisztema", "Új ökoszisztéma", AT},
    {"NEW", "cAct_UjNovenyFaj", "Új növényfaj", AF},
    {"NEW", "hAct_UjNovenyFaj", "Új növényfaj", AT},
    {"NEW", "cAct_UjAllatFaj", "Új állatfaj", AF},
    {"NEW", "hAct_UjAllatFaj", "Új állatfaj", AT},

    // The folding group boxes' texts come without their " (-)" / " (+)" mark,
    // which the window keeps from its current caption.
    {"ANIMAL FORM", "caForm_Allat", "Állat", AB},
    {"ANIMAL FORM", "caGB_Azon", "azonosítás", AB},
    {"ANIMAL FORM", "caGB_okokh", "ökoszisz. - kölcsönhatás", AB},
    {"ANIMAL FORM", "caGB_EletSzap", "élettartam, szaporodás", AB},
    {"ANIMAL FORM", "caGB_Tapl", "táplálkozás, tömeg", AB},
    {"ANIMAL FORM", "caGB_Mozgas", "mozgás", AB},
    {"ANIMAL FORM", "caGB_Deg", "degradábilis permet", AB},
    {"ANIMAL FORM", "caGB_Per", "perzisztens permet", AB},
    {"ANIMAL FORM", "caChB_DegHatas", "Degradábilis hatás", AB},
    {"ANIMAL FORM", "caChB_PerHatas", "Perzisztens hatás", AB},
    {"ANIMAL FORM", "caGB_Kijelzes", "kijelzés", AB},
    {"ANIMAL FORM", "caChB_Tkp", "Térképen", AB},
    {"ANIMAL FORM", "caChB_Ngy", "Nagyítón", AB},
    {"ANIMAL FORM", "caLbl_PerHatasfok", "Per. hatásfok", AB},
    {"ANIMAL FORM", "caLbl_PerKorMinusz", "Per. korcsökkenés", AB},
    {"ANIMAL FORM", "caLbl_PerUtodMinusz", "Per. utódcsökkenés", AB},
    {"ANIMAL FORM", "caLbl_DegHatasfok", "Deg. hatásfok", AB},
    {"ANIMAL FORM", "caLbl_DegKorMinusz", "Deg. korcsökkenés", AB},
    {"ANIMAL FORM", "caLbl_DegUtodMinusz", "Deg. utódcsökkenés", AB},
    {"ANIMAL FORM", "caLbl_MozgasSugar", "Mozgássugár", AB},
    {"ANIMAL FORM", "caLbl_MozgasHossz", "Mozgáshossz", AB},
    {"ANIMAL FORM", "caLbl_Jollakottsag", "Jóllakottság", AB},
    {"ANIMAL FORM", "caLbl_Ehes", "Éhségtűrés", AB},
    {"ANIMAL FORM", "caLbl_Tomeg", "Tömeg", AB},
    {"ANIMAL FORM", "caLbl_SzuloSugar", "Szülősugár", AB},
    {"ANIMAL FORM", "caLbl_Utod", "Utód", AB},
    {"ANIMAL FORM", "caLbl_Regeneralodas", "Regenerálódás", AB},
    {"ANIMAL FORM", "caLbl_Ivarerett", "Ivarérettség", AB},
    {"ANIMAL FORM", "caLbl_Vemhes", "Vemhesség", AB},
    {"ANIMAL FORM", "caLbl_Kor", "Életkor", AB},
    {"ANIMAL FORM", "caLbl_NovenyPredak", "Növényprédák", AB},
    {"ANIMAL FORM", "caLbl_AllatPredak", "Állatprédák", AB},
    {"ANIMAL FORM", "caLbl_NovenyUtkozes", "Tiltott növényfajok", AB},
    {"ANIMAL FORM", "caLbl_AllatUtkozes", "Tiltott állatfajok", AB},
    {"ANIMAL FORM", "caLbl_PopulacioMeret", "Populációméret", AB},
    {"ANIMAL FORM", "caLbl_Nev", "Név", AB},

    {"PLANT FORM", "cnForm_Noveny", "Növény", AB},
    {"PLANT FORM", "cnGB_Azon", "azonosítás", AB},
    {"PLANT FORM", "cnGB_okokh", "ökoszisz. - kölcsönhatás", AB},
    {"PLANT FORM", "cnGB_Jell", "fő jellemzők", AB},
    {"PLANT FORM", "cnGB_Deg", "degradábilis permet", AB},
    {"PLANT FORM", "cnGB_Per", "perzisztens permet", AB},
    {"PLANT FORM", "cnGB_Kijelzes", "kijelzés", AB},
    {"PLANT FORM", "cnChB_DegHatas", "Degradábilis hatás", AB},
    {"PLANT FORM", "cnChB_PerHatas", "Perzisztens hatás", AB},
    {"PLANT FORM", "cnChB_Tkp", "Térképen", AB},
    {"PLANT FORM", "cnChB_Ngy", "Nagyítón", AB},
    {"PLANT FORM", "cnLbl_PerHatasfok", "Per. Hatásfok", AB},
    {"PLANT FORM", "cnLbl_PerNovMinusz", "- Per. növekmény%", AB},
    {"PLANT FORM", "cnLbl_DegHatasfok", "Deg. Hatásfok", AB},
    {"PLANT FORM", "cnLbl_DegNovMinusz", "- Deg. növekmény%", AB},
    {"PLANT FORM", "cnLbl_Novekmeny", "Növekmény", AB},
    {"PLANT FORM", "cnLbl_Tomeg", "Tömeg", AB},
    {"PLANT FORM", "cnLbl_NovenyUtkozes", "Tiltott növényfajok", AB},
    {"PLANT FORM", "cnLbl_AllatGatlas", "Gátló állatfajok", AB},
    {"PLANT FORM", "cnLbl_PopulacioMeret", "Populációméret", AB},
    {"PLANT FORM", "cnLbl_Nev", "Név", AB},

    {"AGE", "ckForm_Korfa", "Korfa", AB},
    {"AGE", "ckLbl_Caption", "Korfa", AB},
    {"AGE", "ckLbl_SavSzelesseg", "Sávszélesség", AB},
    {"AGE", "ckLbl_SavHossz", "Sávhossz", AB},
    {"AGE", "ckLbl_SavSzelessegMertek", "px", AB},
    {"AGE", "ckLbl_SavHosszMertek", "egyed/px", AB},
    {"AGE", "ckLbl_Korbeosztas", "Korbeosztás", AB},
    {"AGE", "ckLbl_KorbeosztasMertek", "időegység/sáv", AB},

    {"DIAGRAM", "cgForm_Grafikon", "Grafikon", AB},
    {"DIAGRAM", "cgLbL_YTgFelirat", "Egyedszám, tömeg", AB},
    {"DIAGRAM", "cgLbl_Caption", "Populáció grafikon", AB},
    {"DIAGRAM", "cgChB_Kezelo", "Kezelő", AB},
    {"DIAGRAM", "cgLbl_Ido", "Idő:", AB},
    {"DIAGRAM", "cgChB_Ertek", "Értékvonalak", AB},
    {"DIAGRAM", "cgChB_IdoVonalak", "Idővonalak", AB},
    {"DIAGRAM", "cgLbl_Dec", "Tizedesjegyek:", AB},
    {"DIAGRAM", "cgLbl_Csusz", "Csúsztatás:", AB},
    {"DIAGRAM", "cgLbl_Oszt", "Osztás:", AB},
    {"DIAGRAM", "cg1Btn_AktualisKeres", "Aktuális", AB},
    {"DIAGRAM", "cg2Btn_AktualisKeres", "Kereső", AB},

    {"ECOFORM", "ceForm_Oko", "Ökoszisztéma", AB},
    {"ECOFORM", "ceLbl_Ido", "Eltelt idő", AB},
    {"ECOFORM", "ceLbl_L", "Oldalhossz", AB},

    {"MAP", "cmForm_Tkp", "Térkép", AB},

    {"ZOOM", "czForm_Ngy", "Nagyító", AB},

    {"CONTROL", "ccForm_Kezelo", "Kezelő", AB},
    {"CONTROL", "ccPnx_Timer1", "Lassító", AB},
    {"CONTROL", "ccLbl_Ido", "időt", AB},

    {"RESIZE", "csForm_Atmeretez", "Átméretezés", AB},
    {"RESIZE", "csLbl_L", "Az új ökoszisztéma négyzetének új oldalhossza:", AB},
    {"RESIZE", "csBitBtn_Megsem", "Mégsem", AB},

    {"PLEXUS", "cpForm_Goc", "Gócbevitel", AB},
    {"PLEXUS", "cpTabS_Noveny", "Növény", AB},
    {"PLEXUS", "cpTabS_Allat", "Állat", AB},
    {"PLEXUS", "cpLbl_Egyedszam", "Egyedszám", AB},
    {"PLEXUS", "cpLbl_Ritkitas", "Ritkítás", AB},
    {"PLEXUS", "cpBitBtn_Megsem", "Mégsem", AB},

    {"DISPLAY", "cdForm_Kijelzes", "Kijelző", AB},
    {"DISPLAY", "cdTabS_TkpKijelezve", "Térképen", AB},
    {"DISPLAY", "cdTabS_NgyKijelezve", "Nagyítón", AB},
    {"DISPLAY", "cdChB_Osszes", "Mindet", AB},
    {"DISPLAY", "cdTabS_NovenySorrend", "Növénysorrend", AB},
    {"DISPLAY", "cdTabS_AllatSorrend", "Állatsorrend", AB},
    {"DISPLAY", "cdChB_NgyRajzol", "Nagyítókeret", AB},
    {"DISPLAY", "cdGB_Novenyek", "Növények", AB},
    {"DISPLAY", "cdGB_Allatok", "Állatok", AB},
    {"DISPLAY", "cdGB_Sorrend", "Kijelzési sorrend felülről lefelé", AB},
    {"DISPLAY", "cdBtn_Elejere", "Elejére", AB},
    {"DISPLAY", "cdBtn_Vegere", "Végére", AB},
    {"DISPLAY", "cdBtn_Alkalmaz", "Alkalmaz", AB},

    {"PESTICIDE", "ciForm_Permetek", "Permetek", AB},
    {"PESTICIDE", "ciTabS_DegHatas", "Degradábilis", AB},
    {"PESTICIDE", "ciTabS_PerHatas", "Perzisztens", AB},
    {"PESTICIDE", "ciGB_Beallitasok", "Beállítások", AB},
    {"PESTICIDE", "ciGB_Novenyek", "Növények", AB},
    {"PESTICIDE", "ciGB_Allatok", "Állatok", AB},
    {"PESTICIDE", "ciChB_Osszes", "Mindegyikre", AB},

    {"NEW ANIMAL", "cjForm_UjAllat", "Új állat", AB},
    {"NEW ANIMAL", "cjLbl_UjAllat", "Az új állat neve:", AB},
    {"NEW ANIMAL", "cjBitBtn_Megsem", "Mégsem", AB},

    {"NEW PLANT", "clForm_UjNoveny", "Új növény", AB},
    {"NEW PLANT", "clLbl_UjNoveny", "Az új növény neve:", AB},
    {"NEW PLANT", "clBitBtn_Megsem", "Mégsem", AB},

    {"NEW ECOSYS", "cqForm_UjOkoszisztema", "Új ökoszisztéma", AB},
    {"NEW ECOSYS", "cqLbl_UjOko", "Az új ökoszisztéma négyzetének oldalhossza:", AB},
    {"NEW ECOSYS", "cqBitBtn_Megsem", "Mégsem", AB},
});

static_assert(kKulcsok.size() == 230);

// Texts of what came after the original windows: seeds, exports, the cell
// inspector, the chart's fit and views, the controller's spray state. A
// language file without this section keeps these built-in texts.
constexpr std::array kKiegeszitoKulcsok = std::to_array<TNyelviKulcs>({
    {"EXTRAS", "cAct_MagBeallitas", "Mag beállítása...", AF},
    {"EXTRAS", "hAct_MagBeallitas", "A véletlengenerátor állapotának beállítása", AT},
    {"EXTRAS", "cAct_TerkepPngMentes", "Térkép mentése PNG-be...", AF},
    {"EXTRAS", "hAct_TerkepPngMentes", "A térkép mentése PNG-képbe, cellánként egy képponttal", AT},
    {"EXTRAS", "cxLbl_Mag", "Mag", AB},
    {"EXTRAS", "cxLbl_KezdoMag", "Kezdőmag", AB},
    {"EXTRAS", "cxForm_Mag", "Mag beállítása", AB},
    {"EXTRAS", "cxLbl_UjMag", "A véletlengenerátor új állapota (0 - 4294967295):", AB},
    {"EXTRAS", "cxBitBtn_Megsem", "Mégsem", AB},
    {"EXTRAS", "cxAct_KepPngMentes", "Kép mentése PNG-be...", AB},
    {"EXTRAS", "cxAct_AdatCsvMentes", "Adatok mentése CSV-be...", AB},
    {"EXTRAS", "cxCap_PngMentes", "Kép mentése PNG-be", AB},
    {"EXTRAS", "cxCap_CsvMentes", "Adatok mentése CSV-be", AB},
    {"EXTRAS", "cxForm_CellaVizsgalo", "Cellavizsgáló", AB},
    {"EXTRAS", "cxLbl_Sor", "Sor", AB},
    {"EXTRAS", "cxLbl_Oszlop", "Oszlop", AB},
    {"EXTRAS", "cxLbl_Novenyek", "Növények", AB},
    {"EXTRAS", "cxLbl_Allatok", "Állatok", AB},
    {"EXTRAS", "cxCol_Faj", "Faj", AB},
    {"EXTRAS", "cxCol_Tomeg", "Tömeg", AB},
    {"EXTRAS", "cxCol_Nem", "Nem", AB},
    {"EXTRAS", "cxCol_Eletkor", "Életkor", AB},
    {"EXTRAS", "cxCol_Evett", "Evett", AB},
    {"EXTRAS", "cxCol_Ehezes", "Éhezés", AB},
    {"EXTRAS", "cxCol_VemhesIdo", "Vemhességi idő", AB},
    {"EXTRAS", "cxCol_UtodSzam", "Utódszám", AB},
    {"EXTRAS", "cxCol_RegenIdo", "Regenerálódási idő", AB},
    {"EXTRAS", "cxCol_DegDozis", "Deg. dózis", AB},
    {"EXTRAS", "cxCol_PerDozis", "Per. dózis", AB},
    {"EXTRAS", "cxChB_Illesztes", "Illesztés", AB},
    {"EXTRAS", "cxLbl_AlkalmazTipp", "Nyomja meg az Alkalmaz gombot a világ felépítéséhez.", AB},
    {"EXTRAS", "cx1CmB_Nezet", "Populáció", AB},
    {"EXTRAS", "cx2CmB_Nezet", "Dózisok", AB},
    {"EXTRAS", "cxLbl_DozisCaption", "Dózis grafikon", AB},
    {"EXTRAS", "cxLbL_DozisYTgFelirat", "Átlagos dózis", AB},
    {"EXTRAS", "cxSor_DegAtlag", "deg.", AB},
    {"EXTRAS", "cxSor_PerAtlag", "per.", AB},
    {"EXTRAS", "cxLbl_PermetNincs", "Nincs permet a következő lépésre", AB},
    {"EXTRAS", "cxLbl_PermetDeg", "Degradábilis permet a következő lépésre", AB},
    {"EXTRAS", "cxLbl_PermetPer", "Perzisztens permet a következő lépésre", AB},
    {"EXTRAS", "cxLbl_PermetMind", "Degradábilis és perzisztens permet a következő lépésre", AB},
    {"EXTRAS", "cxLbl_PerDozisVan", "Élő állatban perzisztens dózis van", AB},
    {"EXTRAS", "cxLbl_PerDozisNincs", "Élő állatban nincs perzisztens dózis", AB},

    // The program's messages, dialog titles and filters, and the captions
    // the window designs leave without a key.
    Kiegeszito(kKeresoHibaUzenet),
    Kiegeszito(kUjFajMemoriaUzenet),
    Kiegeszito(kOldalMemoriaUzenet),
    Kiegeszito(kFajlHibaUzenet),
    Kiegeszito(kFajlSorHibaUzenet),
    Kiegeszito(kFajlCsonkaUzenet),
    Kiegeszito(kErvenytelenSzamUzenet),
    Kiegeszito(kTulnagyAzonositoUzenet),
    Kiegeszito(kIsmeretlenValtozatUzenet),
    Kiegeszito(kRosszOldalhosszUzenet),
    Kiegeszito(kNemMenthetoUzenet),
    Kiegeszito(kMentesiHibaUzenet),
    Kiegeszito(kNemNyithatoUzenet),
    Kiegeszito(kNemOlvashatoUzenet),
    Kiegeszito(kAdatfajlHibaUzenet),
    Kiegeszito(kAdatfajlNevUzenet),
    Kiegeszito(kAllatfajUzenet),
    Kiegeszito(kNovenyfajUzenet),
    Kiegeszito(kHianyzoEgyedszamUzenet),
    Kiegeszito(kNegativEgyedszamUzenet),
    Kiegeszito(kRovidAdatfajlUzenet),
    Kiegeszito(kRacsonKivulUzenet),
    Kiegeszito(kFoglaltCellaUzenet),
    Kiegeszito(kNemEgeszUzenet),
    Kiegeszito(kUjFajNemFerUzenet),
    Kiegeszito(kNincsMemoriaUzenet),
    Kiegeszito(kIsmeretlenHibaUzenet),
    Kiegeszito(kNemNyithatoFajtaUzenet),
    Kiegeszito(kOkoCfgKiterjesztesUzenet),
    Kiegeszito(kOkoPillKiterjesztesUzenet),
    Kiegeszito(kNincsKepUzenet),
    Kiegeszito(kNemPngUzenet),
    Kiegeszito(kMarLetezikUzenet),
    Kiegeszito(kSzerverNemIndultUzenet),
    Kiegeszito(kTulHosszuSorUzenet),
    Kiegeszito(kNemTeljesSorUzenet),
    Kiegeszito(kSzerverMegszunteteseUzenet),
    Kiegeszito(kKapcsolodasSikeresUzenet),
    Kiegeszito(kKapcsolodasSikertelenUzenet),
    Kiegeszito(kKapcsolodottUzenet),
    Kiegeszito(kEngedelytKerUzenet),
    Kiegeszito(kKimaradtSorokUzenet),
    Kiegeszito(kKimaradtJelentkezokUzenet),
    Kiegeszito(kSzinGombSzoveg),
    Kiegeszito(kUjOkoszGombSzoveg),
    Kiegeszito(kGrafikonIdoSzoveg),
    Kiegeszito(kAllatBetoltesSzoveg),
    Kiegeszito(kAllatMentesSzoveg),
    Kiegeszito(kNovenyBetoltesSzoveg),
    Kiegeszito(kNovenyMentesSzoveg),
    Kiegeszito(kSzinValasztasSzoveg),
    Kiegeszito(kOkoMegnyitasSzoveg),
    Kiegeszito(kOkoMentesSzoveg),
    Kiegeszito(kAllatSzuro),
    Kiegeszito(kNovenySzuro),
    Kiegeszito(kOkoCfgSzuro),
    Kiegeszito(kOkoPillSzuro),
    Kiegeszito(kPngSzuro),
});

template <typename T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Osszefuzes(const std::array<T, A>& a, const std::array<T, B>& b) {
  std::array<T, A + B> ered{};
  for (std::size_t i = 0; i < A; ++i) ered[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) ered[A + i] = b[i];
  return ered;
}

constexpr auto kMindenKulcs = Osszefuzes(kKulcsok, kKiegeszitoKulcsok);

bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view TNyelviKulcs::Komponens() const {
  std::size_t elotag = 1;  // "c" or "h"
  if (Fajta == TKulcsFajta::Ablak) elotag = 2;  // "c" and the window letter
  if (elotag < Kulcs.size() && Szamjegy(Kulcs[elotag])) ++elotag;  // "c1", "cg2"
  return Kulcs.substr(elotag);
}

std::span<const TNyelviKulcs> NyelviKulcsok() { return kKulcsok; }

std::span<const TNyelviKulcs> KiegeszitoKulcsok() { return kKiegeszitoKulcsok; }

std::span<const TNyelviKulcs> MindenNyelviKulcs() { return kMindenKulcs; }

const TNyelviKulcs* NyelviKulcs(std::string_view kulcs) {
  for (const TNyelviKulcs& k : kMindenKulcs) {
    if (k.Kulcs == kulcs) return &k;
  }
  return nullptr;
}

std::string_view BeepitettSzoveg(std::string_view kulcs) {
  const TNyelviKulcs* k = NyelviKulcs(kulcs);
  if (k == nullptr) throw std::out_of_range("Ismeretlen nyelvi kulcs: " + std::string(kulcs));
  return k->Magyar;
}

}  // namespace zelvaris
