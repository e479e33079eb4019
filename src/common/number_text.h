#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace korrimet {

enum class Precision { Single, Double };

// Text to number by the Chinese (PRC) locale rules: "." decimal point, ","
// digit groups in the whole part, optional sign and exponent, blanks around.
// Throws StatementFailure on anything else or beyond the requested range.
double ParseNumber(std::string_view text, Precision precision);
std::optional<double> TryParseNumber(std::string_view text, Precision precision);

// Default text form: 7 significant digits for a Single, 15 for a Double.
std::string NumberText(float value);
std::string NumberText(double value);
std::string NumberText(long long whole);
inline std::string NumberText(int whole) { return NumberText(static_cast<long long>(whole)); }
inline std::string NumberText(long whole) { return NumberText(static_cast<long long>(whole)); }

// Digit mask with "#", "0", "." and "," placeholders.
std::string MaskText(double value, std::string_view mask);
// A text through a mask: parsed first; a text that is no number comes back as it is.
std::string MaskText(std::string_view text, std::string_view mask);
// A result through a mask: a value the mask rounds to no digit at all shows
// as "0", so it still reads as a number and never as a lone point; an
// infinite or undefined value keeps its words, which no result may show.
std::string ResultMaskText(double value, std::string_view mask);

// Short report form: a blank before a non-negative number, no zero before
// the point (" .5", "-.4").
std::string SignFirstNumberText(float value);
std::string SignFirstNumberText(double value);

}  // namespace korrimet
