#pragma once
// What the server makes of one connection's lines, free of sockets: every
// line leaves one log entry; "NAME" or "ASK" (any letter case) makes the next
// line a name that is announced or that asks for permission.

#include <QByteArray>
#include <QString>
#include <optional>

#include "localisation/program_uzenetek.h"

namespace zelvaris {

class TSzerverProtokoll {
 public:
  struct TBejegyzes {
    QByteArray Szoveg;     // as received, without the line end
    const TUzenetMinta* Minta = nullptr;  // the log line around the text, if any
    bool Jelentkezo = false;  // the text is a name for the sign-ins list
  };

  // One received line, already without its line end.
  TBejegyzes Sor(const QByteArray& sor);

 private:
  enum class TVaras { Parancs, NevKapcsolodas, NevEngedely };
  TVaras varas_ = TVaras::Parancs;
};

}  // namespace zelvaris
