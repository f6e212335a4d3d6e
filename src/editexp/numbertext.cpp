#include "editexp/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// Significant digits of a positive finite value, rounded to nearest, with the decimal exponent
// of the first one: value = d0.d1d2... * 10^exp.
struct Digits
{
    char d[24];
    int count;
    int exp;
};

Digits decompose(double magnitude, int significant)
{
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   significant - 1);
    Digits out{};
    const char *p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            out.d[out.count++] = *p;
    }
    // The exponent reads "e+NN" or "e-NN"; from_chars takes no "+".
    int e = 0;
    std::from_chars(p + 2, res.ptr, e);
    out.exp = p[1] == '-' ? -e : e;
    return out;
}

std::string nonFinite(double v)
{
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatGeneral(double v, char sep)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    if (v == 0)
        return "0";
    Digits g = decompose(std::fabs(v), 15);
    while (g.count > 1 && g.d[g.count - 1] == '0')
        --g.count;
    std::string out;
    if (v < 0)
        out += '-';
    if (g.exp >= -4 && g.exp < 15) {
        if (g.exp < 0) {
            out += '0';
            out += sep;
            out.append(static_cast<std::size_t>(-g.exp - 1), '0');
            out.append(g.d, static_cast<std::size_t>(g.count));
        } else {
            const int whole = g.exp + 1;
            for (int i = 0; i < whole; ++i)
                out += i < g.count ? g.d[i] : '0';
            if (g.count > whole) {
                out += sep;
                out.append(g.d + whole, static_cast<std::size_t>(g.count - whole));
            }
        }
        return out;
    }
    out += g.d[0];
    if (g.count > 1) {
        out += sep;
        out.append(g.d + 1, static_cast<std::size_t>(g.count - 1));
    }
    out += 'E';
    if (g.exp < 0)
        out += '-';
    out += std::to_string(std::abs(g.exp));
    return out;
}

std::string FormatMask(double v, const std::string &mask, char sep)
{
    if (mask.empty())
        return FormatGeneral(v, sep);
    const std::size_t first = mask.find_first_of("0#.");
    if (first == std::string::npos)
        return mask; // no placeholder: the mask is a plain text
    if (!std::isfinite(v) || std::fabs(v) >= 1E18)
        return FormatGeneral(v, sep);
    const std::size_t last = mask.find_last_of("0#.");
    const std::string_view body = std::string_view(mask).substr(first, last - first + 1);

    // Minimum integer digits: from the first "0" before the point onwards; decimals: all
    // placeholders after the point, of which those up to the last "0" are always shown.
    const std::size_t point = body.find('.');
    const std::string_view intPart = body.substr(0, point);
    int minInt = 0;
    bool counting = false;
    for (char c : intPart) {
        counting = counting || c == '0';
        if (counting && (c == '0' || c == '#'))
            ++minInt;
    }
    int maxDec = 0;
    int minDec = 0;
    if (point != std::string_view::npos) {
        for (char c : body.substr(point + 1)) {
            if (c == '0' || c == '#')
                ++maxDec;
            if (c == '0')
                minDec = maxDec;
        }
    }

    // Digits of the value from 10^(top) downwards, already rounded at the last decimal.
    std::string digits;
    int top = 0; // decimal exponent of digits[0]
    if (v != 0) {
        const Digits g = decompose(std::fabs(v), 18);
        const int kept = g.exp + 1 + maxDec;
        if (kept >= g.count) {
            digits.assign(g.d, static_cast<std::size_t>(g.count));
            top = g.exp;
        } else if (kept >= 0) {
            digits.assign(g.d, static_cast<std::size_t>(kept));
            top = g.exp;
            if (g.d[kept] >= '5') {
                int i = kept - 1;
                while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
                    digits[static_cast<std::size_t>(i--)] = '0';
                if (i >= 0) {
                    ++digits[static_cast<std::size_t>(i)];
                } else {
                    digits.insert(digits.begin(), '1');
                    ++top;
                }
            }
        }
    }
    auto digitAt = [&](int power) -> char {
        const int index = top - power;
        if (digits.empty() || index < 0 || index >= static_cast<int>(digits.size()))
            return '0';
        return digits[static_cast<std::size_t>(index)];
    };

    std::string whole;
    for (int p = top; p >= 0; --p)
        whole += digitAt(p);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (static_cast<int>(whole.size()) < minInt)
        whole.insert(0, static_cast<std::size_t>(minInt) - whole.size(), '0');
    std::string fraction;
    for (int p = -1; p >= -maxDec; --p)
        fraction += digitAt(p);
    while (static_cast<int>(fraction.size()) > minDec && fraction.back() == '0')
        fraction.pop_back();

    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (v < 0 && !zero)
        out += '-';
    out += mask.substr(0, first);
    out += whole;
    if (!fraction.empty()) {
        out += sep;
        out += fraction;
    }
    out += mask.substr(last + 1);
    return out;
}

bool DecimalOverflows(std::string_view number)
{
    long long lead = 0; // decimal exponent of the first non-zero digit, before the exponent part
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (seenNonZero) {
            if (!afterPoint)
                ++lead;
        } else if (c != '0') {
            seenNonZero = true;
        } else if (afterPoint) {
            --lead;
        }
    }
    if (!seenNonZero)
        return false;
    long long exp = 0;
    bool negative = false;
    if (i < number.size())
        ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-'))
        negative = number[i++] == '-';
    for (; i < number.size() && isDigit(number[i]); ++i) {
        if (exp < 1'000'000'000'000LL)
            exp = exp * 10 + (number[i] - '0');
    }
    return lead + (negative ? -exp : exp) > 0;
}

// One grammar for every precision, so a typed answer and the shown result read alike.
template <typename Real> static std::optional<Real> parseLocale(std::string_view text, char sep)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    std::string number; // the same number with "." as the point, for std::from_chars
    number.reserve(text.size() + 1);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int mantissaDigits = 0;
    bool seenSep = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
            ++mantissaDigits;
        } else if (c == sep && !seenSep) {
            number += '.';
            seenSep = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            number += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits)
            number += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    Real v = 0;
    const char *begin = number.data();
    const char *end = begin + number.size();
    const auto res = std::from_chars(begin, end, v);
    if (res.ec == std::errc::result_out_of_range) {
        if (DecimalOverflows(number))
            return std::nullopt;
        v = 0;
    } else if (res.ec != std::errc() || res.ptr != end) {
        return std::nullopt;
    }
    return negative ? -v : v;
}

std::optional<double> ParseLocaleNumber(std::string_view text, char sep)
{
    return parseLocale<double>(text, sep);
}

std::optional<long double> ParseLocaleExtended(std::string_view text, char sep)
{
    return parseLocale<long double>(text, sep);
}
