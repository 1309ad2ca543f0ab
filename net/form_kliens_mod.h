#pragma once
// The client-mode dialog ("Kliens-módra váltás"): the server address and the
// name the client announces. Its texts are always the built-in ones. Both
// fields stay on one line: line breaks and control characters, typed or
// pasted, become blanks.

#include <QDialog>

class QLineEdit;

namespace zelvaris {

inline constexpr int kKliensNevMaxHossz = 1000;

class TForm_ClientMode : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_ClientMode(QWidget* szulo = nullptr);

  QString ServerIP() const;
  void SetServerIP(const QString& ip);
  QString KliensNev() const;
  void SetKliensNev(const QString& nev);

 protected:
  void showEvent(QShowEvent* esemeny) override;

 private:
  QLineEdit* serverIP_ = nullptr;
  QLineEdit* kliensNev_ = nullptr;
};

}  // namespace zelvaris
