#pragma once
// The sign-ins list of server mode ("Jelentkezések"): the names of clients
// that asked for permission, oldest first. Its texts are always the
// built-in ones. No wire message exists for an answer, so the two buttons
// stay disabled. The list holds a bounded number of names; once older ones
// had to go, its first row says how many.

#include <QStringList>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zelvaris {

class TNyelviTabla;

class TForm_Jelentkezesek : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Jelentkezesek(QWidget* szulo = nullptr);

  // Appends the names; past `maxNevek` the oldest go. `elotteKimaradt`
  // names came before these but never reached the list.
  void NevekHozzaadasa(const QStringList& nevek, int maxNevek, qint64 elotteKimaradt = 0);
  // The names shown, without the mark.
  QStringList Nevek() const;
  qint64 Kimaradt() const { return kimaradt_; }
  // The language of the mark row; not owned, null for the built-in text.
  void SetNyelviTabla(const TNyelviTabla* tabla) { tabla_ = tabla; }

 private:
  const TNyelviTabla* tabla_ = nullptr;
  QListWidget* lista_ = nullptr;
  // The mark row, the first, once names went.
  QListWidgetItem* jel_ = nullptr;
  qint64 kimaradt_ = 0;
  QPushButton* engedelyez_ = nullptr;
  QPushButton* elutasit_ = nullptr;
};

}  // namespace zelvaris
