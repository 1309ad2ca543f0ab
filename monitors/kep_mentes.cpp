#include "monitors/kep_mentes.h"

#include <QAction>
#include <QBuffer>
#include <QImageWriter>
#include <QWidget>
#include <exception>

#include "app/alkalmazas_kornyezet.h"
#include "app/mentesi_nev.h"
#include "localisation/program_uzenetek.h"
#include "persistence/atomi_mentes.h"
#include "persistence/fajl_hiba.h"
#include "persistence/sorozat_csv.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

QString Szoveg(TAlkalmazasKornyezet& k, const char* kulcs) { return Qs(k.Nyelv().Szoveg(kulcs)); }

}  // namespace

std::string PngBajtok(const QImage& kep, const std::filesystem::path& fajl) {
  if (kep.isNull()) throw TFajlHiba(fajl, TUzenet(kNincsKepUzenet, {}));
  QByteArray bajtok;
  QBuffer puffer(&bajtok);
  puffer.open(QIODevice::WriteOnly);
  QImageWriter iro(&puffer, "png");
  if (!iro.write(kep)) {
    throw TFajlHiba(fajl, TUzenet(kNemPngUzenet, {iro.errorString().toStdString()}));
  }
  return bajtok.toStdString();
}

void PngMentese(const QImage& kep, const std::filesystem::path& fajl) { AtomiMentes(fajl, PngBajtok(kep, fajl)); }

std::filesystem::path MentesParbeszeddel(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                         const QString& cim, const QString& szuro,
                                         std::string_view kiterjesztes,
                                         const std::function<void(const std::filesystem::path&)>& iras) {
  TModalisFelulet& modalis = kornyezet.Modalis();
  const std::filesystem::path fajl =
      MentesiNev(modalis, szulo, cim, QUtvonal(kornyezet.Helyek().MentesKonyvtar()), szuro, kiterjesztes,
                 &kornyezet.Nyelv().Tabla());
  if (fajl.empty()) return {};
  try {
    iras(fajl);
  } catch (const std::exception& e) {
    modalis.Uzenet(szulo, TModalisFelulet::TUzenetFajta::Hiba, cim,
                   Qs(HibaSzovege(e, kornyezet.Nyelv().Tabla())));
    return {};
  }
  return fajl;
}

std::filesystem::path KepMentesePngBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                      const std::function<QImage()>& kep) {
  return MentesParbeszeddel(kornyezet, szulo, Szoveg(kornyezet, "cxCap_PngMentes"),
                            kornyezet.Szoveg(kPngSzuro), ".png",
                            [&kep](const std::filesystem::path& fajl) { PngMentese(kep(), fajl); });
}

std::filesystem::path AdatokMenteseCsvBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                         const std::vector<TSorozatOszlop>& oszlopok) {
  return MentesParbeszeddel(kornyezet, szulo, Szoveg(kornyezet, "cxCap_CsvMentes"),
                            QStringLiteral("CSV (*.csv)"), ".csv",
                            [&kornyezet, &oszlopok](const std::filesystem::path& fajl) {
                              SorozatMentese(oszlopok, RogzitettLepesek(kornyezet.Okoszisztema()), fajl);
                            });
}

QAction* HelyiMenuAkcio(QWidget& ablak, const char* nev) {
  auto* a = new QAction(&ablak);
  a->setObjectName(QString::fromLatin1(nev));
  ablak.setContextMenuPolicy(Qt::ActionsContextMenu);
  ablak.addAction(a);
  return a;
}

}  // namespace zelvaris
