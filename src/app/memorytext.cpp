#include "app/memorytext.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <system_error>

QString MemoryFigure(double kb, QChar decimalSep)
{
    char buffer[64];
    if (std::fabs(kb) < 999999.5) {
        const auto r =
            std::to_chars(buffer, buffer + sizeof buffer, kb, std::chars_format::fixed, 0);
        return QString::fromLatin1(buffer, int(r.ptr - buffer));
    }
    // Six significant digits, trailing zeros dropped, exponent without "+" or leading zeros.
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, kb, std::chars_format::scientific, 5);
    const std::string text(buffer, r.ptr);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    const int exponent = std::stoi(text.substr(e + 1));
    QString result = QString::fromLatin1(mantissa.c_str());
    result.replace(QLatin1Char('.'), decimalSep);
    return result + QLatin1Char('E') + QString::number(exponent);
}

QString MemoryDisplayText(std::uint64_t totalBytes, std::uint64_t availableBytes, QChar decimalSep)
{
    const double totalKb = double(totalBytes) / 1024.0;
    const double availableKb = double(availableBytes) / 1024.0;
    const double percent = totalKb > 0 ? availableKb / (totalKb / 100.0) : 0.0;
    char buffer[32];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 0);
    return QCoreApplication::translate("TNumlet", "Fyz. paměť: ") +
           MemoryFigure(totalKb, decimalSep) + QLatin1Char('/') +
           MemoryFigure(availableKb, decimalSep) + QStringLiteral("kB - ") +
           QString::fromLatin1(buffer, int(r.ptr - buffer)) + QLatin1Char('%');
}
