#pragma once
// The program's default error handler: an error raised inside an action, a
// timer tick or any other event ends that piece of work, is shown in a
// message box with its message, and the program goes on.

#include <QApplication>
#include <exception>
#include <functional>

namespace zelvaris {

class TAlkalmazasKornyezet;

// Shows the error in a message box, in the loaded language.
void HibaMegjelenitese(TAlkalmazasKornyezet& kornyezet, QWidget* szulo, std::exception_ptr hiba);

// Runs `munka`; an exception it raises is shown and goes no further.
void Vedett(TAlkalmazasKornyezet& kornyezet, QWidget* szulo, const std::function<void()>& munka);

// The application object: Qt's event dispatch catches every error in one
// place and hands it to the handler set here.
class TZelvarisAlkalmazas : public QApplication {
 public:
  TZelvarisAlkalmazas(int& argc, char** argv);

  void SetHibakezelo(std::function<void(std::exception_ptr)> kezelo) {
    hibakezelo_ = std::move(kezelo);
  }

  bool notify(QObject* cel, QEvent* esemeny) override;

 private:
  std::function<void(std::exception_ptr)> hibakezelo_;
};

}  // namespace zelvaris
