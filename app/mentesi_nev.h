#pragma once
// The file a save goes to. The save dialog asks before the name picked in it
// replaces a file, but the name may still lack its extension: the extension
// is added then, and since that longer name was never asked about, the user
// is asked once more when it names an existing file.

#include <QString>
#include <filesystem>
#include <string_view>

class QWidget;

namespace zelvaris {

class TModalisFelulet;
class TNyelviTabla;

// The picked name, with `kiterjesztes` appended unless it ends with it
// exactly; empty when the user cancelled the dialog or declined to replace.
// The question is asked in the table's language (built-in without one).
std::filesystem::path MentesiNev(TModalisFelulet& modalis, QWidget* szulo, const QString& cim,
                                 const QString& konyvtar, const QString& szuro,
                                 std::string_view kiterjesztes, const TNyelviTabla* tabla = nullptr);

}  // namespace zelvaris
