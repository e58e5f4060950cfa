#pragma once

#include <QString>
#include <string_view>

namespace keyloom {

// The program's UTF-8 text as Qt holds it.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace keyloom
