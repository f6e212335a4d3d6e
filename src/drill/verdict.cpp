#include "drill/verdict.h"

#include "editexp/numbertext.h"

bool IsAnswerCharacter(char32_t c)
{
    return c == 8 || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

std::string TypedAnswer(std::string text, char sep)
{
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos)
        text[comma] = sep;
    return text;
}

bool IsUnanswered(std::string_view typed)
{
    return typed.empty() || typed == "-";
}

Verdict Judge(std::string_view resultText, std::string_view answer, char sep)
{
    const auto expected = ParseLocaleExtended(resultText, sep);
    const auto given = ParseLocaleExtended(answer, sep);
    if (!expected || !given)
        return Verdict::Unreadable;
    return *expected == *given ? Verdict::Right : Verdict::Wrong;
}

std::string LogRowText(std::string_view example, std::string_view answer)
{
    std::string row(example);
    row += '=';
    row += answer;
    return row;
}
