#pragma once
// The sign-ins list of server mode ("Jelentkezések"): the names of clients
// that asked for permission, oldest first. Its texts are always the
// built-in ones. No wire message exists for an answer, so the two buttons
// stay disabled.

#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;

namespace zelvaris {

class TForm_Jelentkezesek : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Jelentkezesek(QWidget* szulo = nullptr);

  // Appends the names; past `maxNevek` the oldest entries go.
  void NevekHozzaadasa(const QStringList& nevek, int maxNevek);
  QStringList Nevek() const;

 private:
  QListWidget* lista_ = nullptr;
  QPushButton* engedelyez_ = nullptr;
  QPushButton* elutasit_ = nullptr;
};

}  // namespace zelvaris
