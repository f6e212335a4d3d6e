#pragma once

// The printed worksheet: what each worksheet line prints as, and where every text and every
// writing line goes on the pages of the sheet and of its answer key. A plain function of the
// lines, the page and the font metrics, so the painter only draws what the plan says and the
// layout is tested without a printer. Units are whatever the page and the metrics use (points
// or device pixels), as long as both use the same.

#include "worksheet/trailer.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// ---- What prints ---------------------------------------------------------------------------

enum class PrintVerdict {
    None,     // the key shows no answer for this line
    Right,    // the answer equals the two-decimal result
    Wrong,    // it does not, or it is not a number at all
    Unsolved, // nothing written after the "="
};

struct PrintLine
{
    bool example = false; // a line with "="; every other line prints as text in place
    bool trailer = false; // one of a computed worksheet's trailer lines
    int number = 0;       // examples are numbered from 1, in order; 0 for text
    QString text;         // a text line as it stands, or the example's expression trimmed
    QString result;       // the correct result as the computation writes it
    QString answer;       // the pupil's answer, trimmed, as written
    PrintVerdict verdict = PrintVerdict::None;
};

struct PrintedWorksheet
{
    QList<PrintLine> lines;
    int examples = 0;
    bool answers = false;                 // the key shows the pupil's answers and verdicts
    std::optional<TrailerLabels> trailer; // the counts of a computed worksheet
};

// Reads a worksheet for printing. Results are recomputed from each expression with the mask
// "0.00", or in full with fullPrecision, as the computation writes them. The key shows answers
// when a line holds one or the worksheet was computed; an answer that is not a number is kept as
// written and judged wrong.
PrintedWorksheet ReadPrintedWorksheet(const QStringList &items, char sep, bool fullPrecision);

// "správně", "chyba", "nevyřešeno"; empty for None.
QString VerdictText(PrintVerdict verdict);

// The sheet's title: the worksheet file's name without folders and extension when a file is
// set, else the name box's text.
QString PrintedSheetName(const QString &worksheetFile, const QString &nameBoxText);

// "strana 2 / 5"; the key's pages "klíč – strana 1 / 2", so the two parts never mix up.
QString PageFooter(bool key, int page, int pages);

// ---- Fonts and measures --------------------------------------------------------------------

enum class PrintFont { Title, Header, Text, Example, Key, Footer };

// Sizes in points: the examples at 13 pt, large enough to read and to answer by hand.
double PrintFontPoints(PrintFont font);
bool PrintFontBold(PrintFont font);

struct PrintMetrics
{
    std::function<double(PrintFont font, const QString &text)> width; // advance width
    std::function<double(PrintFont font)> lineHeight;
};

struct SheetPage
{
    double width = 0;
    double height = 0;
    double left = 0, top = 0, right = 0, bottom = 0; // margins
};

struct PrintOptions
{
    QString name; // the sheet's title; none when empty
    char sep = ',';
    bool fullPrecision = false; // the key's results in full, as with "Formát zobrazení výsledků"
    bool withKey = true;
};

// ---- The plan ------------------------------------------------------------------------------

enum class PrintTone { Plain, Right, Wrong, Muted };

struct PlanText
{
    PrintFont font = PrintFont::Text;
    QPointF at; // top left of the text's line box
    QString text;
    PrintTone tone = PrintTone::Plain;
    int example = 0; // the number of the example this text belongs to; 0 for none
};

// A line to write on: the blank after an example's "=" and the header's fields.
struct PlanRule
{
    QLineF line;
    int example = 0;
};

struct PlanPage
{
    bool key = false;
    int number = 0; // from 1 within its part
    QList<PlanText> texts;
    QList<PlanRule> rules;
    QList<int> examples; // the numbers of the examples on this page, in order
};

struct PagePlan
{
    QList<PlanPage> pages; // the sheet's pages, then the key's
    int sheetPages = 0;
    int keyPages = 0;
    int sheetColumns = 0;
    int keyColumns = 0;
    int rowsPerPage = 0; // example rows on a sheet page below its first
    int examples = 0;
};

// Lays out the sheet and, with options.withKey and at least one example, the key, which starts
// on a page of its own.
//
// The sheet: page 1 opens with the title (when named), the fields "Jméno:", "Třída:" and
// "Datum:" with a line each, and a gap. Examples run row by row in 3, 2 or 1 columns, the most
// in which the widest example fits: its number, the expression right-aligned against the "=",
// and a writing line as wide as the widest expression (at least seven digits). A row takes twice
// the example font's line height. Text lines (titles, the trailer) span the page in place and
// end the row; a text line followed by an example moves to the next page with it. Rows never
// split across pages; every page ends with its footer. The key lists each example with its
// number, "=", the result and, where the worksheet holds answers, the pupil's answer with its
// verdict; its first page carries the key's title, the sheet's name and the trailer's counts.
// Anything wider than a one-column row wraps, so nothing is ever cut off.
PagePlan PlanPages(const QStringList &items, const SheetPage &page, const PrintMetrics &metrics,
                   const PrintOptions &options);

// Several sheets in one print (a variant for every pupil): each sheet's pages follow the one
// before, starting on a page of its own, with its key after it, or with every key after the last
// sheet when keysAtEnd. Page numbers stay those of each sheet and key.
PagePlan CombinePlans(const QList<PagePlan> &plans, bool keysAtEnd);

// Breaks a text into pieces no wider than the width, after the last blank that fits where there
// is one, else after the last character that fits (always at least one character).
QStringList WrapToWidth(const QString &text, double width,
                        const std::function<double(const QString &)> &measure);
