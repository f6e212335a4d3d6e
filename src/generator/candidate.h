#pragma once

#include "generator/random.h"

#include <span>
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

// The generator's state kept by the main window between calls.
struct GenerationState
{
    std::span<double, 5> operands;
    std::span<double, 5> decimalParts;
    std::span<char, 4> operators;
    int &operatorDraw;
    int &templateIndex;
};

// Resolves every "~" slot to a concrete operator.
void ChooseOperators(const GenerationParams &params, GenerationState &state,
                     RandomGenerator &random);

// Draws operand k (0-based) and its decimal part.
void DrawOperand(int k, const GenerationParams &params, GenerationState &state,
                 RandomGenerator &random);

// One candidate example, drawn in the generator's fixed order; returns its text (numbers written
// with the given decimal separator). The template used is left in state.templateIndex.
std::string GenerateCandidate(const GenerationParams &params, GenerationState &state,
                              RandomGenerator &random, char decimalSep);
