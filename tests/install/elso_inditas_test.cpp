// The window program installed under a prefix: the first start takes the
// language of the user's locale, later starts take the settings kept in the
// user's folder, and the file dialogs start in the user's folders, which hold
// copies of the shipped examples. Run under each locale by CTest, which names
// the language expected in ZELVARIS_VART_NYELV.

#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "localisation/ini_fajl.h"
#include "shell/program.h"
#include "tests/teszt_fajlok.h"
#include "tests/teszt_modalis.h"

using namespace zelvaris;
namespace fs = std::filesystem;

namespace {

const fs::path kAdat = fs::path(ZELVARIS_SOURCE_DIR) / "data";

QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }

class TKonyvtarRogzito : public teszt::TValaszoloModalis {
 public:
  std::vector<QString> Konyvtarak;  // where each open dialog started
  QString FajlMegnyitas(QWidget* szulo, const QString& cim, const QString& konyvtar,
                        const QString& szuro) override {
    Konyvtarak.push_back(konyvtar);
    return TValaszoloModalis::FajlMegnyitas(szulo, cim, konyvtar, szuro);
  }
};

// usr/bin beside usr/share/zelvaris with the shipped languages and
// configurations, and the user's folders, all temporary.
class TTelepites {
 public:
  TTelepites() {
    fs::create_directories(Bin());
    const fs::path adat = Gyoker() / "usr" / "share" / "zelvaris";
    for (const char* mappa : {"languages", "okocfg"}) {
      fs::create_directories(adat / mappa);
      fs::copy(kAdat / mappa, adat / mappa, fs::copy_options::recursive);
    }
    qputenv("HOME", Q(Gyoker() / "otthon").toUtf8());
    qputenv("XDG_CONFIG_HOME", Q(Gyoker() / "konfig").toUtf8());
    qputenv("XDG_DATA_HOME", Q(Gyoker() / "adat").toUtf8());
  }

  fs::path Gyoker() const { return fs::path(mappa_.path().toStdString()); }
  fs::path Bin() const { return Gyoker() / "usr" / "bin"; }
  fs::path Beallitas() const { return Gyoker() / "konfig" / "zelvaris" / "defaultcfg.LIni"; }
  fs::path FelhasznaloiAdat() const { return Gyoker() / "adat" / "zelvaris"; }

  std::unique_ptr<TProgram> Inditas() { return std::make_unique<TProgram>(Bin(), &Modalis); }
  static void Bezaras(std::unique_ptr<TProgram>& p) {
    p->Fo().close();
    p.reset();
  }

  TKonyvtarRogzito Modalis;

 private:
  QTemporaryDir mappa_;
};

}  // namespace

class TElsoInditasTeszt : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (qEnvironmentVariableIsEmpty("ZELVARIS_VART_NYELV")) {
      QSKIP("run through CTest, which sets the locale and ZELVARIS_VART_NYELV");
    }
  }

  void CsakAzElsoInditasKovetiALocalet() {
    const std::string vart = qEnvironmentVariable("ZELVARIS_VART_NYELV").toStdString();
    const std::string masik = vart == "Magyar.lng" ? "English.lng" : "Magyar.lng";
    TTelepites t;
    auto p = t.Inditas();
    QCOMPARE(p->Kornyezet().Nyelv().AktualisNyelv(), vart);
    TTelepites::Bezaras(p);
    QCOMPARE(IniBetoltes(t.Beallitas()).Olvas("LANGUAGE", "defaultlanguage", "?"), vart);
    QVERIFY(fs::is_empty(t.Bin()));

    // From then on the settings decide, whatever the locale, even when
    // they name no language at all.
    teszt::Kiir(t.Beallitas(), "[LANGUAGE]\r\ndefaultlanguage=" + masik + "\r\n");
    p = t.Inditas();
    QCOMPARE(p->Kornyezet().Nyelv().AktualisNyelv(), masik);
    TTelepites::Bezaras(p);
    teszt::Kiir(t.Beallitas(), "[LANGUAGE]\r\ndefaultlanguage=\r\n");
    p = t.Inditas();
    QCOMPARE(p->Kornyezet().Nyelv().AktualisNyelv(), std::string());
  }

  void AFajlParbeszedekAFelhasznaloMappaibanIndulnak() {
    TTelepites t;
    auto p = t.Inditas();
    const fs::path okocfg = t.FelhasznaloiAdat() / "okocfg";
    t.Modalis.MegnyitandoFajl = Q(okocfg / "meadow.okocfg");
    p->Fo().Akciok()["Act_OkoCfgMegnyitas"]->trigger();
    QCOMPARE(t.Modalis.Konyvtarak, std::vector<QString>{Q(okocfg)});
    // The copy of the shipped meadow opened.
    QVERIFY(t.Modalis.Uzenetek.empty());
    QCOMPARE(p->Fo().windowTitle().left(16), QStringLiteral("meadow.okocfg - "));
  }
};

QTEST_MAIN(TElsoInditasTeszt)
#include "elso_inditas_test.moc"
