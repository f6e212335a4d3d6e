#include "editexp/spokenexample.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string SpokenExample(std::string_view example, const SpokenWords &words)
{
    std::string out;
    const auto say = [&out](std::string_view word) {
        if (!out.empty())
            out += ' ';
        out += word;
    };
    std::size_t i = 0;
    while (i < example.size()) {
        const char c = example[i];
        if (isDigit(c) || c == ',' || c == '.') {
            // A number with its decimal part and exponent: "2,5", "1E15", "1,5E-7".
            std::size_t end = i;
            while (end < example.size()) {
                const char d = example[end];
                if (isDigit(d) || d == ',' || d == '.') {
                    ++end;
                } else if (d == 'E' && end + 1 < example.size() &&
                           (isDigit(example[end + 1]) ||
                            (example[end + 1] == '-' && end + 2 < example.size() &&
                             isDigit(example[end + 2])))) {
                    end += 2;
                } else {
                    break;
                }
            }
            say(example.substr(i, end - i));
            i = end;
            continue;
        }
        if (example.substr(i, 4) == "Sqrt") {
            say(words.squareRoot);
            i += 4;
            continue;
        }
        switch (c) {
        case '+':
            say(words.plus);
            break;
        case '-':
            say(words.minus);
            break;
        case '*':
            say(words.times);
            break;
        case '/':
            say(words.dividedBy);
            break;
        case '^':
            say(words.power);
            break;
        case '(':
            say(words.openBracket);
            break;
        case ')':
            say(words.closeBracket);
            break;
        default:
            break; // blanks and anything unknown say nothing
        }
        ++i;
    }
    if (!out.empty())
        say(words.equals);
    return out;
}
