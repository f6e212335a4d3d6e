#pragma once

#include <cstdint>
#include <string>

// The fourteen formula templates: the caption of their button, how many operands they use and the
// colour their examples take when coloured syntax is on. Index 0 (no template chosen) composes as
// template 1.
struct FormulaTemplate
{
    enum class Colour { WindowText, ActiveCaption, Highlight, Fixed };
    const char *caption;
    int operands;
    Colour colour;
    std::uint32_t rgb; // for Colour::Fixed, 0xRRGGBB
};

constexpr int TemplateCount = 14;

// Templates 1..14; 0 and indices outside give template 1.
const FormulaTemplate &TemplateAt(int index);

// The example text of a template: operand texts and operator characters joined without blanks.
// Template 13 writes "^" itself and template 14 "Sqrt " before operand 1.
std::string ComposeExample(int templateIndex, const std::string (&operands)[5],
                           const char (&ops)[4]);
