#pragma once

// A whole class at once: a worksheet variant for every pupil, and the returned sheets of a folder
// corrected together into a class table with the examples the class got wrong most.

#include "worksheet/worksheet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// ---- Variants ----------------------------------------------------------------------------

// The first line of a pupil's variant, which names its pupil in the file ("Žák: Anna"). It has
// no "=", so computing leaves it alone; the same words under either face of the program.
QString PupilHeading(const QString &pupil);
// The pupil a first line names; nullopt when it is no heading. A pupil may write a name after
// an empty heading.
std::optional<QString> HeadingPupil(const QString &line);

// The seed of each variant: the first variant's is the seed itself, so the single worksheet
// generated from a seed is the first variant of that seed; the others are drawn from it, each
// its own.
std::uint32_t VariantSeed(std::uint32_t seed, int index);

struct VariantFile
{
    QString pupil; // empty for an unnamed variant
    QString file;  // the file name in the chosen folder
};

// The variants to make: one per name of the names list (empty names left out), or, with none,
// the given number of unnamed ones, whose files are named by unnamedFile (given "%1", the
// variant's number with as many leading zeros as the count needs). A name makes its file as
// the examination log's does: the name and ".nlx"; names that are no plain file names come back
// in refused, and no file is planned for them.
struct VariantPlan
{
    QList<VariantFile> files;
    QStringList refused;
};
VariantPlan PlanVariants(const QStringList &names, int unnamedCount, const QString &unnamedFile);

// ---- Correcting a folder -----------------------------------------------------------------

// The worksheet files of a folder (".nlx", in any case of the letters), in name order.
QStringList WorksheetFilesIn(const QString &folder);

struct ClassLine
{
    QString expression; // as evaluated ("." as the point)
    LineState state = LineState::NoEquals;
};

struct ClassRow
{
    enum class Status { Corrected, AlreadyCorrected, Empty, Failed };
    QString file;  // the file's name, without its folder
    QString pupil; // from the heading, else the file's name without ".nlx"
    Status status = Status::Failed;
    QString reason; // why a file failed: the error's own text
    int correct = 0;
    int wrong = 0;
    int unsolved = 0;
    double rate = 0;        // correct of the examples, per cent; 0 without examples
    QString checked;        // the trailer's date and time of the check
    QList<ClassLine> lines; // every example, for the class's mistakes
};

// Corrects one returned sheet as Compute corrects a sheet opened alone: the same results, counts
// and trailer, and the file written whole (or left as it was when writing fails). A sheet
// corrected before is read, not corrected again; an empty one is left alone. A file that cannot be
// read, an answer that is no number and a file that cannot be written give a Failed row with the
// reason, the file left untouched. stop, asked between lines, ends the correction with the file
// untouched; the row is nullopt then.
std::optional<ClassRow> CorrectSheetFile(const QString &path, char sep, bool fullPrecision,
                                         const std::function<QString()> &stamp,
                                         const std::function<bool()> &stop = {});

// ---- What the class got wrong ----------------------------------------------------------

enum class ExampleKind {
    Addition,
    Subtraction,
    Multiplication,
    WholeDivision,     // a whole result
    DivisionRemainder, // one with a remainder
    Power,
    Root,
    Compound // several operations or brackets
};
enum class OperandSize { UpTo10, UpTo100, UpTo1000, Above1000, Decimal };

struct ExampleGroup
{
    ExampleKind kind = ExampleKind::Addition;
    OperandSize size = OperandSize::UpTo10;
    bool operator==(const ExampleGroup &) const = default;
};
// The group of an example ("." as the point): its operation and the largest of its numbers.
ExampleGroup GroupOf(const QString &expression);

struct GroupMistakes
{
    ExampleGroup group;
    int examples = 0;
    int wrong = 0;
    double rate = 0; // wrong of the examples, per cent
};
// Over every example of the rows (failed files have none), the groups with a wrong answer, the
// most often wrong first (then the larger group, then the group's order).
QList<GroupMistakes> ClassMistakes(const QList<ClassRow> &rows);

// The class table as CSV, in the history's conventions: UTF-8, CR LF, a header line, and pupils'
// names that start like a formula written after an apostrophe. The success rate with one
// decimal and ".".
QByteArray ClassTableCsv(const QList<ClassRow> &rows);
