#ifndef NUMLET_EVALUATOR_H
#define NUMLET_EVALUATOR_H

#include <string_view>

// Result of one evaluation: code 0 means success; on any error (codes 1 to 9) the value is 0.
struct EvalResult
{
    double value;
    int code;
};

// Evaluates an arithmetic expression ("." as the decimal point, case-insensitive function names).
// Never throws, never allocates on the heap for ordinary texts, and bounds its nesting depth, so
// any text, however long or deeply bracketed, returns promptly.
EvalResult Evaluate(std::string_view text);

// The message of an error code 0..9, each with its leading blank; codes outside that range give
// an empty text.
const char *EvalErrorText(int code);

// Deepest nesting of brackets and function applications that still evaluates.
inline constexpr int EvalMaxNesting = 1000;

#endif
