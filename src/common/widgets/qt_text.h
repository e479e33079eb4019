#pragma once
#include <QString>
#include <string>

#include "common/number_text.h"

namespace korrimet {

inline QString qtext(const std::string& s) { return QString::fromStdString(s); }

inline double ParseNumber(const QString& text, Precision precision) {
    return ParseNumber(text.toStdString(), precision);
}
inline std::optional<double> TryParseNumber(const QString& text, Precision precision) {
    return TryParseNumber(text.toStdString(), precision);
}
inline QString MaskText(const QString& text, std::string_view mask) {
    return qtext(MaskText(std::string_view(text.toStdString()), mask));
}

}  // namespace korrimet
