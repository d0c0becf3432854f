#pragma once

#include <string_view>

#include <QString>

namespace fendrel {

// The window logic's texts are UTF-8.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fendrel
