#pragma once
// The windows of one kind opened on demand (species editors, charts, age
// pyramids), in creation order. The main window owns one list per kind;
// closing a window only hides it, so it stays in its list until the list is
// cleared for a new ecosystem.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zelvaris {

class TAblakLista {
 public:
  TAblakLista() = default;
  TAblakLista(const TAblakLista&) = delete;
  TAblakLista& operator=(const TAblakLista&) = delete;

  // Takes the window, shows it and brings it to the front.
  QWidget& Hozzaadas(std::unique_ptr<QWidget> ablak);

  int Darab() const { return static_cast<int>(ablakok_.size()); }
  QWidget& Ablak(int i) const { return *ablakok_.at(static_cast<size_t>(i)); }

  void MindetElorehoz();
  void MindetBezar();
  // Destroys every window.
  void Urites();
  // Runs `f` on every window in list order (language changes, refreshes).
  void Mindegyikre(const std::function<void(QWidget&)>& f);

 private:
  std::vector<std::unique_ptr<QWidget>> ablakok_;
};

}  // namespace zelvaris
