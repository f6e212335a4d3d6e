#ifndef NUMLET_SPOKENEXAMPLE_H
#define NUMLET_SPOKENEXAMPLE_H

#include <string>
#include <string_view>

// An example as a screen reader says it: "4+8" is "4 plus 8 je". Numbers stay as they are written
// (the reader speaks them in its own voice); operators, brackets and the square root become
// words, and "je" stands for the "=" after the example.
struct SpokenWords
{
    std::string plus = "plus";
    std::string minus = "mínus"; // both the operator and a number's sign
    std::string times = "krát";
    std::string dividedBy = "děleno";
    std::string power = "na";
    std::string squareRoot = "odmocnina z";
    std::string openBracket = "levá závorka";
    std::string closeBracket = "pravá závorka";
    std::string equals = "je";
};

// example: the example text as the display shows it (numbers with either separator, "+", "-",
// "*", "/", "^", brackets, "Sqrt "); UTF-8. An empty example says nothing.
std::string SpokenExample(std::string_view example, const SpokenWords &words);

#endif
