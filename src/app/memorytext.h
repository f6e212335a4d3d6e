#pragma once

#include <cstdint>
#include <QChar>
#include <QString>

// The memory display of status panel 1: "Fyz. paměť: <total>/<available>kB - <percent>%".
QString MemoryDisplayText(std::uint64_t totalBytes, std::uint64_t availableBytes, QChar decimalSep);

// A kB figure: fixed notation without decimals while it has at most six integer digits, otherwise
// six significant digits with an exponent ("1,67772E7").
QString MemoryFigure(double kb, QChar decimalSep);
