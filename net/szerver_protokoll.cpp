#include "net/szerver_protokoll.h"

#include "net/szoveg_tisztitas.h"

namespace zelvaris {

TSzerverProtokoll::TBejegyzes TSzerverProtokoll::Sor(const QByteArray& sor) {
  const TVaras varas = varas_;
  varas_ = TVaras::Parancs;
  switch (varas) {
    case TVaras::NevKapcsolodas:
      return {sor, &kKapcsolodottUzenet, false};
    case TVaras::NevEngedely:
      return {sor, &kEngedelytKerUzenet, true};
    case TVaras::Parancs:
      break;
  }
  if (ParancsEgyezik(sor, "NAME")) {
    varas_ = TVaras::NevKapcsolodas;
  } else if (ParancsEgyezik(sor, "ASK")) {
    varas_ = TVaras::NevEngedely;
  }
  return {sor, {}, false};
}

}  // namespace zelvaris
