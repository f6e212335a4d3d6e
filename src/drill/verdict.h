#pragma once

#include <string>
#include <string_view>

// Judging a typed answer against the example's two-decimal result.

// The characters the answer field (and the filter value) lets through: digits, ',', '-', '.'
// and Backspace. Enter is not one of them; the key-down handler has acted on it already.
bool IsAnswerCharacter(char32_t c);

// The answer as judging reads it: the first ',' becomes the locale's separator. A '.' stays as
// typed, so where the separator is ',' it makes the answer unreadable.
std::string TypedAnswer(std::string text, char sep);

// An empty answer field or a lone "-" counts as no answer.
bool IsUnanswered(std::string_view typed);

// Right when the result text and the answer read as the same number (both read the same way, in
// extended precision); Unreadable when either is not a number in the locale's format.
enum class Verdict { Right, Wrong, Unreadable };
Verdict Judge(std::string_view resultText, std::string_view answer, char sep);

// A row of the examination log: the example as shown, "=" and the answer as read.
std::string LogRowText(std::string_view example, std::string_view answer);
