#pragma once
// The sign-ins list of server mode ("Jelentkezések"). Its texts are always
// the built-in ones.

#include <QWidget>

namespace zelvaris {

class TForm_Jelentkezesek : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Jelentkezesek(QWidget* szulo = nullptr);
};

}  // namespace zelvaris
