#include "monitors/grafikon_ablak_lista.h"

#include <QScreen>
#include <algorithm>

#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

namespace {
constexpr int Lepcso = 10;
}

TMonitorAblakLista::TMonitorAblakLista(TAlkalmazasKornyezet& kornyezet, TNyelviAblak nyelviHely)
    : kornyezet_(kornyezet), nyelviHely_(nyelviHely) {
  kornyezet_.Nyelv().Feliratkozas(nyelviHely_, [this](const TNyelviTabla& t) { NyelvAlkalmaz(t); });
  csereKapcsolat_ = QObject::connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, [this] { Urit(); });
}

TMonitorAblakLista::~TMonitorAblakLista() {
  QObject::disconnect(csereKapcsolat_);
  kornyezet_.Nyelv().Leiratkozas(nyelviHely_);
}

QWidget& TMonitorAblakLista::Felvetel(std::unique_ptr<QWidget> ablak) {
  QWidget& w = *ablak;
  if (!ablakok_.empty()) {
    const QWidget& elozo = *ablakok_.back();
    w.move(Hely(elozo.pos() + QPoint(-Lepcso, Lepcso), w.frameGeometry().size()));
  }
  ablakok_.push_back(std::move(ablak));
  w.show();
  w.raise();
  return w;
}

QPoint TMonitorAblakLista::Hely(QPoint kivant, QSize meret) const {
  if (elhelyezo_) return elhelyezo_(kivant, meret);
  const QWidget* elozo = ablakok_.empty() ? nullptr : ablakok_.back().get();
  const QScreen* kepernyo = elozo != nullptr ? elozo->screen() : nullptr;
  if (kepernyo == nullptr) return kivant;
  const QRect terulet = kepernyo->availableGeometry();
  // Left and top edges win over the right and bottom ones: the title bar stays reachable.
  const int x = std::max(terulet.left(), std::min(kivant.x(), terulet.right() + 1 - meret.width()));
  const int y = std::max(terulet.top(), std::min(kivant.y(), terulet.bottom() + 1 - meret.height()));
  return {x, y};
}

void TMonitorAblakLista::NyelvAlkalmaz(const TNyelviTabla& tabla) {
  for (auto& a : ablakok_) Szovegek(*a, tabla);
}

void TMonitorAblakLista::Urit() {
  // Emptied before destruction, so nothing reaches a window being destroyed.
  std::vector<std::unique_ptr<QWidget>> regiek = std::move(ablakok_);
  ablakok_.clear();
}

void TMonitorAblakLista::MindetElorehoz() {
  for (auto& a : ablakok_) {
    a->show();
    a->raise();
  }
}

void TMonitorAblakLista::MindetBezar() {
  for (auto& a : ablakok_) a->close();
}

}  // namespace zelvaris
