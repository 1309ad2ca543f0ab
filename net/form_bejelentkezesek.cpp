#include "net/form_bejelentkezesek.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "localisation/program_uzenetek.h"
#include "net/net_szovegek.h"

namespace zelvaris {

TForm_Jelentkezesek::TForm_Jelentkezesek(QWidget* szulo) : QWidget(szulo, Qt::Tool) {
  setObjectName(QStringLiteral("Form_Jelentkezesek"));
  setWindowTitle(QStringLiteral("Jelentkezések"));
  setMinimumSize(244, 105);
  resize(300, 300);

  lista_ = new QListWidget(this);
  lista_->setObjectName(QStringLiteral("ListB_Jelentkezesek"));
  // Thousands of names: uniform rows keep scrolling and appending cheap.
  lista_->setUniformItemSizes(true);
  engedelyez_ = new QPushButton(QStringLiteral("Engedélyez"), this);
  engedelyez_->setObjectName(QStringLiteral("Btn_Engedelyez"));
  elutasit_ = new QPushButton(QStringLiteral("Elutasít"), this);
  elutasit_->setObjectName(QStringLiteral("Btn_Elutasit"));
  engedelyez_->setEnabled(false);
  elutasit_->setEnabled(false);

  auto* gombok = new QVBoxLayout;
  gombok->addWidget(engedelyez_);
  gombok->addWidget(elutasit_);
  gombok->addStretch(1);
  auto* reteg = new QHBoxLayout(this);
  reteg->addWidget(lista_, 1);
  reteg->addLayout(gombok);
}

void TForm_Jelentkezesek::NevekHozzaadasa(const QStringList& nevek, int maxNevek, qint64 elotteKimaradt) {
  if (nevek.isEmpty() && elotteKimaradt == 0) return;
  maxNevek = std::max(1, maxNevek);
  const int elso = jel_ != nullptr ? 1 : 0;
  const qsizetype meglevo = lista_->count() - elso;
  const qsizetype tobblet = std::max<qsizetype>(0, meglevo + nevek.size() - maxNevek);
  // The oldest go first: those already shown, then the oldest of the new ones.
  const qsizetype regiek = std::min(tobblet, meglevo);
  if (regiek > 0) lista_->model()->removeRows(elso, static_cast<int>(regiek));
  const qsizetype ujak = tobblet - regiek;
  kimaradt_ += tobblet + elotteKimaradt;
  if (kimaradt_ > 0) {
    if (jel_ == nullptr) {
      jel_ = new QListWidgetItem;
      // Not a name: it cannot be chosen.
      jel_->setFlags(Qt::NoItemFlags);
      QFont betu = jel_->font();
      betu.setItalic(true);
      jel_->setFont(betu);
      lista_->insertItem(0, jel_);
    }
    jel_->setText(NetUzenet(tabla_, TUzenet(kKimaradtJelentkezokUzenet, {std::to_string(kimaradt_)})));
  }
  lista_->addItems(nevek.mid(ujak));
}

QStringList TForm_Jelentkezesek::Nevek() const {
  QStringList ki;
  ki.reserve(lista_->count());
  for (int i = jel_ != nullptr ? 1 : 0; i < lista_->count(); ++i) ki.append(lista_->item(i)->text());
  return ki;
}

}  // namespace zelvaris
