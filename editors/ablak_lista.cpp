#include "editors/ablak_lista.h"

namespace zelvaris {

QWidget& TAblakLista::Hozzaadas(std::unique_ptr<QWidget> ablak) {
  QWidget& w = *ablak;
  ablakok_.push_back(std::move(ablak));
  w.show();
  w.raise();
  w.activateWindow();
  return w;
}

void TAblakLista::MindetElorehoz() {
  for (auto& a : ablakok_) {
    a->show();
    a->raise();
  }
}

void TAblakLista::MindetBezar() {
  for (auto& a : ablakok_) a->close();
}

void TAblakLista::Urites() { ablakok_.clear(); }

void TAblakLista::Mindegyikre(const std::function<void(QWidget&)>& f) {
  for (auto& a : ablakok_) f(*a);
}

}  // namespace zelvaris
