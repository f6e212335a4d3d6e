#include "worksheet/classbatch.h"

#include "drill/examineefile.h"
#include "editexp/evaluator.h"
#include "textfile/csv.h"
#include "textfile/textfile.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheetfile.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const QString HeadingWord = QStringLiteral("Žák:");

double percent(int part, int whole)
{
    return whole > 0 ? std::round(1000.0 * part / whole) / 10 : 0;
}

} // namespace

QString PupilHeading(const QString &pupil)
{
    return HeadingWord + QLatin1Char(' ') + pupil;
}

std::optional<QString> HeadingPupil(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(HeadingWord, Qt::CaseInsensitive) || trimmed.contains(QLatin1Char('=')))
        return std::nullopt;
    return trimmed.sliced(HeadingWord.size()).trimmed();
}

std::uint32_t VariantSeed(std::uint32_t seed, int index)
{
    // A step of the golden ratio's fraction and a mix, so that neighbouring variants start far
    // apart in the generator's sequence.
    if (index == 0)
        return seed;
    std::uint32_t x = seed + std::uint32_t(index) * 0x9E3779B9u;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

VariantPlan PlanVariants(const QStringList &names, int unnamedCount, const QString &unnamedFile)
{
    VariantPlan plan;
    QStringList pupils;
    for (const QString &name : names)
        if (!name.trimmed().isEmpty() && !pupils.contains(name.trimmed()))
            pupils << name.trimmed();
    if (pupils.isEmpty()) {
        const int digits = int(QString::number(std::max(unnamedCount, 1)).size());
        for (int i = 1; i <= unnamedCount; ++i)
            plan.files.append(
                {QString(), unnamedFile.arg(i, digits, 10, QLatin1Char('0')) + ".nlx"});
        return plan;
    }
    for (const QString &pupil : pupils) {
        if (IsPlainFileName(pupil))
            plan.files.append({pupil, pupil + QStringLiteral(".nlx")});
        else
            plan.refused << pupil;
    }
    return plan;
}

QStringList WorksheetFilesIn(const QString &folder)
{
    QDir dir(folder);
    QStringList files;
    // Links that lead nowhere too: they are listed as files that cannot be read.
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (info.suffix().compare(QLatin1String("nlx"), Qt::CaseInsensitive) == 0)
            files << info.fileName();
    QCollator collator{QLocale(QLocale::Czech, QLocale::Czechia)};
    collator.setNumericMode(true);
    std::sort(files.begin(), files.end(), collator);
    return files;
}

std::optional<ClassRow> CorrectSheetFile(const QString &path, char sep, bool fullPrecision,
                                         const std::function<QString()> &stamp,
                                         const std::function<bool()> &stop)
{
    ClassRow row;
    const QFileInfo info(path);
    row.file = info.fileName();
    row.pupil = info.completeBaseName();
    try {
        OpenedWorksheet sheet = ReadWorksheetFile(path);
        QStringList &lines = sheet.lines;
        if (!lines.isEmpty())
            if (const auto named = HeadingPupil(lines.first()); named && !named->isEmpty())
                row.pupil = *named;
        if (lines.isEmpty()) {
            row.status = ClassRow::Status::Empty;
        } else if (IsWorksheetComputed(lines)) {
            // Read, not corrected again: each line is judged from its own answer.
            row.status = ClassRow::Status::AlreadyCorrected;
            WorksheetCounts counts;
            for (const QString &line : lines) {
                const LineResult r = ComputeLine(line, sep, fullPrecision);
                if (r.state == LineState::NotANumber)
                    throw NotANumberError(r.answer);
                counts.add(r.state);
                if (r.state != LineState::NoEquals)
                    row.lines.append({r.evaluationText, r.state});
            }
            row.correct = counts.correct;
            row.wrong = counts.wrong;
            row.unsolved = counts.unsolved;
            if (sheet.trailer)
                row.checked = sheet.trailer->checked;
        } else {
            // As the window's Compute on the file opened alone: the labels start from "-".
            QString when;
            const CorrectionOutcome outcome = CorrectWorksheet(
                lines, sep, fullPrecision, CountTexts(), [&] { return when = stamp(); },
                [&](qsizetype, const LineResult &r, const WorksheetCounts &) {
                    if (r.state != LineState::NoEquals)
                        row.lines.append({r.evaluationText, r.state});
                    return !stop || !stop();
                });
            if (!outcome.compute.finished)
                return std::nullopt;
            WriteWorksheetFile(path, lines);
            row.status = ClassRow::Status::Corrected;
            row.correct = outcome.compute.counts.correct;
            row.wrong = outcome.compute.counts.wrong;
            row.unsolved = outcome.compute.counts.unsolved;
            row.checked = when;
        }
    } catch (const std::exception &error) {
        ClassRow failed;
        failed.file = row.file;
        failed.pupil = row.pupil;
        failed.reason = QString::fromUtf8(error.what());
        return failed;
    }
    row.rate = percent(row.correct, row.correct + row.wrong + row.unsolved);
    return row;
}

ExampleGroup GroupOf(const QString &expression)
{
    ExampleGroup group;
    const std::string text = expression.toStdString();
    int operations = 0;
    char operation = 0;
    bool brackets = false, decimal = false, root = false;
    double largest = 0;
    bool operandExpected = true; // a "-" here is a sign
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == '.') {
            std::size_t end = i;
            while (end < text.size() &&
                   ((text[end] >= '0' && text[end] <= '9') || text[end] == '.' ||
                    text[end] == 'E' ||
                    ((text[end] == '-' || text[end] == '+') && end > i && text[end - 1] == 'E')))
                ++end;
            const std::string number = text.substr(i, end - i);
            decimal = decimal || number.find('.') != std::string::npos;
            largest = std::max(largest, std::fabs(Evaluate(number).value));
            operandExpected = false;
            i = end;
            continue;
        }
        if (text.compare(i, 4, "Sqrt") == 0) {
            root = true;
            i += 4;
            continue;
        }
        if (c == '(' || c == ')') {
            brackets = true;
        } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
            if (!(operandExpected && c == '-')) {
                ++operations;
                operation = c;
                operandExpected = true;
            }
        }
        ++i;
    }
    if (root)
        group.kind = ExampleKind::Root;
    else if (operation == '^' && operations == 1)
        group.kind = ExampleKind::Power;
    else if (operations > 1 || brackets)
        group.kind = ExampleKind::Compound;
    else if (operation == '-')
        group.kind = ExampleKind::Subtraction;
    else if (operation == '*')
        group.kind = ExampleKind::Multiplication;
    else if (operation == '/') {
        const double value = Evaluate(text).value;
        group.kind = value == std::floor(value) ? ExampleKind::WholeDivision
                                                : ExampleKind::DivisionRemainder;
    } else
        group.kind = ExampleKind::Addition;
    group.size = decimal           ? OperandSize::Decimal
                 : largest <= 10   ? OperandSize::UpTo10
                 : largest <= 100  ? OperandSize::UpTo100
                 : largest <= 1000 ? OperandSize::UpTo1000
                                   : OperandSize::Above1000;
    return group;
}

QList<GroupMistakes> ClassMistakes(const QList<ClassRow> &rows)
{
    QList<GroupMistakes> groups;
    for (const ClassRow &row : rows)
        for (const ClassLine &line : row.lines) {
            if (line.state != LineState::Correct && line.state != LineState::Wrong &&
                line.state != LineState::Unsolved)
                continue;
            const ExampleGroup g = GroupOf(line.expression);
            auto it = std::find_if(groups.begin(), groups.end(),
                                   [&g](const GroupMistakes &m) { return m.group == g; });
            if (it == groups.end())
                it = groups.insert(groups.end(), GroupMistakes{g, 0, 0, 0});
            ++it->examples;
            if (line.state == LineState::Wrong)
                ++it->wrong;
        }
    groups.removeIf([](const GroupMistakes &m) { return m.wrong == 0; });
    for (GroupMistakes &m : groups)
        m.rate = percent(m.wrong, m.examples);
    std::stable_sort(groups.begin(), groups.end(),
                     [](const GroupMistakes &a, const GroupMistakes &b) {
                         if (a.rate != b.rate)
                             return a.rate > b.rate;
                         if (a.examples != b.examples)
                             return a.examples > b.examples;
                         return std::pair(int(a.group.kind), int(a.group.size)) <
                                std::pair(int(b.group.kind), int(b.group.size));
                     });
    return groups;
}

QByteArray ClassTableCsv(const QList<ClassRow> &rows)
{
    QByteArray out = "Žák,Soubor,Správně,Chybně,Nevyřešeno,Úspěšnost,Zkontrolováno,Stav\r\n";
    for (const ClassRow &row : rows) {
        const char *status = row.status == ClassRow::Status::Corrected          ? "opraveno"
                             : row.status == ClassRow::Status::AlreadyCorrected ? "opraveno dříve"
                             : row.status == ClassRow::Status::Empty            ? "prázdný"
                                                                                : "";
        const QString state = row.status == ClassRow::Status::Failed
                                  ? QStringLiteral("nelze opravit: ") + row.reason
                                  : QString::fromUtf8(status);
        out += CsvField(SpreadsheetText(row.pupil)) + ',' + CsvField(SpreadsheetText(row.file)) +
               ',' + QByteArray::number(row.correct) + ',' + QByteArray::number(row.wrong) + ',' +
               QByteArray::number(row.unsolved) + ',' + QByteArray::number(row.rate, 'f', 1) + ',' +
               CsvField(row.checked) + ',' + CsvField(SpreadsheetText(state)) + "\r\n";
    }
    return out;
}
