#include "widgets/modalis_felulet.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace zelvaris {

void TValodiModalisFelulet::Uzenet(QWidget* szulo, TUzenetFajta fajta, const QString& cim,
                                   const QString& szoveg) {
  switch (fajta) {
    case TUzenetFajta::Informacio: QMessageBox::information(szulo, cim, szoveg); break;
    case TUzenetFajta::Figyelmeztetes: QMessageBox::warning(szulo, cim, szoveg); break;
    case TUzenetFajta::Hiba: QMessageBox::critical(szulo, cim, szoveg); break;
  }
}

bool TValodiModalisFelulet::IgenNem(QWidget* szulo, const QString& cim, const QString& kerdes) {
  // A warning with No preselected: every question of the program guards a
  // change that is hard to take back.
  return QMessageBox::warning(szulo, cim, kerdes, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

QString TValodiModalisFelulet::FajlMegnyitas(QWidget* szulo, const QString& cim,
                                             const QString& konyvtar, const QString& szuro) {
  return QFileDialog::getOpenFileName(szulo, cim, konyvtar, szuro);
}

QString TValodiModalisFelulet::FajlMentes(QWidget* szulo, const QString& cim,
                                          const QString& konyvtar, const QString& szuro) {
  return QFileDialog::getSaveFileName(szulo, cim, konyvtar, szuro);
}

std::optional<QColor> TValodiModalisFelulet::Szin(QWidget* szulo, const QColor& kezdo) {
  const QColor c = QColorDialog::getColor(kezdo, szulo);
  if (!c.isValid()) return std::nullopt;
  return c;
}

int TValodiModalisFelulet::Dialogus(QDialog& dialogus) { return dialogus.exec(); }

}  // namespace zelvaris
