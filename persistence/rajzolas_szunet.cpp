#include "persistence/rajzolas_szunet.h"

#include "core/okoszisztema.h"

namespace zelvaris {

TRajzolasSzunet::TRajzolasSzunet(TOkoszisztema* oko)
    : TRajzolasSzunet(oko, oko != nullptr && oko->RajzolasKesz) {}

TRajzolasSzunet::TRajzolasSzunet(TOkoszisztema* oko, bool utana) : oko_(oko), utana_(utana) {
  if (oko_ != nullptr) oko_->RajzolasKesz = false;
}

TRajzolasSzunet::~TRajzolasSzunet() {
  if (oko_ == nullptr) return;
  oko_->RajzolasKesz = utana_;
  if (utana_ && valtozott_) oko_->Ujrarajzol();
}

}  // namespace zelvaris
