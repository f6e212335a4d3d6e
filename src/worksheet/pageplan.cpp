#include "worksheet/pageplan.h"

#include "textfile/textfile.h"
#include "worksheet/worksheet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {
// The printed sheet speaks the language of the window that prints it.
struct T
{
    Q_DECLARE_TR_FUNCTIONS(PrintedSheet)
};
} // namespace

// ---- What prints ---------------------------------------------------------------------------

PrintedWorksheet ReadPrintedWorksheet(const QStringList &items, char sep, bool fullPrecision)
{
    PrintedWorksheet sheet;
    const QStringList lines = FileLines(items);
    sheet.trailer = ReadTrailer(items);
    const qsizetype trailerStart =
        sheet.trailer ? std::max<qsizetype>(0, lines.size() - 6) : lines.size();
    sheet.answers = IsWorksheetComputed(items);
    sheet.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const LineParts parts = SplitLine(line, sep);
        PrintLine p;
        if (!parts.hasEquals) {
            p.text = line;
            p.trailer = i >= trailerStart;
            sheet.lines.append(p);
            continue;
        }
        p.example = true;
        p.number = ++sheet.examples;
        p.text = parts.expression.trimmed();
        p.answer = parts.answer;
        const LineResult r = ComputeLine(line, sep, fullPrecision);
        switch (r.state) {
        case LineState::Correct:
            p.verdict = PrintVerdict::Right;
            break;
        case LineState::Unsolved:
            p.verdict = PrintVerdict::Unsolved;
            break;
        case LineState::Wrong:
            p.verdict = PrintVerdict::Wrong;
            break;
        case LineState::NotANumber:
        case LineState::NoEquals:
            p.verdict = PrintVerdict::Wrong;
            break;
        }
        // A line whose answer is not a number has no result of its own; its expression still has.
        p.result =
            r.state == LineState::NotANumber
                ? ComputeLine(parts.expression + QLatin1Char('='), sep, fullPrecision).resultText
                : r.resultText;
        sheet.answers = sheet.answers || !p.answer.isEmpty();
        sheet.lines.append(p);
    }
    if (!sheet.answers)
        for (PrintLine &p : sheet.lines)
            p.verdict = PrintVerdict::None;
    return sheet;
}

QString VerdictText(PrintVerdict verdict)
{
    switch (verdict) {
    case PrintVerdict::Right:
        return T::tr("správně");
    case PrintVerdict::Wrong:
        return T::tr("chyba");
    case PrintVerdict::Unsolved:
        return T::tr("nevyřešeno");
    case PrintVerdict::None:
        break;
    }
    return {};
}

QString PrintedSheetName(const QString &worksheetFile, const QString &nameBoxText)
{
    if (worksheetFile.isEmpty())
        return nameBoxText.trimmed();
    // Windows paths name folders with "\" on every system the sheet may come from.
    QString file = worksheetFile;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(file).completeBaseName();
}

QString PageFooter(bool key, int page, int pages)
{
    const QString footer = T::tr("strana %1 / %2").arg(page).arg(pages);
    return key ? T::tr("klíč – ") + footer : footer;
}

double PrintFontPoints(PrintFont font)
{
    switch (font) {
    case PrintFont::Title:
        return 16;
    case PrintFont::Header:
    case PrintFont::Text:
    case PrintFont::Key:
        return 12;
    case PrintFont::Example:
        return 13;
    case PrintFont::Footer:
        return 9;
    }
    return 12;
}

bool PrintFontBold(PrintFont font)
{
    return font == PrintFont::Title;
}

QStringList WrapToWidth(const QString &text, double width,
                        const std::function<double(const QString &)> &measure)
{
    if (text.isEmpty() || measure(text) <= width)
        return {text};
    QStringList pieces;
    QString rest = text;
    while (!rest.isEmpty()) {
        if (measure(rest) <= width) {
            pieces.append(rest);
            break;
        }
        // The longest prefix that fits, by halving; at least one character.
        qsizetype low = 1, high = rest.size() - 1;
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (measure(rest.left(mid)) <= width)
                low = mid;
            else
                high = mid - 1;
        }
        // Break at the last blank that fits, which the break swallows, else after low.
        const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), low);
        if (blank > 0) {
            pieces.append(rest.left(blank));
            rest = rest.mid(blank + 1);
        } else {
            pieces.append(rest.left(low));
            rest = rest.mid(low);
        }
    }
    return pieces;
}

// ---- Layout --------------------------------------------------------------------------------

namespace {

const QString Blank = QStringLiteral(" ");
const QString Equals = QStringLiteral("=");

// The columns of one cell, from left to right: the number (right-aligned), the expression, the
// "=", then the writing line on the sheet, or the result, the answer and its verdict in the key.
struct CellColumns
{
    double number = 0;
    double expression = 0;
    double equals = 0;
    double blank = 0;  // sheet
    double result = 0; // key
    double gap = 0;    // key, before the answer
    double answer = 0;
    double space = 0; // between the answer and its verdict
    double verdict = 0;

    double total() const
    {
        return number + expression + equals + blank + result + gap + answer + space + verdict;
    }
};

// An entry's texts broken to its columns.
struct CellPieces
{
    const PrintLine *line = nullptr;
    QStringList expression;
    QStringList after; // the result in the key; empty on the sheet
    QStringList answer;
    int rows = 1;
};

class Layout
{
public:
    Layout(PagePlan &plan, const SheetPage &page, const PrintMetrics &metrics)
        : plan(plan), page(page), m(metrics), x0(page.left), x1(page.width - page.right),
          top(page.top), bodyBottom(page.height - page.bottom - 2 * m.lineHeight(PrintFont::Footer))
    {}

    void layOutSheet(const PrintedWorksheet &sheet, const QString &name);
    void layOutKey(const PrintedWorksheet &sheet, const QString &name);
    void addFooters();

private:
    double width(PrintFont font, const QString &text) const { return m.width(font, text); }
    double height(PrintFont font) const { return m.lineHeight(font); }
    double contentWidth() const { return x1 - x0; }

    void startPage();
    // Makes room for a block of the given height: a new page unless this one is still empty.
    void ensure(double blockHeight);
    void addText(PrintFont font, double x, const QString &text, PrintTone tone = PrintTone::Plain,
                 int example = 0, double dy = 0);
    // A text spanning the page, wrapped; each piece takes step.
    void addWrapped(PrintFont font, const QString &text, double step);
    double wrappedHeight(PrintFont font, const QString &text, double step) const;

    void chooseColumns(CellColumns &c, int &columns, double &cellWidth) const;
    CellPieces piecesOf(const PrintLine &line, const CellColumns &c) const;
    void layOutEntries(const PrintedWorksheet &sheet, bool key);
    void placeCell(const CellPieces &cell, double x, double rowStep);

    PagePlan &plan;
    const SheetPage &page;
    const PrintMetrics &m;
    double x0, x1, top, bodyBottom;
    double y = 0;
    double pageStart = 0; // where the current page's body begins
    bool keyPart = false;
    PrintFont entryFont = PrintFont::Example;
    CellColumns cols;
    double rowPitch = 0;
};

void Layout::startPage()
{
    PlanPage p;
    p.key = keyPart;
    plan.pages.append(p);
    y = top;
    pageStart = y;
}

void Layout::ensure(double blockHeight)
{
    if (y + blockHeight > bodyBottom && y > pageStart)
        startPage();
}

void Layout::addText(PrintFont font, double x, const QString &text, PrintTone tone, int example,
                     double dy)
{
    plan.pages.last().texts.append(PlanText{font, QPointF(x, y + dy), text, tone, example});
}

double Layout::wrappedHeight(PrintFont font, const QString &text, double step) const
{
    const auto measure = [this, font](const QString &t) { return width(font, t); };
    return double(WrapToWidth(text, contentWidth(), measure).size()) * step;
}

void Layout::addWrapped(PrintFont font, const QString &text, double step)
{
    const auto measure = [this, font](const QString &t) { return width(font, t); };
    for (const QString &piece : WrapToWidth(text, contentWidth(), measure)) {
        ensure(step);
        addText(font, x0, piece);
        y += step;
    }
}

void Layout::chooseColumns(CellColumns &c, int &columns, double &cellWidth) const
{
    const double gap = width(entryFont, QStringLiteral("000"));
    for (columns = 3; columns > 1; --columns) {
        cellWidth = (contentWidth() - (columns - 1) * gap) / columns;
        if (c.total() <= cellWidth)
            return;
    }
    columns = 1;
    cellWidth = contentWidth();
    if (c.total() <= cellWidth)
        return;
    // Too wide even alone on a row: the texts' columns share what is left and wrap in it.
    const double fixed = c.number + c.equals + c.gap + c.space + c.verdict;
    const double variable = c.expression + c.blank + c.result + c.answer;
    const double least = width(entryFont, QStringLiteral("0"));
    if (variable <= 0)
        return;
    const double scale = std::max(cellWidth - fixed, 0.0) / variable;
    for (double *column : {&c.expression, &c.blank, &c.result, &c.answer})
        if (*column > 0)
            *column = std::max(*column * scale, least);
}

CellPieces Layout::piecesOf(const PrintLine &line, const CellColumns &c) const
{
    const auto measure = [this](const QString &t) { return width(entryFont, t); };
    CellPieces cell;
    cell.line = &line;
    cell.expression = WrapToWidth(line.text, c.expression, measure);
    int after = 1;
    if (keyPart) {
        cell.after = WrapToWidth(line.result, c.result, measure);
        after = int(cell.after.size());
        if (line.verdict != PrintVerdict::None) {
            cell.answer = WrapToWidth(line.answer, c.answer, measure);
            after = std::max(after, int(cell.answer.size()));
        }
    }
    cell.rows = int(cell.expression.size()) - 1 + after;
    return cell;
}

void Layout::placeCell(const CellPieces &cell, double x, double rowStep)
{
    const PrintLine &line = *cell.line;
    const int n = line.number;
    const QString number = QString::number(n) + QLatin1Char(')');
    const double space = width(entryFont, Blank);
    addText(entryFont, x + cols.number - space - width(entryFont, number), number, PrintTone::Plain,
            n);

    const double exprLeft = x + cols.number;
    const double equalsLeft = exprLeft + cols.expression;
    if (cell.expression.size() == 1) {
        addText(entryFont, equalsLeft - width(entryFont, cell.expression[0]), cell.expression[0],
                PrintTone::Plain, n);
    } else {
        for (qsizetype i = 0; i < cell.expression.size(); ++i)
            addText(entryFont, exprLeft, cell.expression[i], PrintTone::Plain, n,
                    double(i) * rowStep);
    }
    // "=", and what follows it, stand on the expression's last row.
    const double last = double(cell.expression.size() - 1) * rowStep;
    addText(entryFont, equalsLeft + (cols.equals - width(entryFont, Equals)) / 2, Equals,
            PrintTone::Plain, n, last);
    const double afterLeft = equalsLeft + cols.equals;
    if (!keyPart) {
        const double baseline = y + last + height(entryFont);
        plan.pages.last().rules.append(
            PlanRule{QLineF(afterLeft, baseline, afterLeft + cols.blank, baseline), n});
    } else {
        for (qsizetype i = 0; i < cell.after.size(); ++i)
            addText(entryFont, afterLeft, cell.after[i], PrintTone::Plain, n,
                    last + double(i) * rowStep);
        if (line.verdict != PrintVerdict::None) {
            const double answerLeft = afterLeft + cols.result + cols.gap;
            for (qsizetype i = 0; i < cell.answer.size(); ++i)
                if (!cell.answer[i].isEmpty())
                    addText(entryFont, answerLeft, cell.answer[i], PrintTone::Plain, n,
                            last + double(i) * rowStep);
            const PrintTone tone = line.verdict == PrintVerdict::Right   ? PrintTone::Right
                                   : line.verdict == PrintVerdict::Wrong ? PrintTone::Wrong
                                                                         : PrintTone::Muted;
            addText(entryFont, answerLeft + cols.answer + cols.space, VerdictText(line.verdict),
                    tone, n, last);
        }
    }
    plan.pages.last().examples.append(n);
}

void Layout::layOutEntries(const PrintedWorksheet &sheet, bool key)
{
    entryFont = key ? PrintFont::Key : PrintFont::Example;
    const double h = height(entryFont);
    // The sheet leaves room to write; the key is read only.
    rowPitch = key ? 1.4 * h : 2 * h;
    const double rowStep = key ? rowPitch : h;

    cols = CellColumns();
    int widestNumber = 0;
    for (const PrintLine &line : sheet.lines) {
        if (!line.example)
            continue;
        widestNumber = line.number;
        cols.expression = std::max(cols.expression, width(entryFont, line.text));
        if (key) {
            cols.result = std::max(cols.result, width(entryFont, line.result));
            if (line.verdict != PrintVerdict::None) {
                cols.answer = std::max(cols.answer, width(entryFont, line.answer));
                cols.verdict = std::max(cols.verdict, width(entryFont, VerdictText(line.verdict)));
            }
        }
    }
    cols.number = width(entryFont, QString::number(widestNumber) + QStringLiteral(") "));
    cols.equals = width(entryFont, QStringLiteral(" = "));
    if (key) {
        if (sheet.answers) {
            cols.gap = width(entryFont, QStringLiteral("   "));
            cols.space = width(entryFont, QStringLiteral("  "));
        }
    } else {
        cols.blank = std::max(cols.expression, width(entryFont, QStringLiteral("0000000")));
    }
    int columns = 1;
    double cellWidth = contentWidth();
    chooseColumns(cols, columns, cellWidth);
    const double columnGap =
        columns > 1 ? (contentWidth() - columns * cellWidth) / (columns - 1) : 0;
    (key ? plan.keyColumns : plan.sheetColumns) = columns;
    if (!key)
        plan.rowsPerPage = std::max(0, int(std::floor((bodyBottom - top) / rowPitch + 1e-9)));

    const auto entryHeight = [&](const CellPieces &cell) {
        return double(cell.rows - 1) * rowStep + rowPitch;
    };
    QList<CellPieces> row;
    const auto flush = [&] {
        if (row.isEmpty())
            return;
        double rowHeight = 0;
        for (const CellPieces &cell : row)
            rowHeight = std::max(rowHeight, entryHeight(cell));
        ensure(rowHeight);
        for (qsizetype c = 0; c < row.size(); ++c)
            placeCell(row[c], x0 + double(c) * (cellWidth + columnGap), rowStep);
        y += rowHeight;
        row.clear();
    };

    const double textStep = 1.3 * height(PrintFont::Text);
    for (qsizetype i = 0; i < sheet.lines.size(); ++i) {
        const PrintLine &line = sheet.lines[i];
        if (key && line.trailer)
            continue;
        if (line.example) {
            row.append(piecesOf(line, cols));
            if (row.size() == columns)
                flush();
            continue;
        }
        flush();
        // A title keeps with the example after it.
        if (i + 1 < sheet.lines.size() && sheet.lines[i + 1].example)
            ensure(wrappedHeight(PrintFont::Text, line.text, textStep) + rowPitch);
        addWrapped(PrintFont::Text, line.text, textStep);
    }
    flush();
}

void Layout::layOutSheet(const PrintedWorksheet &sheet, const QString &name)
{
    keyPart = false;
    startPage();
    if (!name.isEmpty())
        addWrapped(PrintFont::Title, name, 1.5 * height(PrintFont::Title));
    const QStringList fields{T::tr("Jméno:"), T::tr("Třída:"), T::tr("Datum:")};
    double labels = 0;
    for (const QString &field : fields)
        labels = std::max(labels, width(PrintFont::Header, field));
    const double lineLeft = x0 + labels + width(PrintFont::Header, Blank);
    const double shortLine =
        std::max(width(PrintFont::Header, QStringLiteral("0000000000")), contentWidth() / 3);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        addText(PrintFont::Header, x0, fields[i]);
        const double baseline = y + height(PrintFont::Header);
        const double end = i == 0 ? x1 : std::min(x1, lineLeft + shortLine);
        plan.pages.last().rules.append(PlanRule{QLineF(lineLeft, baseline, end, baseline), 0});
        y += 2 * height(PrintFont::Header);
    }
    y += height(PrintFont::Example);
    pageStart = y;
    layOutEntries(sheet, false);
    plan.sheetPages = int(plan.pages.size());
}

void Layout::layOutKey(const PrintedWorksheet &sheet, const QString &name)
{
    keyPart = true;
    startPage();
    addWrapped(PrintFont::Title, T::tr("Klíč správných výsledků"), 1.5 * height(PrintFont::Title));
    const double step = 1.5 * height(PrintFont::Header);
    if (!name.isEmpty())
        addWrapped(PrintFont::Header, name, step);
    if (sheet.trailer) {
        const TrailerLabels &t = *sheet.trailer;
        addWrapped(PrintFont::Header,
                   T::tr("Správně : %1    Nevyřešeno : %2    Chyby : %3")
                       .arg(t.correct, t.unsolved, t.wrong),
                   step);
        addWrapped(PrintFont::Header, T::tr("Zkontrolováno : ") + t.checked, step);
    }
    y += height(PrintFont::Key);
    pageStart = y;
    layOutEntries(sheet, true);
    plan.keyPages = int(plan.pages.size()) - plan.sheetPages;
}

void Layout::addFooters()
{
    int sheetNumber = 0, keyNumber = 0;
    for (PlanPage &p : plan.pages) {
        p.number = p.key ? ++keyNumber : ++sheetNumber;
        const QString footer = PageFooter(p.key, p.number, p.key ? plan.keyPages : plan.sheetPages);
        const double at = x0 + (contentWidth() - width(PrintFont::Footer, footer)) / 2;
        p.texts.append(PlanText{PrintFont::Footer,
                                QPointF(at, page.height - page.bottom - height(PrintFont::Footer)),
                                footer, PrintTone::Plain, 0});
    }
}

} // namespace

PagePlan PlanPages(const QStringList &items, const SheetPage &page, const PrintMetrics &metrics,
                   const PrintOptions &options)
{
    PagePlan plan;
    if (items.isEmpty())
        return plan;
    const PrintedWorksheet sheet = ReadPrintedWorksheet(items, options.sep, options.fullPrecision);
    plan.examples = sheet.examples;
    Layout layout(plan, page, metrics);
    layout.layOutSheet(sheet, options.name);
    if (options.withKey && sheet.examples > 0)
        layout.layOutKey(sheet, options.name);
    layout.addFooters();
    return plan;
}

PagePlan CombinePlans(const QList<PagePlan> &plans, bool keysAtEnd)
{
    PagePlan all;
    const auto append = [&all](const PagePlan &plan, bool key) {
        for (const PlanPage &page : plan.pages)
            if (page.key == key)
                all.pages.append(page);
    };
    for (const PagePlan &plan : plans) {
        append(plan, false);
        if (!keysAtEnd)
            append(plan, true);
        all.sheetPages += plan.sheetPages;
        all.keyPages += plan.keyPages;
        all.examples += plan.examples;
        all.sheetColumns = std::max(all.sheetColumns, plan.sheetColumns);
        all.keyColumns = std::max(all.keyColumns, plan.keyColumns);
        all.rowsPerPage = std::max(all.rowsPerPage, plan.rowsPerPage);
    }
    if (keysAtEnd)
        for (const PagePlan &plan : plans)
            append(plan, true);
    return all;
}
