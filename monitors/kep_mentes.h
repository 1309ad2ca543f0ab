#pragma once
// Pictures and data out of the monitor windows: a PNG image or the chart
// data as CSV, under a name the user picks through the modal interface. The
// file is written to a temporary file and renamed over the target, so a
// failed save leaves the previous file intact; the failure is shown with the
// file and the reason. Saving reads what is already drawn: it marks no cell
// and draws nothing.

#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/sorozat_csv.h"

class QAction;
class QWidget;

namespace zelvaris {

class TAlkalmazasKornyezet;

// The image as PNG bytes; throws TFajlHiba naming `fajl` when it cannot be
// encoded (an empty image).
std::string PngBajtok(const QImage& kep, const std::filesystem::path& fajl);
// Writes the image as a PNG file; throws TFajlHiba.
void PngMentese(const QImage& kep, const std::filesystem::path& fajl);

// Asks for a file name (with `kiterjesztes` added when missing, asking before
// the longer name replaces a file) and writes through `iras`. A failure is
// shown as an error message. Returns the file written, empty when cancelled
// or failed.
std::filesystem::path MentesParbeszeddel(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                         const QString& cim, const QString& szuro,
                                         std::string_view kiterjesztes,
                                         const std::function<void(const std::filesystem::path&)>& iras);

// "Kép mentése PNG-be..." for an image the caller supplies when asked.
std::filesystem::path KepMentesePngBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                      const std::function<QImage()>& kep);

// "Adatok mentése CSV-be...": the given columns of the current ecosystem's
// sources over the steps both population sources recorded, as the batch
// tool writes them.
std::filesystem::path AdatokMenteseCsvBe(TAlkalmazasKornyezet& kornyezet, QWidget* szulo,
                                         const std::vector<TSorozatOszlop>& oszlopok);

// A context-menu action of a window (shown on the right button), named
// `nev` for tests and language changes.
QAction* HelyiMenuAkcio(QWidget& ablak, const char* nev);

}  // namespace zelvaris
