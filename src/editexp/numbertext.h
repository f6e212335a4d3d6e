#ifndef NUMLET_NUMBERTEXT_H
#define NUMLET_NUMBERTEXT_H

#include <optional>
#include <string>
#include <string_view>

// Number texts as the user sees and types them. Every function takes the decimal separator
// explicitly and is independent of the C library's locale.

// Shortest form with up to 15 significant digits and no trailing zeros: fixed notation for
// magnitudes from 1E-4 up to below 1E15, otherwise a mantissa, "E" and the exponent ("-" only for
// a negative exponent, no leading zeros): 1E15, 1,5E-7. Zero (either sign) is "0".
std::string FormatGeneral(double v, char sep);

// The value through a number mask: "0" is a digit always shown, "#" a digit shown only when it
// matters, "." the place of the decimal separator; characters before the first or after the last
// placeholder are copied as they stand. The magnitude is first written with 18 significant digits
// and then rounded half up at the mask's last decimal, so 0.125 gives 0.13 and -0.125 gives -0.13.
// A value that rounds to zero carries no sign. An empty mask, a value of 1E18 or more in
// magnitude (beyond the 18 digits) and infinities fall back to FormatGeneral.
std::string FormatMask(double v, const std::string &mask, char sep);

// Reads a typed number: blanks around it, an optional sign, digits with at most one separator
// (at least one digit), an optional exponent ("E" or "e", optional sign, digits). Values too large
// for a double are not numbers; values too small read as 0.
std::optional<double> ParseLocaleNumber(std::string_view text, char sep);
// The same reading into extended precision (long double; where that is double, the same value).
// Values too large for a long double are not numbers.
std::optional<long double> ParseLocaleExtended(std::string_view text, char sep);

// For a decimal number text ("." as the point, optional exponent) that std::from_chars found out
// of range: true when it is too large, false when it is too small (underflow).
bool DecimalOverflows(std::string_view number);

#endif
