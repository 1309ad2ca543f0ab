#include "monitors/kep_mentes.h"

#include <QAction>
#include <QBuffer>
#include <QImageWriter>
#include <QWidget>
#include <exception>

#include "persistence/atomi_mentes.h"
#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/sorozat_csv.h"
#include "widgets/alkalmazas_kornyezet.h"

namespace zelvaris {

namespace {

QString Szoveg(TAlkalmazasKornyezet& k, const char* kulcs) { return QString::fromStdString(k.Nyelv().Szoveg(kulcs)); }

}  // namespace

std::string PngBajtok(const QImage& kep, const std::filesystem::path& fajl) {
  if (kep.isNull()) throw TFajlHiba(fajl, "nincs menthető kép.");
  QByteArray bajtok;
  QBuffer puffer(&bajtok);
  puffer.open(QIODevice::WriteOnly);
  QImageWriter iro(&puffer, "png");
  if (!iro.write(kep)) {
    throw TFajlHiba(fajl, "a kép nem alakítható PNG-vé (" + iro.errorString().toStdString() + ").");
  }
  return bajtok.toStdString();
}

void PngMentese(const QImage& kep, const std::filesystem::path& fajl) { AtomiMentes(fajl, PngBajtok(kep, fajl)); }

std::filesystem::path MentesParbeszeddel(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                         const QString& cim, const QString& szuro,
                                         std::string_view kiterjesztes,
                                         const std::function<void(const std::filesystem::path&)>& iras) {
  TModalisFelulet& modalis = kornyezet.Modalis();
  const QString valasztott =
      modalis.FajlMentes(szulo, cim, QString::fromStdString(kornyezet.Helyek().MentesKonyvtar().string()), szuro);
  if (valasztott.isEmpty()) return {};
  std::filesystem::path fajl(valasztott.toStdString());
  if (!PontosKiterjesztes(fajl, kiterjesztes)) {
    fajl += std::string(kiterjesztes);
    // The dialog asked about the name as typed, not about this one.
    std::error_code hiba;
    if (std::filesystem::exists(fajl, hiba) &&
        !modalis.IgenNem(szulo, cim,
                         QStringLiteral("%1 már létezik. Felülírja?")
                             .arg(QString::fromStdString(fajl.filename().string())))) {
      return {};
    }
  }
  try {
    iras(fajl);
  } catch (const std::exception& e) {
    modalis.Uzenet(szulo, TModalisFelulet::TUzenetFajta::Hiba, cim, QString::fromStdString(e.what()));
    return {};
  }
  return fajl;
}

std::filesystem::path KepMentesePngBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                      const std::function<QImage()>& kep) {
  return MentesParbeszeddel(kornyezet, szulo, Szoveg(kornyezet, "cxCap_PngMentes"),
                            QStringLiteral("PNG kép (*.png)"), ".png",
                            [&kep](const std::filesystem::path& fajl) { PngMentese(kep(), fajl); });
}

std::filesystem::path AdatokMenteseCsvBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo) {
  return MentesParbeszeddel(kornyezet, szulo, Szoveg(kornyezet, "cxCap_CsvMentes"),
                            QStringLiteral("CSV (*.csv)"), ".csv", [&kornyezet](const std::filesystem::path& fajl) {
                              SorozatMentese(kornyezet.Okoszisztema(), fajl);
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
