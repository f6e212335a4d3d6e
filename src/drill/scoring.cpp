#include "drill/scoring.h"

#include "editexp/numbertext.h"

#include <charconv>

long long Points(int right, int wrong, int elapsedSeconds, bool randomTemplates)
{
    const long long bonus = randomTemplates ? RandomTemplateBonus : PlainBonus;
    return right + bonus * right - WrongPenalty * static_cast<long long>(wrong) -
           SecondPenalty * static_cast<long long>(elapsedSeconds);
}

BestPoints CompareBest(std::string_view bestText, long long points)
{
    if (bestText == "0")
        return BestPoints::Replace;
    // An integer as the labels show one: optional leading blanks and sign, digits, nothing else.
    while (!bestText.empty() && bestText.front() == ' ')
        bestText.remove_prefix(1);
    if (bestText.size() > 1 && bestText[0] == '+' && bestText[1] != '-')
        bestText.remove_prefix(1);
    int best = 0;
    const char *end = bestText.data() + bestText.size();
    const auto res = std::from_chars(bestText.data(), end, best);
    if (bestText.empty() || res.ec != std::errc() || res.ptr != end)
        return BestPoints::Unreadable;
    return best < points ? BestPoints::Replace : BestPoints::Keep;
}

std::optional<std::string> SuccessRateText(int right, int wrong, char sep)
{
    const int judged = right + wrong;
    if (judged <= 0)
        return std::nullopt;
    const double rate = right / (judged / 100.0);
    return FormatMask(rate, "0.0", sep) + " %";
}

bool RunIsOver(int right, int wrong, int exampleCount, int answerLimit, int answerTicks)
{
    return right + wrong >= exampleCount || answerLimit < answerTicks;
}
