#include "kepkocka.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace zelvaris {

// Lives as a child of the application, so it goes with it; a new
// application gets a new clock.
class TKepkockaOra : public QObject {
 public:
  explicit TKepkockaOra(QObject* szulo) : QObject(szulo) {
    idozito_.setSingleShot(true);
    idozito_.setInterval(KepkockaMs);
    QObject::connect(&idozito_, &QTimer::timeout, this, [this] { Kiszolgalas(); });
  }

  static TKepkockaOra* Peldany(bool letrehoz) {
    static QPointer<TKepkockaOra> ora;
    if (!ora && letrehoz && QCoreApplication::instance() != nullptr)
      ora = new TKepkockaOra(QCoreApplication::instance());
    return ora;
  }

  void Felvesz(TKepkockaKliens* k) {
    varo_.push_back(k);
    if (!idozito_.isActive()) idozito_.start();
  }

  // A view destroyed while its batch is being served is skipped.
  void Kivesz(TKepkockaKliens* k) {
    std::erase(varo_, k);
    std::replace(sorban_.begin(), sorban_.end(), k, static_cast<TKepkockaKliens*>(nullptr));
  }

 private:
  void Kiszolgalas() {
    // A view served may ask for the next frame again at once.
    sorban_.swap(varo_);
    for (TKepkockaKliens* k : sorban_) k->var_ = false;
    for (size_t i = 0; i < sorban_.size(); ++i)
      if (TKepkockaKliens* k = sorban_[i]) k->Kepkocka();
    sorban_.clear();
  }

  QTimer idozito_;
  std::vector<TKepkockaKliens*> varo_;
  std::vector<TKepkockaKliens*> sorban_;
};

TKepkockaKliens::~TKepkockaKliens() {
  if (TKepkockaOra* ora = TKepkockaOra::Peldany(false)) ora->Kivesz(this);
}

void TKepkockaKliens::KepkockaKeres() {
  if (var_) return;
  TKepkockaOra* ora = TKepkockaOra::Peldany(true);
  if (ora == nullptr) return;
  var_ = true;
  ora->Felvesz(this);
}

}  // namespace zelvaris
