#include "app/ablak_lista.h"

#include <QScreen>
#include <algorithm>

#include "app/alarendelt_ablak.h"

namespace zelvaris {

namespace {
constexpr int kLepcso = 10;
}

TAblakLista::TAblakLista(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor, TLepcso lepcso)
    : kornyezet_(kornyezet), lepcso_(lepcso) {
  kornyezet_.NyelvFeliratkozas(nyelviSor, this,
                               [this](const TNyelviTabla& t) { NyelvAlkalmaz(t); });
  connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, &TAblakLista::Urit);
}

TAblakLista::~TAblakLista() {
  disconnect(&kornyezet_, nullptr, this, nullptr);
  Urit();
}

QWidget& TAblakLista::Felvetel(std::unique_ptr<QWidget> ablak) {
  QWidget& w = *ablak;
  if (tulajdonos_ != nullptr) Alarendeles(w, *tulajdonos_);
  if (!ablakok_.empty()) w.move(Hely(*ablakok_.back(), w));
  ablakok_.push_back(std::move(ablak));
  w.show();
  w.raise();
  if (lepcso_ == TLepcso::Jobbra) w.activateWindow();
  return w;
}

QPoint TAblakLista::Hely(const QWidget& elozo, const QWidget& uj) const {
  const QRect keret = elozo.frameGeometry();
  // A window not yet shown has no frame: it will get the one the previous has.
  const QSize ujKeret = uj.isVisible() ? uj.frameSize() : uj.size() + (keret.size() - elozo.size());
  if (elhelyezo_) return elhelyezo_(keret, ujKeret);
  if (lepcso_ == TLepcso::Jobbra) return {keret.x() + keret.width(), keret.y()};
  const QPoint kivant = elozo.pos() + QPoint(-kLepcso, kLepcso);
  const QScreen* kepernyo = elozo.screen();
  if (kepernyo == nullptr) return kivant;
  const QRect terulet = kepernyo->availableGeometry();
  const QSize meret = uj.frameGeometry().size();
  // Left and top edges win over the right and bottom ones: the title bar stays reachable.
  const int x = std::max(terulet.left(), std::min(kivant.x(), terulet.right() + 1 - meret.width()));
  const int y =
      std::max(terulet.top(), std::min(kivant.y(), terulet.bottom() + 1 - meret.height()));
  return {x, y};
}

void TAblakLista::NyelvAlkalmaz(const TNyelviTabla& tabla) {
  for (auto& a : ablakok_) Szovegek(*a, tabla);
}

void TAblakLista::Urit() {
  // Emptied before destruction, so nothing reaches a window being destroyed.
  std::vector<std::unique_ptr<QWidget>> regiek = std::move(ablakok_);
  ablakok_.clear();
}

void TAblakLista::MindetElorehoz() {
  for (auto& a : ablakok_) Elohozas(*a);
}

void TAblakLista::MindetBezar() {
  for (auto& a : ablakok_) a->close();
}

}  // namespace zelvaris
