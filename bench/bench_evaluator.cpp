// One-shot evaluation of generator-shaped examples: Evaluate against muparser (parse and evaluate
// each text once) and against a bare pass that only converts each text's numbers, the floor for
// any evaluator. Prints nanoseconds per text and the ratios.

#include "editexp/evaluator.h"
#include "editexp/numbertext.h"

#ifdef NUMLET_HAVE_MUPARSER
#include <muParser.h>
#endif

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int CorpusSize = 14000;
constexpr int Rounds = 7;

// The program's own generator, so the corpus is the same on every run.
class Lcg
{
public:
    std::uint32_t operator()(std::uint32_t n)
    {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    }

private:
    std::uint32_t seed = 20240611u;
};

struct Example
{
    std::string text;   // as the engine gets it
    std::string mutext; // the same arithmetic in muparser's grammar
};

// An operand as the generator writes it: whole or with one or two decimals, possibly negative.
std::string operand(Lcg &rnd)
{
    double v = static_cast<double>(static_cast<int>(rnd(201)) - 50);
    switch (rnd(3)) {
    case 1:
        v += (v < 0 ? -1 : 1) * static_cast<double>(rnd(9)) / 10;
        break;
    case 2:
        v += (v < 0 ? -1 : 1) * static_cast<double>(rnd(99)) / 100;
        break;
    default:
        break;
    }
    return FormatGeneral(v, '.');
}

char op(Lcg &rnd)
{
    static const char ops[] = {'+', '-', '*', '/', '^'};
    return ops[rnd(10) == 0 ? 4 : rnd(4)];
}

// The operand after "^" is a small whole exponent, as the exponent rules make it.
std::string after(char o, Lcg &rnd)
{
    return o == '^' ? std::to_string(rnd(4)) : operand(rnd);
}

Example compose(int templ, Lcg &rnd)
{
    const char o1 = op(rnd), o2 = op(rnd), o3 = op(rnd), o4 = op(rnd);
    const std::string a1 = operand(rnd);
    const std::string a2 = after(o1, rnd), a3 = after(o2, rnd), a4 = after(o3, rnd),
                      a5 = after(o4, rnd);
    std::string t;
    switch (templ) {
    case 1:
        t = a1 + o1 + a2;
        break;
    case 2:
        t = a1 + o1 + a2 + o2 + a3;
        break;
    case 3:
        t = "(" + a1 + o1 + a2 + ")" + o2 + a3;
        break;
    case 4:
        t = a1 + o1 + a2 + o2 + a3 + o3 + a4;
        break;
    case 5:
        t = "(" + a1 + o1 + a2 + o2 + a3 + ")" + o3 + a4;
        break;
    case 6:
        t = "(" + a1 + o1 + "(" + a2 + o2 + a3 + "))" + o3 + a4;
        break;
    case 7:
        t = "(" + a1 + o1 + a2 + ")" + o2 + "(" + a3 + o3 + a4 + ")";
        break;
    case 8:
        t = a1 + o1 + "(" + a2 + o2 + a3 + ")" + o3 + a4;
        break;
    case 9:
        t = "(" + a1 + o1 + "(" + a2 + o2 + a3 + ")" + o3 + a4 + ")" + o4 + a5;
        break;
    case 10:
        t = "(" + a1 + o1 + a2 + ")" + o2 + a3 + o3 + "(" + a4 + o4 + a5 + ")";
        break;
    case 11:
        t = "((" + a1 + o1 + a2 + ")" + o2 + a3 + ")" + o3 + "(" + a4 + o4 + a5 + ")";
        break;
    case 12:
        t = "((" + a1 + o1 + a2 + ")" + o2 + a3 + o3 + a4 + ")" + o4 + a5;
        break;
    case 13:
        t = a1 + "^" + std::to_string(rnd(4));
        break;
    default: {
        const double root = std::trunc(static_cast<double>(static_cast<int>(rnd(201)) - 50));
        const std::string square = FormatGeneral(root * root, '.');
        return {"Sqrt " + square, "sqrt(" + square + ")"};
    }
    }
    return {t, t};
}

double bareNumbers(const std::string &text)
{
    double sum = 0;
    const char *p = text.data();
    const char *end = p + text.size();
    while (p != end) {
        if ((*p >= '0' && *p <= '9') || *p == '.') {
            double v = 0;
            p = std::from_chars(p, end, v).ptr;
            sum += v;
        } else {
            ++p;
        }
    }
    return sum;
}

// Best time of several rounds over the whole corpus, in nanoseconds per text.
template <typename F>
double nsPerText(const std::vector<Example> &corpus, double &checksum, F &&one)
{
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        double sum = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const Example &e : corpus)
            sum += one(e);
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(stop - start).count());
        checksum = sum;
    }
    return best / static_cast<double>(corpus.size());
}

} // namespace

int main()
{
    Lcg rnd;
    std::vector<Example> corpus;
    corpus.reserve(CorpusSize);
    for (int i = 0; i < CorpusSize; ++i)
        corpus.push_back(compose(i % 14 + 1, rnd));

    int failed = 0;
    for (const Example &e : corpus)
        failed += Evaluate(e.text).code != 0;

    double engineSum = 0;
    const double engine = nsPerText(corpus, engineSum, [](const Example &e) {
        const EvalResult r = Evaluate(e.text);
        return r.value + r.code;
    });
    double bareSum = 0;
    const double bare =
        nsPerText(corpus, bareSum, [](const Example &e) { return bareNumbers(e.text); });

    std::printf("corpus: %zu texts in 14 shapes, %d of them with an error code; sample text: %s\n",
                corpus.size(), failed, corpus[13].text.c_str());
    std::printf("Evaluate:    %8.1f ns/text  (checksum %g)\n", engine, engineSum);
    std::printf("bare pass:   %8.1f ns/text  (checksum %g)\n", bare, bareSum);
    std::printf("Evaluate / bare pass: %.2f (goal: at most 3)\n", engine / bare);

#ifdef NUMLET_HAVE_MUPARSER
    mu::Parser parser;
    int disagree = 0;
    for (const Example &e : corpus) {
        const EvalResult r = Evaluate(e.text);
        if (r.code != 0)
            continue;
        try {
            parser.SetExpr(e.mutext);
            const double m = parser.Eval();
            if (!(std::fabs(m - r.value) <= 1e-9 * std::max(1.0, std::fabs(r.value))))
                ++disagree;
        } catch (const mu::Parser::exception_type &) {
            ++disagree;
        }
    }
    double muSum = 0;
    const double mu = nsPerText(corpus, muSum, [&parser](const Example &e) {
        try {
            parser.SetExpr(e.mutext);
            const double m = parser.Eval();
            return std::isfinite(m) ? m : 0.0; // muparser gives inf for a division by 0
        } catch (const mu::Parser::exception_type &) {
            return 0.0;
        }
    });
    std::printf("muparser:    %8.1f ns/text  (checksum %g; differs from Evaluate on %d texts)\n",
                mu, muSum, disagree);
    std::printf("muparser / Evaluate: %.1f (goal: at least 20)\n", mu / engine);
#else
    std::printf("muparser not found at build time: its comparison is skipped\n");
#endif
    return 0;
}
