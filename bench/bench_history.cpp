// Loading a 10,000-run history into the overview window (reading and parsing the file, the
// pupils' names, the table and the chart), for one pupil and for everyone, against reading the
// same file's lines bare; also once with the first paint. Prints milliseconds (best of the rounds)
// and the ratios.
//
// Runs offscreen unless QT_QPA_PLATFORM names another platform. Optional argument: the number
// of rounds (default 7).

#include "benchtools.h"
#include "drill/history.h"
#include "drill/numlet_overview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Runs = 10000;
constexpr int Pupils = 25;

QString pupil(int i)
{
    return QStringLiteral("Žák %1, třída %2").arg(i % Pupils).arg(i % 4 + 1);
}

QByteArray historyBytes()
{
    QList<HistoryRun> runs;
    HistoryRun start;
    start.started = QDateTime::fromString(QStringLiteral("2023-09-01T08:00:00+02:00"), Qt::ISODate);
    start.exampleCount = 20;
    start.difficulty = {QStringLiteral("+ ~"), 0, 20, -5, 10, 1, QStringLiteral("1..5")};
    for (int i = 0; i < Runs; ++i) {
        start.name = pupil(i);
        const int right = 5 + i % 16;
        runs << *FinishedRun(start, right, 20 - right, (20 - right) / 3, 60 + i % 240,
                             right * 6 - (20 - right) * 25 - (60 + i % 240));
        start.started = start.started.addSecs(1800);
    }
    return HistoryFileBytes(runs);
}

} // namespace

int main(int argc, char **argv)
{
    Bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    QTemporaryDir folder;
    const QString path = folder.filePath(QLatin1String(HistoryFileName));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(historyBytes()) < 0)
            return 1;
    }

    qsizetype lines = 0;
    const double bare = Bench::bestMs(rounds, [&] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            lines = file.readAll().split('\n').size();
    });
    qsizetype parsed = 0;
    const double read = Bench::bestMs(rounds, [&] { parsed = ReadHistory(path).runs.size(); });
    const auto load = [&](const QString &current, bool paint) {
        return Bench::bestMs(rounds, [&] {
            const HistoryContents history = ReadHistory(path);
            TOverview view(history.runs, PupilNames({}, history.runs), current, history.damaged,
                           folder.path(), nullptr);
            if (paint)
                view.grab(); // lays out and paints the table and the chart once
        });
    };
    const double one = load(pupil(7), false);
    const double everyone = load(TOverview::AllPupils(), false);
    const double painted = load(TOverview::AllPupils(), true);

    std::printf("history: %d runs of %d pupils, %lld lines, %lld runs read\n", Runs, Pupils,
                static_cast<long long>(lines), static_cast<long long>(parsed));
    std::printf("read the lines bare (peer):       %8.2f ms\n", bare);
    std::printf("ReadHistory (parse every line):   %8.2f ms  ratio %6.1f\n", read, read / bare);
    std::printf("load into the view, one pupil:    %8.2f ms  ratio %6.1f\n", one, one / bare);
    std::printf("load into the view, everyone:     %8.2f ms  ratio %6.1f  (goal: under 300 ms)\n",
                everyone, everyone / bare);
    std::printf("the same, laid out and painted:   %8.2f ms  ratio %6.1f\n", painted,
                painted / bare);
    return 0;
}
