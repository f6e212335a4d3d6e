#include "generator/candidate.h"

#include "editexp/numbertext.h"
#include "generator/templates.h"

#include <charconv>
#include <cmath>

namespace {

// A draw from 0..size - 1; size is at most 2^32 (the widest row of int values).
std::uint32_t drawRange(RandomGenerator &random, long long size)
{
    // The window keeps every row's lower value below its upper value; a broken row yields its
    // lower value rather than a draw over a wrapped-around range.
    return size > 0 ? random.next(std::uint64_t(size)) : (random.next(0), 0u);
}

// An exponent from 0..E. Counted in 64 bits, so the largest int E does not overflow; a negative
// E has no values and gives 0.
int drawExponent(RandomGenerator &random, int exponent)
{
    return int(drawRange(random, (long long)exponent + 1));
}

// How many values of first..last may be drawn.
long long admissibleCount(long long first, long long last, bool filterZero)
{
    if (last < first)
        return 0;
    return last - first + 1 - (filterZero && first <= 0 && last >= 0 ? 1 : 0);
}

// Whether a fresh value that differs from the previous one can be drawn at all.
bool redrawPossible(double previous, long long first, long long last, bool filterZero)
{
    const long long admissible = admissibleCount(first, last, filterZero);
    const bool previousAdmissible = previous == std::trunc(previous) && previous >= double(first) &&
                                    previous <= double(last) && !(filterZero && previous == 0);
    return admissible - (previousAdmissible ? 1 : 0) > 0;
}

double withDecimalPart(double whole, double part)
{
    // "12" and "5" make 12.5, "-3" and "47" make -3.47: the two number texts are joined.
    const std::string text = FormatGeneral(whole, '.') + "." + FormatGeneral(part, '.');
    double value = whole;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

void ChooseOperators(const GenerationParams &params, GenerationState &state,
                     RandomGenerator &random)
{
    static const char operators[] = {'+', '-', '*', '/', '^'};
    for (int k = 0; k < 4; ++k) {
        // A '~' left in a slot whose text no longer asks for it would reach the example text.
        if (!params.slotRandom[k] && state.operators[k] != '~')
            continue;
        state.operatorDraw = int(random.next(params.addSubOnly ? 2 : params.powers ? 5 : 4));
        state.operators[k] = operators[state.operatorDraw];
    }
}

void DrawOperand(int k, const GenerationParams &params, GenerationState &state,
                 RandomGenerator &random)
{
    double &a = state.operands[k];
    if (params.locked[k]) {
        a = params.upper[k];
    } else {
        const bool fromExponent = k > 0 && params.exponentRange;
        const long long first = fromExponent ? 0 : params.lower[k];
        const long long last = fromExponent ? params.exponent : params.upper[k];
        if (redrawPossible(a, first, last, params.filterZero)) {
            // A different admissible value exists, so the loop ends within the generator's
            // period and its draws are the rule's own.
            double x;
            do {
                x = double(first + drawRange(random, last - first + 1));
            } while (x == a || (params.filterZero && x == 0));
            a = x;
        } else if (admissibleCount(first, last, params.filterZero) == 0) {
            // Nothing admissible at all (a broken row, or only 0 with zeros filtered): one draw.
            a = double(first + drawRange(random, last - first + 1));
        }
        // Otherwise the previous value is the only admissible one and stays.
    }
    state.decimalParts[k] = random.next(params.hundredths ? 99 : 9);
}

std::string GenerateCandidate(const GenerationParams &params, GenerationState &state,
                              RandomGenerator &random, char decimalSep)
{
    ++state.candidateCounter;
    ChooseOperators(params, state, random);
    for (int k = 0; k < 5; ++k)
        DrawOperand(k, params, state, random);

    if (params.randomTemplate)
        state.templateIndex =
            int(random.next(std::uint32_t(std::max(params.templateCount, 0)))) + 1;

    if (params.decimals)
        for (int k = 0; k < 5; ++k)
            if (!params.noDecimals[k])
                state.operands[k] = withDecimalPart(state.operands[k], state.decimalParts[k]);

    int e = 0;
    if (params.logicRules) {
        e = drawExponent(random, params.exponent);
        // Without a non-zero exponent (E below 1) the one draw stands, as for a row with nothing
        // admissible; otherwise the redraw ends within the generator's period.
        if (params.filterZero && params.exponent >= 1)
            while (e == 0)
                e = drawExponent(random, params.exponent);
        for (int k = 0; k < 4; ++k) {
            if (state.operators[k] != '^')
                continue;
            state.operands[k + 1] = params.exponentRange
                                        ? double(drawExponent(random, params.exponent))
                                        : double(params.exponent);
        }
    }

    const int index = state.templateIndex;
    if (index == 13 && params.logicRules)
        state.operands[1] = params.exponentRange ? double(e) : double(params.exponent);
    if (index == 14) {
        if (params.logicRules)
            state.operands[0] = std::trunc(state.operands[0]);
        state.operands[0] = state.operands[0] * state.operands[0];
    }

    std::string texts[5];
    for (int k = 0; k < 5; ++k)
        texts[k] = FormatGeneral(state.operands[k], decimalSep);
    return ComposeExample(index, texts, state.operators);
}
