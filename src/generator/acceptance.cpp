#include "generator/acceptance.h"

#include "editexp/numbertext.h"

#include <cmath>
#include <string>

FilterAction FilterActionFromText(std::string_view text)
{
    if (text == "=")
        return FilterAction::RemoveEqual;
    if (text == "<")
        return FilterAction::RemoveBelow;
    if (text == ">")
        return FilterAction::RemoveAbove;
    if (text == "<>")
        return FilterAction::RemoveDifferent;
    return FilterAction::None;
}

std::optional<double> ReadFilterValue(std::string_view text)
{
    std::string number(text);
    std::string::size_type at = number.find(',');
    if (at == std::string::npos)
        at = number.find('.');
    if (at != std::string::npos)
        number[at] = '.';
    return ParseLocaleNumber(number, '.');
}

SwitchedOff CandidateAcceptance::test(double v, const ResultOptions &options,
                                      const ResultFilter &filter)
{
    if (options.positiveOnly)
        positive = v > 0;
    if (options.negativeOnly)
        negative = v < 0;
    // Whole also needs the positive flag: with "Jen kladné výsledky" off that flag is still false
    // for the first candidate of a call, which is therefore rejected.
    if (options.wholeOnly)
        whole = v - std::trunc(v) == 0 && positive;

    SwitchedOff off;
    if (!options.filterOn)
        return off;
    const double f = filter.value;
    off.wholeOnly = f - std::trunc(f) != 0;
    off.positiveOnly = f < 0;
    off.negativeOnly = f > 0;
    switch (filter.action) {
    case FilterAction::RemoveEqual:
        filtered = v != f;
        break;
    case FilterAction::RemoveBelow:
        filtered = v >= f;
        break;
    case FilterAction::RemoveAbove:
        filtered = v <= f;
        break;
    case FilterAction::RemoveDifferent:
        filtered = v == f;
        break;
    case FilterAction::None:
        break;
    }
    return off;
}

bool CandidateAcceptance::release(const ResultOptions &options)
{
    if (!options.positiveOnly)
        positive = true;
    if (!options.negativeOnly)
        negative = true;
    if (!options.wholeOnly)
        whole = true;
    if (!options.filterOn)
        filtered = true;
    return positive && whole && filtered && negative;
}
