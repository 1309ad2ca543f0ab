#pragma once
// Text hygiene at the network boundary: what a peer sends is shown only
// after it was decoded and defused, and what the user types is kept on one
// line before it goes on the wire or into the settings file.

#include <QByteArray>
#include <QString>
#include <string_view>

namespace zelvaris {

// Bytes as UTF-8 (invalid sequences become U+FFFD), with every control,
// format (bidirectional overrides, zero-width marks) and line or paragraph
// separator character replaced by U+FFFD, so that a peer can neither start a
// new log line nor reorder or hide text. A text longer than `maxHossz`
// characters is cut and followed by a note of its full length in bytes.
QString MegjelenithetoSzoveg(const QByteArray& nyers, int maxHossz);

// Line breaks, tabs and other control characters become blanks: typed or
// pasted into a one-line field they would split a protocol or settings line.
QString EgysorosSzoveg(const QString& szoveg);
bool EgysorosE(const QString& szoveg);

// Protocol commands compare on the raw bytes with ASCII-only case folding, so
// that no Unicode case mapping (the Kelvin sign, the long s) can forge one.
bool ParancsEgyezik(const QByteArray& sor, std::string_view parancs);

}  // namespace zelvaris
