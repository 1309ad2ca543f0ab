#include "net/form_bejelentkezesek.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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

void TForm_Jelentkezesek::NevekHozzaadasa(const QStringList& nevek, int maxNevek) {
  if (nevek.isEmpty()) return;
  maxNevek = std::max(1, maxNevek);
  const qsizetype uj = std::min<qsizetype>(nevek.size(), maxNevek);
  const int tobblet = static_cast<int>(lista_->count() + uj - maxNevek);
  if (tobblet > 0) lista_->model()->removeRows(0, tobblet);
  lista_->addItems(nevek.mid(nevek.size() - uj));
}

QStringList TForm_Jelentkezesek::Nevek() const {
  QStringList ki;
  ki.reserve(lista_->count());
  for (int i = 0; i < lista_->count(); ++i) ki.append(lista_->item(i)->text());
  return ki;
}

}  // namespace zelvaris
