// libFuzzer target for the expression engine and the number texts.
//
// Aborts when an evaluation breaks one of the engine's promises: a code outside 0..9, a value
// other than 0 with an error, an infinity or NaN with code 0, a result that depends on letter
// case, or a general-format text that does not read back to itself.

#include "editexp/evaluator.h"
#include "editexp/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool sameResult(const EvalResult &a, const EvalResult &b)
{
    return a.code == b.code && std::memcmp(&a.value, &b.value, sizeof a.value) == 0;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const EvalResult r = Evaluate(text);
    check(r.code >= 0 && r.code <= 9);
    check(r.code == 0 || r.value == 0);
    check(r.code != 0 || std::isfinite(r.value));

    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    check(sameResult(r, Evaluate(upper)));

    // Subnormal values carry fewer than 15 digits, so only normal ones read back exactly.
    if (r.code == 0 && (r.value == 0 || std::isnormal(r.value))) {
        // What the calculator field shows must evaluate and read back to the same text.
        const std::string shown = FormatGeneral(r.value, '.');
        const EvalResult again = Evaluate(shown);
        check(again.code == 0 && FormatGeneral(again.value, '.') == shown);
        const std::string czech = FormatGeneral(r.value, ',');
        const auto read = ParseLocaleNumber(czech, ',');
        check(read.has_value() && FormatGeneral(*read, ',') == czech);
        const std::string masked = FormatMask(r.value, "0.00", ',');
        check(ParseLocaleNumber(masked, ',').has_value());
    }

    if (const auto typed = ParseLocaleNumber(text, ','))
        check(std::isfinite(*typed));
    return 0;
}
