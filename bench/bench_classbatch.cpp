// Correcting a whole class at once against correcting its sheets one by one, on the same work in
// the same run: 30 returned sheets of 5000 filled-in lines each, corrected by the class window's
// "Opravit složku" in the shown window, against opening, computing and saving each sheet with the
// worksheet toolbar (the single-file Compute a teacher would otherwise repeat 30 times), and the
// engine's loop over the folder alone. Every round starts from fresh copies of the sheets, and
// the corrected files of both sides are compared, so they do the same work.
//
// The window is shown on the platform that QT_QPA_PLATFORM names, offscreen when unset.
// Optional argument: the number of rounds (default 3); the figures printed are the medians.

#include "app/filedialog.h"
#include "app/numlet.h"
#include "app/platform.h"
#include "benchtools.h"
#include "benchwindow.h"
#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "filledsheet.h"
#include "generator/candidate.h"
#include "worksheet/classbatch.h"
#include "worksheet/numlet_classwindow.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Sheets = 30;
constexpr int SheetLines = 5000;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files)) {
        QFile::remove(QDir(to).filePath(name));
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
    }
}

} // namespace

int main(int argc, char **argv)
{
    Bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QTemporaryDir work;
    const QString originals = work.filePath("originals");
    QDir().mkpath(originals);
    for (int i = 0; i < Sheets; ++i)
        WriteWorksheetFile(QDir(originals).filePath(
                               QStringLiteral("Zak%1.nlx").arg(i + 1, 2, 10, QLatin1Char('0'))),
                           Bench::filledInSheet(1000u + std::uint32_t(i), SheetLines));

    const QDateTime checked(QDate(2026, 3, 2), QTime(8, 5, 9));
    Platform::setDateTimeSource([&] { return checked; });
    TNumlet window(work.filePath("program") + QLatin1Char('/'));
    QDir().mkpath(work.filePath("program"));
    Bench::showAndWaitForFirstExample(window);
    QString chosen;
    TFileDialog::setChooser([&](const TFileDialog &) { return chosen; });

    std::vector<double> batch, single, engine;
    for (int round = 0; round < rounds; ++round) {
        // The class window's correction.
        const QString together = work.filePath(QStringLiteral("together%1").arg(round));
        copyFolder(originals, together);
        window.findChild<QAbstractButton *>("SpeedButton16")->click();
        auto *classWindow = window.findChild<TClassWindow *>();
        classWindow->findChild<QLineEdit *>("CorrectFolder")->setText(together);
        Bench::settle();
        QElapsedTimer clock;
        clock.start();
        classWindow->findChild<QPushButton *>("CorrectButton")->click();
        batch.push_back(Bench::msSince(clock));
        const qsizetype rows = classWindow->tableRows().size();
        classWindow->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // One sheet at a time in the worksheet toolbar: open, compute, save.
        const QString alone = work.filePath(QStringLiteral("alone%1").arg(round));
        copyFolder(originals, alone);
        Bench::settle();
        clock.restart();
        for (const QString &name : QDir(alone).entryList(QDir::Files)) {
            chosen = QDir(alone).filePath(name);
            window.findChild<QAbstractButton *>("SpeedButton13")->click();
            window.findChild<QAbstractButton *>("SpeedButton10")->click();
            window.findChild<QAbstractButton *>("SpeedButton11")->click();
        }
        single.push_back(Bench::msSince(clock));

        // The engine's loop over the folder, without a window.
        const QString bare = work.filePath(QStringLiteral("bare%1").arg(round));
        copyFolder(originals, bare);
        clock.restart();
        for (const QString &name : WorksheetFilesIn(bare))
            CorrectSheetFile(QDir(bare).filePath(name), ',', false,
                             [] { return QStringLiteral("2.3.2026 8:05:09"); });
        engine.push_back(Bench::msSince(clock));

        for (const QString &name : QDir(originals).entryList(QDir::Files))
            if (readAll(QDir(together).filePath(name)) != readAll(QDir(alone).filePath(name))) {
                std::fprintf(stderr, "%s differs between the two ways\n", qPrintable(name));
                return 1;
            }
        if (rows != Sheets) {
            std::fprintf(stderr, "the class table has %lld rows\n", static_cast<long long>(rows));
            return 1;
        }
    }
    const double b = Bench::median(batch), s = Bench::median(single), e = Bench::median(engine);
    std::printf("%d sheets of %d lines, %d rounds (medians), platform %s\n", Sheets, SheetLines,
                rounds, qPrintable(QGuiApplication::platformName()));
    std::printf("class window, Opravit složku:     %9.1f ms  (goal: under 2000 ms)\n", b);
    std::printf("toolbar, open+compute+save each:  %9.1f ms\n", s);
    std::printf("engine loop over the folder:      %9.1f ms\n", e);
    std::printf("class window / one by one: %.2f; class window / engine: %.2f\n", b / s, b / e);
    return 0;
}
