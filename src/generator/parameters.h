#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The rules that keep the generation parameters' controls consistent with each other.

constexpr int OperandRows = 5;
using RowValues = std::array<int, OperandRows>;

// Operand rows: a row's lower value stays below its upper value. The limits apply from the next
// edit of a value; current values stay as they are.
struct UpperChangeLimits
{
    RowValues lowerMax; // each row's upper value minus 1
    RowValues upperMax; // rows 1 and 2 reach 10000 once an upper value changed, the others 5000
};
UpperChangeLimits LimitsAfterUpperChange(const RowValues &upper);
// After a change of a lower value: each row's upper value starts at its lower value plus 1.
RowValues UpperMinimaAfterLowerChange(const RowValues &lower);

// The operator character that an operator slot's text sets: the text must be exactly one of
// "+", "-", "*", "/", "^". Anything else ("~" included) keeps the character as it was.
std::optional<char> SlotOperator(std::string_view text);

// The item list of the operator slots: "Ly" with additions and subtractions only, else "Lz" with
// the powers extension, else "Lx".
const char *SlotListName(bool addSubOnly, bool powers);

// How many templates the random template choice draws from after the powers extension is
// switched on (all fourteen) or off (the first eleven).
int TemplateCountForPowers(bool powers);

// The look of the result filter's relation box: its text colour and its hint.
struct FilterLook
{
    bool windowText;   // the system window-text colour, else rgb
    std::uint32_t rgb; // 0xRRGGBB
    const char *hint;
};
// The look of a relation ("=", "<", ">", "<>"); nothing for any other text.
std::optional<FilterLook> FilterLookOf(std::string_view relation);
