#pragma once
// The model's texts (UTF-8) and file paths as Qt strings and back.

#include <QString>
#include <filesystem>
#include <string_view>

namespace zelvaris {

inline QString Qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::filesystem::path Utvonal(const QString& s) {
  return std::filesystem::path(s.toStdString());
}
inline QString QUtvonal(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

}  // namespace zelvaris
