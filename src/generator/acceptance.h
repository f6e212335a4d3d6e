#pragma once

#include <optional>
#include <string_view>

// The result constraints of the next-example cycle: which candidate becomes the example.

// The constraints that are switched on.
struct ResultOptions
{
    bool positiveOnly = false; // "Jen kladné výsledky"
    bool negativeOnly = false; // "Jen záporné výsledky"
    bool wholeOnly = false;    // "Výsledek beze zbytku"
    bool filterOn = false;     // "Filtr výsledků dle zadání"

    bool any() const { return positiveOnly || negativeOnly || wholeOnly || filterOn; }
};

// What the result filter removes: "=" equal results, "<" those below the value, ">" those above
// it, "<>" those that differ. Any other text of the action box removes nothing and keeps nothing.
enum class FilterAction { RemoveEqual, RemoveBelow, RemoveAbove, RemoveDifferent, None };
FilterAction FilterActionFromText(std::string_view text);

struct ResultFilter
{
    double value = 0;
    FilterAction action = FilterAction::None;
};

// The filter value as typed: the first ',' or, without one, the first '.' is the decimal
// separator, so "2,5" and "2.5" both read 2.5 and "1,5.2" is not a number (nullopt).
std::optional<double> ReadFilterValue(std::string_view text);

// The options that a filter value switches off: "Výsledek beze zbytku" for a value with a
// fractional part, "Jen kladné výsledky" for a negative one, "Jen záporné výsledky" for a
// positive one.
struct SwitchedOff
{
    bool wholeOnly = false;
    bool positiveOnly = false;
    bool negativeOnly = false;
};

// The four pass flags of one next-example call. They start false and are carried over from one
// candidate to the next: a flag that a constraint does not set keeps its value. Each candidate
// goes through two phases, on either side of the window's message pump:
//  - test: the candidate's value v against the constraints as they stand; the result says which
//    options the filter value switches off (the window unchecks them before it pumps);
//  - release: every constraint that is off now (after the pump, so a handler that ran meanwhile
//    counts) passes; true when the candidate is accepted.
class CandidateAcceptance
{
public:
    SwitchedOff test(double v, const ResultOptions &options, const ResultFilter &filter);
    bool release(const ResultOptions &options);

private:
    bool positive = false;
    bool negative = false;
    bool whole = false;
    bool filtered = false;
};
