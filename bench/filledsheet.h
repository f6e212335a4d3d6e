#pragma once

// A pupil's returned sheet for the worksheet benchmarks: generated examples under the default
// parameters, a third answered right, a third wrong and a third left blank.

#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "generator/candidate.h"
#include "worksheet/worksheet.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <string>

namespace Bench {

inline QStringList filledInSheet(std::uint32_t seed, int count)
{
    GenerationState state;
    GenerationParams params;
    RandomGenerator random(seed);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const std::string example = GenerateCandidate(params, state, random, ',');
        std::string evaluation = example;
        std::replace(evaluation.begin(), evaluation.end(), ',', '.');
        const double value = Evaluate(evaluation).value;
        std::string answer;
        if (i % 3 == 0)
            answer = FormatMask(value, "0.00", ',');
        else if (i % 3 == 1)
            answer = FormatGeneral(value + 1, ',');
        lines.append(GeneratedLine(QString::fromStdString(example)) +
                     QString::fromStdString(answer));
    }
    return lines;
}

} // namespace Bench
