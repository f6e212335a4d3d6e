#pragma once

#include "generator/random.h"

#include <string>

// The parameters that shape a candidate, read afresh from the window for every call.
struct GenerationParams
{
    int lower[5] = {0, 0, 0, 0, 0};
    int upper[5] = {10, 10, 10, 10, 10};
    bool locked[5] = {};
    bool noDecimals[5] = {};
    bool slotRandom[4] = {};    // the slot's text is "~"
    bool decimals = false;      // "Desetinná čísla"
    bool hundredths = false;    // "Setiny"
    bool filterZero = false;    // "Odfiltrovat "0" ze zadání"
    bool addSubOnly = false;    // "Pouze sčítání a odčítání"
    bool powers = false;        // "Rozšíření vzorců o mocniny"
    bool logicRules = true;     // "Zapojit logická omezení"
    bool exponentRange = false; // "Exponent z daného rozsahu"
    int exponent = 3;
    bool randomTemplate = false;
    int templateCount = 0;
};

// The state of example generation, kept by the main window between calls: the previous values
// matter for the next call.
struct GenerationState
{
    double operands[5] = {0, 0, 0, 0, 0};     // a1..a5 of the current example
    double decimalParts[5] = {0, 0, 0, 0, 0}; // d1..d5 drawn with the operands
    char operators[4] = {'+', '-', '*', '/'}; // o1..o4 of the operator slots
    int operatorDraw = 0;                     // the last random operator number
    int templateIndex = 1;                    // 0..14; 0 composes as template 1
    int candidateCounter = 0;                 // candidates since the worksheet was cleared
    std::string evaluationText;               // the example text with ',' turned into '.'
};

// Resolves every "~" slot, and every slot still holding the character '~', to a concrete
// operator.
void ChooseOperators(const GenerationParams &params, GenerationState &state,
                     RandomGenerator &random);

// Draws operand k (0-based) and its decimal part.
void DrawOperand(int k, const GenerationParams &params, GenerationState &state,
                 RandomGenerator &random);

// One candidate example, drawn in the generator's fixed order; returns its text (numbers written
// with the given decimal separator) and counts it. The template used is left in
// state.templateIndex.
std::string GenerateCandidate(const GenerationParams &params, GenerationState &state,
                              RandomGenerator &random, char decimalSep);
