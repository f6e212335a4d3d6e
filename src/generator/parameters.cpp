#include "generator/parameters.h"

#include "generator/acceptance.h"

#include <QtGlobal> // QT_TRANSLATE_NOOP: the window translates the hints

#include <string_view>

UpperChangeLimits LimitsAfterUpperChange(const RowValues &upper)
{
    UpperChangeLimits limits{};
    for (int k = 0; k < OperandRows; ++k) {
        limits.lowerMax[k] = upper[k] - 1;
        limits.upperMax[k] = k < 2 ? 10000 : 5000;
    }
    return limits;
}

RowValues UpperMinimaAfterLowerChange(const RowValues &lower)
{
    RowValues minima{};
    for (int k = 0; k < OperandRows; ++k)
        minima[k] = lower[k] + 1;
    return minima;
}

std::optional<char> SlotOperator(std::string_view text)
{
    if (text.size() == 1 && std::string_view("+-*/^").find(text[0]) != std::string_view::npos)
        return text[0];
    return std::nullopt;
}

const char *SlotListName(bool addSubOnly, bool powers)
{
    return addSubOnly ? "Ly" : powers ? "Lz" : "Lx";
}

int TemplateCountForPowers(bool powers)
{
    return powers ? 14 : 11;
}

std::optional<FilterLook> FilterLookOf(std::string_view relation)
{
    switch (FilterActionFromText(relation)) {
    case FilterAction::RemoveEqual:
        return FilterLook{
            false, 0x0080C0,
            QT_TRANSLATE_NOOP("Parameters", "Odfiltruje zvolenou hodnotu z výsledku")};
    case FilterAction::RemoveBelow:
        return FilterLook{
            true, 0, QT_TRANSLATE_NOOP("Parameters", "Všechny hodnoty budou větší než zvolená")};
    case FilterAction::RemoveAbove:
        return FilterLook{
            true, 0, QT_TRANSLATE_NOOP("Parameters", "Všechny hodnoty budou menší než zvolená")};
    case FilterAction::RemoveDifferent:
        return FilterLook{
            false, 0xFF0000,
            QT_TRANSLATE_NOOP("Parameters", "Odfiltruje rozdílné hodnoty,než zvolená")};
    case FilterAction::None:
        break;
    }
    return std::nullopt;
}
