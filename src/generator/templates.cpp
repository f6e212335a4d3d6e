#include "generator/templates.h"

namespace {
using C = FormulaTemplate::Colour;
const FormulaTemplate templates[TemplateCount] = {
    {"5 + 9 = 14", 2, C::WindowText, 0},
    {"8 * 3 - 2 = 22", 3, C::ActiveCaption, 0},
    {"(8 * 2) + 4 = 20", 3, C::Fixed, 0x800000},
    {"8 + 4 - 6 * 3 = -6", 4, C::Fixed, 0x008000},
    {"(8 : 2 + 4) - 2 = 6", 4, C::Fixed, 0x808000},
    {"(1 * (5 - 2)) + 4 = 7", 4, C::Fixed, 0x000080},
    {"(6 + 2) : (4 - 2) = 4", 4, C::Fixed, 0x800080},
    {"8 * (3 - 2) + 4 = 12", 4, C::Fixed, 0x008080},
    {"(2 + (1 + 9) - 6) + 1 = 7", 5, C::Fixed, 0xFF0000},
    {"(8 * 1) / 2 + (4 + 3) = 11", 5, C::Fixed, 0x00FF00},
    {"((6 / 4) + 9) * (8 - 4) = 42", 5, C::Fixed, 0x0000FF},
    {" ((5 + 10) * 7 / 7) - 8 = 7", 5, C::Fixed, 0xFF00FF},
    {"5 ^ 2 = 25", 2, C::Highlight, 0},
    {"Sqrt 64 = 8", 1, C::Highlight, 0},
};
} // namespace

const FormulaTemplate &TemplateAt(int index)
{
    return templates[index >= 1 && index <= TemplateCount ? index - 1 : 0];
}

std::string ComposeExample(int templateIndex, const std::string (&a)[5], const char (&o)[4])
{
    const std::string o1(1, o[0]), o2(1, o[1]), o3(1, o[2]), o4(1, o[3]);
    switch (templateIndex) {
    case 2:
        return a[0] + o1 + a[1] + o2 + a[2];
    case 3:
        return "(" + a[0] + o1 + a[1] + ")" + o2 + a[2];
    case 4:
        return a[0] + o1 + a[1] + o2 + a[2] + o3 + a[3];
    case 5:
        return "(" + a[0] + o1 + a[1] + o2 + a[2] + ")" + o3 + a[3];
    case 6:
        return "(" + a[0] + o1 + "(" + a[1] + o2 + a[2] + "))" + o3 + a[3];
    case 7:
        return "(" + a[0] + o1 + a[1] + ")" + o2 + "(" + a[2] + o3 + a[3] + ")";
    case 8:
        return a[0] + o1 + "(" + a[1] + o2 + a[2] + ")" + o3 + a[3];
    case 9:
        return "(" + a[0] + o1 + "(" + a[1] + o2 + a[2] + ")" + o3 + a[3] + ")" + o4 + a[4];
    case 10:
        return "(" + a[0] + o1 + a[1] + ")" + o2 + a[2] + o3 + "(" + a[3] + o4 + a[4] + ")";
    case 11:
        return "((" + a[0] + o1 + a[1] + ")" + o2 + a[2] + ")" + o3 + "(" + a[3] + o4 + a[4] + ")";
    case 12:
        return "((" + a[0] + o1 + a[1] + ")" + o2 + a[2] + o3 + a[3] + ")" + o4 + a[4];
    case 13:
        return a[0] + "^" + a[1];
    case 14:
        return "Sqrt " + a[0];
    default:
        return a[0] + o1 + a[1];
    }
}
