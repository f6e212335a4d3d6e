#include "editexp/evaluator.h"

#include "editexp/numbertext.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

namespace {

// The recursive levels keep small frames when the bulky leaf work stays out of line.
#if defined(_MSC_VER)
#define NUMLET_COLD __declspec(noinline)
#else
#define NUMLET_COLD __attribute__((noinline))
#endif

// Intermediate results of the functions and powers are carried in the widest type that the
// compiler offers beyond double. Where long double is double (MSVC, or -mlong-double-64) the
// plain double functions are called: on x86-64 the C library's long double functions expect the
// 80-bit format whatever the compiler was told.
using Extended = std::conditional_t<(LDBL_MANT_DIG > DBL_MANT_DIG), long double, double>;

constexpr char EndMarker = '\r';
constexpr double Limit = 1E37;

enum CharClass : std::uint8_t {
    Illegal = 0,
    Digit = 1,
    Letter = 2,
    Operator = 4,
    Open = 8,
    Close = 16,
    OtherLegal = 32,
};

struct CharTables
{
    std::array<char, 256> upper{};
    std::array<std::uint8_t, 256> cls{};
};

constexpr CharTables makeTables()
{
    CharTables t;
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        t.upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    for (char c = '0'; c <= '9'; ++c)
        t.cls[static_cast<unsigned char>(c)] = Digit;
    for (char c = 'A'; c <= 'Z'; ++c) {
        t.cls[static_cast<unsigned char>(c)] = Letter;
        t.cls[static_cast<unsigned char>(c - 'A' + 'a')] = Letter;
    }
    for (char c : {'+', '-', '*', '/', '^'})
        t.cls[static_cast<unsigned char>(c)] = Operator;
    for (char c : {'(', '[', '{'})
        t.cls[static_cast<unsigned char>(c)] = Open;
    for (char c : {')', ']', '}'})
        t.cls[static_cast<unsigned char>(c)] = Close;
    for (char c : {' ', '!', '.', EndMarker})
        t.cls[static_cast<unsigned char>(c)] = OtherLegal;
    return t;
}

constexpr CharTables Tables = makeTables();

inline std::uint8_t classOf(char c)
{
    return Tables.cls[static_cast<unsigned char>(c)];
}

// Failure flags; they outrank the error code when the result is reported.
enum Flag : unsigned {
    Undefined = 1,
    TooLarge = 2,
    Complex = 4,
    DivByZero = 8,
};

// Function names in the order they are tried: a longer name precedes its own prefix.
enum Func {
    FPi,
    FAbs,
    FSqrt,
    FSqr,
    FLng,
    FLog,
    FExp,
    FFact,
    FSinh,
    FCosh,
    FTanh,
    FSech,
    FCsch,
    FCoth,
    FSin,
    FCos,
    FTan,
    FSec,
    FCsc,
    FCot,
    FAsin,
    FAcos,
    FAtan,
    FuncCount
};

constexpr std::array<std::string_view, FuncCount> FuncNames = {
    "PI",   "ABS",  "SQRT", "SQR", "LNG", "LOG", "EXP", "FACT", "SINH", "COSH", "TANH", "SECH",
    "CSCH", "COTH", "SIN",  "COS", "TAN", "SEC", "CSC", "COT",  "ASIN", "ACOS", "ATAN"};

constexpr Extended PiL = std::numbers::pi_v<Extended>;

// A product whose rounding error fma can give exactly: finite and well above the subnormals.
bool ExactProduct(double a, double b, double p)
{
    return std::isfinite(p) && std::fabs(p) >= 0x1p-969 && std::fma(a, b, -p) == 0;
}

// x^n by repeated squaring while every product is exact, that is when x^n is itself a double;
// nothing once a product is not.
std::optional<double> ExactPower(double x, std::uint64_t n)
{
    double result = 1;
    for (double base = x;;) {
        if (n & 1) {
            const double p = result * base;
            if (!ExactProduct(result, base, p))
                return std::nullopt;
            result = p;
        }
        n >>= 1;
        if (n == 0)
            return result;
        const double square = base * base;
        if (!ExactProduct(base, base, square))
            return std::nullopt;
        base = square;
    }
}

// A double-double: hi + lo with |lo| at most half an ulp of hi.
struct DoubleDouble
{
    double hi, lo;
};

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b)
{
    const double p = a.hi * b.hi;
    double e = std::fma(a.hi, b.hi, -p);
    e += a.hi * b.lo + a.lo * b.hi;
    const double hi = p + e;
    return {hi, e - (hi - p)};
}

// x^n or x^-n carried in about 106 bits, and only then rounded to double.
double PrecisePower(double x, std::uint64_t n, bool reciprocal)
{
    DoubleDouble result{1, 0};
    for (DoubleDouble base{x, 0};;) {
        if (n & 1)
            result = Multiply(result, base);
        n >>= 1;
        if (n == 0)
            break;
        base = Multiply(base, base);
    }
    if (!reciprocal)
        return result.hi;
    const double q = 1 / result.hi;
    const double rest = std::fma(-q, result.hi, 1.0) - q * result.lo; // 1 - q * result
    return q + rest / result.hi;
}

constexpr bool ExtendedIsDouble = std::is_same_v<Extended, double>;

// |x|^y for a whole y; ly is y times the logarithm of |x|. Through logarithms in double a whole
// power misses by an ulp or so (3^2 gives 9.0000000000000018), so where long double is no wider
// than double every whole power is carried in double-double. A wider long double already rounds
// the powers that are themselves doubles exactly for |ly| up to 85, and only those are taken
// here, so no result moves there.
std::optional<double> WholePower(double ax, double y, Extended ly)
{
    if (y != std::trunc(y) || std::fabs(y) > 0x1p53)
        return std::nullopt;
    if (!ExtendedIsDouble && std::fabs(ly) > 85)
        return std::nullopt;
    const std::uint64_t n = static_cast<std::uint64_t>(std::fabs(y));
    if (const std::optional<double> p = ExactPower(ax, n)) {
        if (y >= 0)
            return p;
        const double r = 1 / *p;
        if (ExactProduct(r, *p, 1.0))
            return r;
    }
    // Within these bounds no intermediate power leaves the range of a double.
    if (ExtendedIsDouble && std::fabs(ly) <= 700)
        return PrecisePower(ax, n, y < 0);
    return std::nullopt;
}

class Parser
{
public:
    explicit Parser(std::string_view text) : s(text.data()), n(text.size()) {}

    EvalResult run()
    {
        next();
        double v = expression();
        if (ok() && ch != EndMarker)
            code = 2;
        if (flags & Undefined)
            code = 6;
        if (flags & TooLarge)
            code = 7;
        if (flags & Complex)
            code = 8;
        if (flags & DivByZero)
            code = 9;
        // Every path below guards against leaving a double's range; this only backs them up.
        if (code == 0 && !std::isfinite(v))
            code = 7;
        if (code != 0)
            v = 0;
        return {v + 0.0, code}; // + 0.0 turns -0 into 0
    }

private:
    const char *s;
    std::size_t n;
    std::size_t pos = static_cast<std::size_t>(-1); // index of ch; n and beyond: the end marker
    char ch = EndMarker;
    int code = 0;
    unsigned flags = 0;
    int depth = 0;

    bool ok() const { return (code | static_cast<int>(flags)) == 0; }

    char at(std::size_t i) const
    {
        return i < n ? Tables.upper[static_cast<unsigned char>(s[i])] : EndMarker;
    }

    void next()
    {
        do {
            ++pos;
            ch = at(pos);
            if (classOf(ch) == Illegal)
                code = 1;
        } while (ch == ' ');
    }

    double fail(Flag f)
    {
        flags |= f;
        return 0;
    }

    // Range checks, made before each operation.
    double add(double a, double b)
    {
        if (b > 0 ? a > Limit - b : a < -Limit - b)
            return fail(TooLarge);
        return a + b;
    }

    double sub(double a, double b)
    {
        if (b >= 0 ? a < -Limit + b : a > Limit + b)
            return fail(TooLarge);
        return a - b;
    }

    double mul(double a, double b)
    {
        if (std::fabs(a) > 1 && std::fabs(b) > Limit / std::fabs(a))
            return fail(TooLarge);
        return a * b;
    }

    // Quotient with the divisor already known not to be 0; plain division stays in double,
    // the hyperbolic functions divide their extended parts.
    template <typename T> double quot(T a, T b)
    {
        if (std::fabs(a) > 1 && std::fabs(1 / b) > Limit / std::fabs(a))
            return fail(TooLarge);
        return stored(a / b);
    }

    double div(double a, double b)
    {
        if (b == 0)
            return fail(DivByZero);
        return quot<double>(a, b);
    }

    // A result rounded to double; a tiny divisor can still push it out of range.
    double stored(Extended v)
    {
        const double d = static_cast<double>(v);
        if (!std::isfinite(d))
            return fail(TooLarge);
        return d;
    }

    NUMLET_COLD double power(double x, double y)
    {
        if (x == 0 || (x < 0 && y != std::trunc(y)))
            return fail(Complex);
        const Extended l = std::log(std::fabs(static_cast<Extended>(x)));
        if (std::fabs(l) > 1 && std::fabs(y) > Limit / std::fabs(l))
            return fail(TooLarge);
        const Extended ly = l * y;
        if (ly > 85)
            return fail(TooLarge);
        double v;
        if (const std::optional<double> whole = WholePower(std::fabs(x), y, ly))
            v = *whole;
        else
            v = static_cast<double>(std::exp(ly));
        if (x < 0 && std::fmod(std::trunc(std::fabs(y)), 2.0) == 1.0)
            v = -v;
        return v;
    }

    NUMLET_COLD double factorial(double x)
    {
        if (x < 0 || x != std::trunc(x))
            return fail(Undefined);
        if (x >= 33)
            return fail(TooLarge);
        double v = 1;
        for (int i = 2; i <= static_cast<int>(x); ++i)
            v *= i;
        return v;
    }

    Extended sinhPart(Extended x)
    {
        if (std::fabs(x) > 85)
            return fail(TooLarge);
        return (std::exp(x) - std::exp(-x)) / 2;
    }

    Extended coshPart(Extended x)
    {
        if (std::fabs(x) > 85)
            return fail(TooLarge);
        return (std::exp(x) + std::exp(-x)) / 2;
    }

    double hyperQuotient(Extended a, Extended b)
    {
        if (b == 0)
            return fail(DivByZero);
        return quot<Extended>(a, b);
    }

    double trigQuotient(Extended a, Extended b)
    {
        if (b == 0)
            return fail(DivByZero);
        return stored(a / b);
    }

    NUMLET_COLD double apply(int f, double xd)
    {
        const Extended x = xd;
        switch (f) {
        case FAbs:
            return std::fabs(xd);
        case FSqrt:
            return xd < 0 ? fail(Complex) : std::sqrt(xd);
        case FSqr:
            return std::fabs(xd) >= 1E19 ? fail(TooLarge) : xd * xd;
        case FLng:
        case FLog:
            if (xd < 0)
                return fail(Complex);
            if (xd == 0)
                return fail(TooLarge);
            if (f == FLng)
                return stored(std::log(x));
            // In double the quotient of the logarithms misses 3 for 1000; log10 does not.
            if constexpr (ExtendedIsDouble)
                return stored(std::log10(x));
            return stored(std::log(x) / std::log(Extended(10)));
        case FExp:
            if (std::fabs(xd) < 85)
                return stored(std::exp(x));
            return xd < 0 ? 0 : fail(TooLarge);
        case FFact:
            return factorial(xd);
        case FSinh:
            return stored(sinhPart(x));
        case FCosh:
            return stored(coshPart(x));
        case FTanh:
            return hyperQuotient(sinhPart(x), coshPart(x));
        case FSech:
            return hyperQuotient(1, coshPart(x));
        case FCsch:
            return hyperQuotient(1, sinhPart(x));
        case FCoth:
            return hyperQuotient(coshPart(x), sinhPart(x));
        case FSin:
            return stored(std::sin(x));
        case FCos:
            return stored(std::cos(x));
        case FTan:
            return trigQuotient(std::sin(x), std::cos(x));
        case FSec:
            return trigQuotient(1, std::cos(x));
        case FCsc:
            return trigQuotient(1, std::sin(x));
        case FCot:
            return trigQuotient(std::cos(x), std::sin(x));
        case FAsin:
            if (std::fabs(x) < 1)
                return stored(std::atan(x / std::sqrt(1 - x * x)));
            if (std::fabs(x) == 1)
                return stored(x > 0 ? PiL / 2 : -PiL / 2);
            return fail(Complex);
        case FAcos:
            if (x == 0)
                return stored(PiL / 2);
            if (std::fabs(x) < 1)
                return stored(std::atan(std::sqrt(1 - x * x) / x) + (x < 0 ? PiL : 0));
            if (x == 1)
                return 0;
            if (x == -1)
                return stored(PiL);
            return fail(Complex);
        case FAtan:
            return stored(std::atan(x));
        }
        return 0;
    }

    // The levels of the grammar. Each yields 0 without reading once there is an error; `arg` is
    // the function-argument flag of the enclosing expression level.

    double expression()
    {
        if (!ok())
            return 0;
        bool arg = false;
        const char sign = ch;
        if (sign == '+' || sign == '-')
            next();
        double v = term(arg);
        if (sign == '-')
            v = -v;
        while (ok() && (ch == '+' || ch == '-')) {
            const char op = ch;
            next();
            const double b = term(arg);
            v = op == '+' ? add(v, b) : sub(v, b);
        }
        return v;
    }

    double term(bool &arg)
    {
        if (!ok())
            return 0;
        double v = powerLevel(arg);
        while (ok()) {
            const std::uint8_t c = classOf(ch);
            if ((c & (Digit | Letter | Open)) || ch == '.') {
                v = mul(v, powerLevel(arg)); // implicit multiplication
            } else if (ch == '*') {
                next();
                v = mul(v, powerLevel(arg));
            } else if (ch == '/') {
                next();
                v = div(v, powerLevel(arg));
            } else {
                break;
            }
        }
        return v;
    }

    double powerLevel(bool &arg)
    {
        if (!ok())
            return 0;
        double v = signedFactor(arg);
        while (ok() && ch == '^') {
            next();
            v = power(v, signedFactor(arg));
        }
        return v;
    }

    double signedFactor(bool &arg)
    {
        if (!ok())
            return 0;
        if (ch == '-') {
            next();
            return -factor(arg, false);
        }
        return factor(arg, false);
    }

    // A bracket that is itself a function's argument shares the function's nesting level, so
    // SQRT(...) counts once.
    double factor(bool &arg, bool functionArgument)
    {
        if (!ok())
            return 0;
        double v;
        const std::uint8_t c = classOf(ch);
        if ((c & Digit) || ch == '.') {
            v = number();
        } else if (c & Open) {
            next();
            if (functionArgument) {
                v = expression();
            } else if (depth < EvalMaxNesting) {
                ++depth;
                v = expression();
                --depth;
            } else {
                code = 2;
                v = 0;
            }
            if (!ok() || !(classOf(ch) & Close))
                code = 3;
            else
                next();
        } else {
            v = function(arg);
        }
        if (ok() && !arg && ch == '!') {
            v = factorial(v);
            next();
        }
        return v;
    }

    double function(bool &arg)
    {
        int f = 0;
        std::size_t len = 0;
        for (; f < FuncCount; ++f) {
            const std::string_view name = FuncNames[f];
            len = name.size();
            std::size_t i = 0;
            while (i < len && at(pos + i) == name[i])
                ++i;
            if (i == len)
                break;
        }
        if (f == FuncCount) {
            if (ok())
                code = (classOf(ch) & Letter) ? 5 : 2;
            return 0;
        }
        pos += len - 1;
        next();
        if (f == FPi)
            return std::numbers::pi;
        arg = true;
        double x = 0;
        if (depth < EvalMaxNesting) {
            ++depth;
            x = factor(arg, true);
            --depth;
        } else {
            code = 2;
        }
        double v = apply(f, x);
        arg = false;
        if (ch == '!') {
            v = factorial(v);
            next();
        }
        return v;
    }

    NUMLET_COLD double number()
    {
        const std::size_t start = pos;
        while (classOf(ch) & Digit)
            next();
        if (ch == '.') {
            next();
            while (classOf(ch) & Digit)
                next();
        }
        if (ch == 'E') {
            next();
            if (ch == 'X') {
                --pos; // leave the "E" to a following EXP
            } else if ((classOf(ch) & Digit) || ch == '+' || ch == '-') {
                next();
                while (classOf(ch) & Digit)
                    next();
            } else {
                code = 4;
            }
        }
        std::size_t end = pos < n ? pos : n;
        while (end > start && s[end - 1] == ' ')
            --end;
        const char *first = s + start;
        const char *last = s + end;
        if (std::char_traits<char>::find(first, end - start, ' ') == nullptr)
            return convert(first, last);
        // Spaces inside a number are ignored: "12 345" is 12345.
        std::string packed;
        for (const char *p = first; p != last; ++p) {
            if (*p != ' ')
                packed += *p;
        }
        return convert(packed.data(), packed.data() + packed.size());
    }

    double convert(const char *first, const char *last)
    {
        // No digits before the point: "." alone reads as 0, and so does ".E5".
        if (first != last && *first == '.' && (last - first == 1 || !(classOf(first[1]) & Digit))) {
            std::string withDigit = "0";
            withDigit.append(first + 1, last);
            double unused = 0;
            const auto res =
                std::from_chars(withDigit.data(), withDigit.data() + withDigit.size(), unused);
            if (res.ptr != withDigit.data() + withDigit.size())
                code = 4;
            return 0;
        }
        double v = 0;
        const auto res = std::from_chars(first, last, v);
        if (res.ptr != last ||
            (res.ec != std::errc() && res.ec != std::errc::result_out_of_range)) {
            code = 4;
            return 0;
        }
        if (res.ec == std::errc::result_out_of_range) {
            if (DecimalOverflows(std::string_view(first, static_cast<std::size_t>(last - first))))
                return fail(TooLarge);
            return 0; // underflow reads as 0
        }
        return v;
    }
};

} // namespace

EvalResult Evaluate(std::string_view text)
{
    return Parser(text).run();
}

const char *EvalErrorText(int code)
{
    static const char *const texts[] = {
        " No error ",
        " Illegal character",
        " Incorrect syntax",
        " Illegal or missing parenthese",
        " Incorrect real format",
        " Illegal function",
        " Result is undefined",
        " Result is too large",
        " Result is complex",
        " Division by zero",
    };
    if (code < 0 || code > 9)
        return "";
    return texts[code];
}
