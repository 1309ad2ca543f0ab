#pragma once
// The client-mode dialog ("Kliens-módra váltás"): the server address and the
// name the client announces. Its texts are always the built-in ones.

#include <QDialog>

namespace zelvaris {

class TForm_ClientMode : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_ClientMode(QWidget* szulo = nullptr);
};

}  // namespace zelvaris
