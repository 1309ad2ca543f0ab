#pragma once
// What the server makes of one connection's lines, free of sockets: every
// line leaves one log entry; "NAME" or "ASK" (any letter case) makes the next
// line a name that is announced or that asks for permission.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zelvaris {

inline constexpr const char* kKapcsolodottUtotag = " kapcsolódott";
inline constexpr const char* kEngedelytKerUtotag = " engedélyt kér";

class TSzerverProtokoll {
 public:
  struct TBejegyzes {
    QByteArray Szoveg;     // as received, without the line end
    QString Utotag;        // appended after the received text
    bool Jelentkezo = false;  // the text is a name for the sign-ins list
  };

  // One received line, already without its line end.
  TBejegyzes Sor(const QByteArray& sor);

 private:
  enum class TVaras { Parancs, NevKapcsolodas, NevEngedely };
  TVaras varas_ = TVaras::Parancs;
};

}  // namespace zelvaris
