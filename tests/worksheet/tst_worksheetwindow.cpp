// Generating, computing and exporting worksheets in the real window: the progress shown while the
// loops run, Stop from inside them, the trailer, the export's files and question, and the window
// coming back whole however an operation ends.

#include "worksheetwindow.h"

#include <QComboBox>

namespace {
const QColor Aqua(0, 255, 255);

// Counts of one generated line: the example (no "=" of its own) and the "=" after it.
bool isGeneratedLine(const QString &line)
{
    return line.size() > 1 && line.endsWith('=') && line.count('=') == 1 && !line.contains(' ');
}
} // namespace

class WorksheetWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void generationShowsProgressAndAppends()
    {
        WorksheetWindow t;
        t.check("BBox4", false); // no constraint: every call takes its first candidate
        t.check("BBox9", true);
        t.check("BBox15", false);
        t.setExampleCount(37);
        t.button("SpeedButton3")->click();
        QCOMPARE(t.lines().size(), 37);
        for (const QString &line : t.lines())
            QVERIFY2(isGeneratedLine(line), qPrintable(line));
        QCOMPARE(t.lines().last(), t.text("LabelF1") + "=");
        QCOMPARE(t.text("Label8"), QStringLiteral("37/37"));

        // Removing the generated lines first resets nothing else: the candidates go on counting.
        t.check("BBox15", true);
        t.setExampleCount(20);
        QStringList progress;
        bool busyThroughout = true;
        t.during("SpeedButton3", [&] {
            if (progress.isEmpty() || progress.last() != t.text("Label8"))
                progress << t.text("Label8");
            busyThroughout = busyThroughout && !t.enabled("Panel3") && !t.enabled("Panel7") &&
                             t.get<QWidget>("LabelF1")->isHidden() && t.edit2()->width() == 0 &&
                             t.text("Label3D25") ==
                                 QStringLiteral("Sestavuji příklady dle zadaných parametrů...");
        });
        QStringList expected{"37/37"};
        for (int line = 1; line < 20; ++line)
            expected << QStringLiteral("%1/%2").arg(37 + line).arg(line);
        QCOMPARE(progress, expected);
        QVERIFY(busyThroughout);
        QCOMPARE(t.text("Label8"), QStringLiteral("57/20"));
        QCOMPARE(t.lines().size(), 20);
        QCOMPARE(t.gauge("Gauge2")->value(), 0); // it reached its maximum
        t.verifyWhole();

        // Without removing, a second worksheet goes below the first.
        t.check("BBox15", false);
        t.setExampleCount(3);
        const QStringList before = t.lines();
        t.button("SpeedButton3")->click();
        QCOMPARE(t.lines().size(), 23);
        QCOMPARE(t.lines().mid(0, 20), before);
        QCOMPARE(t.text("Label8"), QStringLiteral("60/23"));
        QCOMPARE(t.errors, QStringList());
    }

    void examplesOfAHundredRejectionsAreLeftOut()
    {
        WorksheetWindow t;
        // Only the result 1000000 passes: every call exhausts a limit of 100.
        t.get<QSlider>("TrackBar2")->setValue(100);
        t.check("BBox19", true);
        t.get<QComboBox>("ComboBox6")->setCurrentText("<>");
        t.get<QLineEdit>("Edit1")->setText("1000000");
        t.setExampleCount(3);
        QList<int> positions;
        t.during("SpeedButton3", [&] {
            if (positions.isEmpty() || positions.last() != t.gauge("Gauge2")->value())
                positions << t.gauge("Gauge2")->value();
        });
        QCOMPARE(t.lines(), QStringList());
        QCOMPARE(positions.last(), 3); // the run gauge went the whole way all the same
        QCOMPARE(t.gauge("Gauge2")->maximum(), 3);
        QCOMPARE(t.gauge("Gauge2")->value(), 0);
        QCOMPARE(t.gauge("Gauge1")->value(), 0);
    }

    void stopDuringGenerationActsWithinALine()
    {
        WorksheetWindow t;
        t.check("BBox7", false);
        t.setExampleCount(1000);
        t.during("SpeedButton3", [&] {
            if (t.list()->count() == 5)
                t.button("SpeedButton12")->click();
        });
        QCOMPARE(t.lines().size(), 5);
        QCOMPARE(t.w.Drill().stopRequest, -1);
        t.verifyWhole();
        QCOMPARE(t.gauge("Gauge2")->value(), 0);
        // The next operation clears the request.
        t.setExampleCount(2);
        t.button("SpeedButton3")->click();
        QCOMPARE(t.lines().size(), 2);
        QCOMPARE(t.w.Drill().stopRequest, 0);
    }

    void clickedLineDoesNotBecomeAGeneratedOne()
    {
        WorksheetWindow t;
        t.check("BBox4", false);
        t.check("BBox15", false);
        t.setLines({"99*99="});
        t.button("BBox20")->click();
        t.setExampleCount(20);
        t.during("SpeedButton3", [&] {
            t.list()->setCurrentRow(0);
            emit t.list()->itemClicked(t.list()->item(0));
        });
        QCOMPARE(t.lines().size(), 21);
        QCOMPARE(t.lines().count("99*99="), 1);
        // Idle again, the click shows the line.
        emit t.list()->itemClicked(t.list()->item(0));
        QCOMPARE(t.text("LabelF1"), QStringLiteral("99*99"));
    }

    void failedNextExampleLeavesTheWindowWhole()
    {
        WorksheetWindow t;
        t.check("BBox19", true);
        t.get<QLineEdit>("Edit1")->setText("-"); // a filter value that is not a number
        t.setExampleCount(5);
        t.button("SpeedButton3")->click();
        QCOMPARE(t.errors, QStringList{"'-' is not a valid floating point value"});
        QCOMPARE(t.lines(), QStringList());
        t.verifyWhole();
        QCOMPARE(t.gauge("Gauge1")->value(), 0);
    }

    void generationDuringARunKeepsTheParametersLocked()
    {
        WorksheetWindow t;
        t.setExampleCount(2); // a new count would end the run
        t.name("Anna");
        t.button("SpeedButton6")->click();
        QVERIFY(!t.enabled("Panel7"));
        t.button("SpeedButton3")->click();
        QCOMPARE(t.lines().size(), 2);
        QVERIFY(!t.enabled("Panel7"));
        QVERIFY(t.enabled("Panel3"));
        t.list()->item(0)->setText("1+1=2");
        t.button("SpeedButton10")->click();
        QVERIFY(!t.enabled("SpeedButton7"));
        QVERIFY(t.w.Drill().RunActive);
    }

    void computationCountsStampsAndShowsTime()
    {
        WorksheetWindow t;
        t.check("BBox9", true);
        int ticks = 0;
        Platform::setTickSource([&ticks] { return ticks++ == 0 ? 1000 : 66432; });
        Platform::setDateTimeSource([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3)); });
        t.setLines({"Nadpis", "7*8=56", "7*8= ", "7*8=55", "10/4=2,5", "10/3=3,33", "10/3=3,333"});
        bool running = true;
        t.during("SpeedButton10", [&] {
            running = running && t.gauge("Gauge2")->barColor() == Aqua && !t.enabled("Panel3") &&
                      !t.enabled("SpeedButton7") && t.enabled("Panel7") &&
                      t.text("Label3D25") == QStringLiteral("Počítám zadané příklady...");
        });
        QVERIFY(running);
        const QString trailer = QStringLiteral(" \n05.03.24 9:05:03\n3\n1\n2\nVelmorsoft © 2006");
        QCOMPARE(t.lines(), (QStringList{"Nadpis", "7*8=56[ 56,00 ]", "7*8= [ 56,00 ]",
                                         "7*8=55[ 56,00 ]", "10/4=2,5[ 2,50 ]", "10/3=3,33[ 3,33 ]",
                                         "10/3=3,333[ 3,33 ]", trailer}));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("3"));
        QCOMPARE(t.text("Label3D22"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D21"), QStringLiteral("2"));
        QCOMPARE(t.text("Label10"), QStringLiteral("0:01:05.432"));
        QCOMPARE(t.gauge("Gauge2")->value(), 0);
        t.verifyWhole();
        // The open calculator shows the last expression computed.
        QCOMPARE(t.get<QLineEdit>("EditExp1")->text(), QStringLiteral("10/3"));

        // A computed worksheet stays as it is.
        t.button("SpeedButton10")->click();
        QCOMPARE(t.lines().size(), 8);
        QCOMPARE(t.lines().last(), trailer);

        // Saved, the trailer is six lines in Windows-1250 and CR LF.
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton11")->click();
        QCOMPARE(t.file("Anna.nlx"),
                 QByteArray("Nadpis\r\n7*8=56[ 56,00 ]\r\n7*8= [ 56,00 ]\r\n7*8=55[ 56,00 ]\r\n"
                            "10/4=2,5[ 2,50 ]\r\n10/3=3,33[ 3,33 ]\r\n10/3=3,333[ 3,33 ]\r\n"
                            " \r\n05.03.24 9:05:03\r\n3\r\n1\r\n2\r\nVelmorsoft \xA9 2006\r\n"));
    }

    void labelsWithoutNewLinesKeepTheirText()
    {
        WorksheetWindow t;
        t.setLines({"1+1=3", "2+2=5", "3+3=7"});
        t.button("SpeedButton10")->click();
        QCOMPARE(t.text("Label3D21"), QStringLiteral("3"));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("-"));

        // A generated sheet replaces the lines only; its blank answers count as unsolved.
        t.check("BBox4", false);
        t.setExampleCount(2);
        t.button("SpeedButton3")->click();
        Platform::setDateTimeSource([] { return QDateTime(QDate(2024, 12, 31), QTime(23, 0)); });
        t.button("SpeedButton10")->click();
        QCOMPARE(t.text("Label3D22"), QStringLiteral("2"));
        QCOMPARE(t.text("Label3D21"), QStringLiteral("3"));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("-"));
        QCOMPARE(t.lines().last(),
                 QStringLiteral(" \n31.12.24 23:00:00\n-\n2\n3\nVelmorsoft © 2006"));
    }

    void fullPrecisionAndOneLineSheet()
    {
        WorksheetWindow t;
        t.setDown("SB19", true);
        t.setLines({"10/3=3,33"});
        t.button("SpeedButton10")->click();
        QCOMPARE(t.lines().first(), QStringLiteral("10/3=3,33[ 3,33333333333333 ]"));
        QCOMPARE(t.lines().size(), 2); // with its trailer
        QCOMPARE(t.text("Label3D23"), QStringLiteral("1"));
        t.button("SpeedButton10")->click();
        QCOMPARE(t.lines().size(), 2);
        QCOMPARE(t.text("Label3D23"), QStringLiteral("1"));
    }

    void numberErrorKeepsResultsAndTheWindowUsable()
    {
        WorksheetWindow t;
        t.setLines({"1+1=2", "2+2=4", "10/4=2.5", "3+3=6"});
        t.button("SpeedButton10")->click();
        QCOMPARE(t.errors, QStringList{"'2.5' is not a valid floating point value"});
        QCOMPARE(t.lines(), (QStringList{"1+1=2[ 2,00 ]", "2+2=4[ 4,00 ]", "10/4=2.5", "3+3=6"}));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("2"));
        t.verifyWhole();
        QCOMPARE(t.gauge("Gauge2")->value(), 1);

        // The calculator opens, another worksheet computes; this one counts as computed now.
        t.button("SpeedButton7")->click();
        QCOMPARE(t.get<QWidget>("EditExp1")->width(), 324);
        t.button("SpeedButton10")->click();
        QCOMPARE(t.errors.size(), 1);
        t.setLines({"5*5=25"});
        t.button("SpeedButton10")->click();
        QCOMPARE(t.lines().first(), QStringLiteral("5*5=25[ 25,00 ]"));
    }

    void stopDuringComputationActsWithinALine()
    {
        WorksheetWindow t;
        t.check("BBox7", false);
        t.setLines(QStringList(1000, "1+1=2"));
        t.during("SpeedButton10", [&] {
            if (t.list()->item(4)->text().endsWith(']'))
                t.button("SpeedButton12")->click();
        });
        QCOMPARE(t.lines().size(), 1000); // no trailer
        QCOMPARE(t.lines()[4], QStringLiteral("1+1=2[ 2,00 ]"));
        QCOMPARE(t.lines()[5], QStringLiteral("1+1=2"));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("5"));
        t.verifyWhole(); // the calculator switch too, which Stop alone does not enable
    }

    void exportAlignsAndOpensTheEditor()
    {
        WorksheetWindow t;
        t.setLines({"Příklady", "1+2=", "10+20+30="});
        bool lockedAtOpening = false;
        Platform::setTextEditor([&](const QString &path) {
            t.opened << path;
            lockedAtOpening =
                !t.enabled("Panel3") &&
                t.text("Label3D25") == QStringLiteral("Exportuji uvedené příklady...");
            return true;
        });
        t.button("SpeedButton4")->click();
        const QString target = QDir(t.dir.path()).filePath("Priklad");
        QCOMPARE(t.opened, QStringList{target});
        QVERIFY(lockedAtOpening);
        QCOMPARE(t.fileAt(target),
                 QByteArray("        P\xF8\xEDklady\r\n     1+2=\r\n10+20+30=\r\n"));
        t.verifyWhole();

        t.check("BBox8", false);
        t.button("SpeedButton4")->click();
        QCOMPARE(t.fileAt(target), QByteArray("P\xF8\xEDklady\r\n1+2=\r\n10+20+30=\r\n"));
        QCOMPARE(t.questions, QStringList());
    }

    void exportLocksTheToolbarWhileMessagesRun()
    {
        WorksheetWindow t;
        t.setLines({"1+2=", "3+4="});
        t.during("SpeedButton4", [&] { t.button("SpeedButton2")->click(); });
        QCOMPARE(t.lines(), (QStringList{"1+2=", "3+4="}));
        QCOMPARE(t.fileAt(QDir(t.dir.path()).filePath("Priklad")), QByteArray("1+2=\r\n3+4=\r\n"));
    }

    void exportAsksBeforeReplacingAnswers()
    {
        WorksheetWindow t;
        t.writeFile("Anna.nlx", "1+1=2\r\n2+2=\r\n");
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton13")->click();
        t.check("BBox4", false);
        t.setExampleCount(2);
        t.check("BBox8", false);
        t.button("SpeedButton3")->click(); // a new worksheet, the pupil's file still set

        t.answerYes = false;
        t.button("SpeedButton4")->click();
        QCOMPARE(t.questions, QStringList{"Soubor " + QDir::toNativeSeparators(t.path("Anna.nlx")) +
                                          " již existuje. Přepsat?"});
        QCOMPARE(t.file("Anna.nlx"), QByteArray("1+1=2\r\n2+2=\r\n"));
        QCOMPARE(t.opened, QStringList());
        t.verifyWhole();

        t.answerYes = true;
        t.button("SpeedButton4")->click();
        QCOMPARE(t.fileAt(t.path("Anna.nlx")), (t.lines().join("\r\n") + "\r\n").toLatin1());
        QCOMPARE(t.opened, QStringList{t.path("Anna.nlx")});

        // A file without answers (a worksheet saved blank) is replaced unasked.
        t.questions.clear();
        t.choice = t.path("Blank.nlx");
        t.button("SpeedButton11")->click();
        t.button("SpeedButton4")->click();
        QCOMPARE(t.questions, QStringList());
        QCOMPARE(t.opened.last(), t.path("Blank.nlx"));
    }

    void failedExportLeavesTheWindowWhole()
    {
        WorksheetWindow t;
        t.writeFile("Anna.nlx", "1+2=\r\n");
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton13")->click();
        QVERIFY(QFile::remove(t.path("Anna.nlx")));
        QVERIFY(QDir(t.folder).mkdir("Anna.nlx")); // now a folder: it cannot be written
        t.button("SpeedButton4")->click();
        QCOMPARE(t.errors,
                 QStringList{"Cannot create file " + QDir::toNativeSeparators(t.path("Anna.nlx"))});
        QCOMPARE(t.opened, QStringList());
        t.verifyWhole();
    }

    // Without an editor (no desktop handler for text files) the file is still written, and the
    // message says where it is.
    void exportWithoutAnEditorSaysWhereTheFileIs()
    {
        WorksheetWindow t;
        t.setLines({"1+2="});
        t.editorStarts = false;
        t.button("SpeedButton4")->click();
        const QString target = QDir(t.dir.path()).filePath("Priklad");
        QCOMPARE(t.fileAt(target), QByteArray("1+2=\r\n"));
        QCOMPARE(t.errors, QStringList{"Soubor " + QDir::toNativeSeparators(target) +
                                       " je uložen, ale textový editor se nepodařilo spustit."});
        t.verifyWhole();
    }

    void clearResetsTheSheetAndItsSummary()
    {
        WorksheetWindow t;
        t.check("BBox4", false);
        t.check("BBox9", true);
        t.setExampleCount(3);
        t.button("SpeedButton3")->click();
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton11")->click();
        t.button("SpeedButton10")->click();
        t.button("SpeedButton2")->click();
        QCOMPARE(t.lines(), QStringList());
        for (const char *label : {"Label3D20", "Label3D21", "Label3D22", "Label3D23", "Label3D24"})
            QCOMPARE(t.text(label), QStringLiteral("-"));
        QCOMPARE(t.get<QWidget>("Label3D20")->toolTip(), QString());
        QCOMPARE(t.text("Label8"), QStringLiteral("0"));
        QCOMPARE(t.text("Label10"), QStringLiteral("0:00:00.000"));
        QCOMPARE(t.w.CandidateCounter(), 0);
        // No file set: the export goes to the default target again.
        t.setLines({"1+1="});
        t.button("SpeedButton4")->click();
        QCOMPARE(t.opened, QStringList{QDir(t.dir.path()).filePath("Priklad")});
        // Nothing to do on an empty list.
        t.button("SpeedButton2")->click();
        t.button("SpeedButton10")->click();
        t.button("SpeedButton4")->click();
        QCOMPARE(t.opened.size(), 1);
        QCOMPARE(t.errors, QStringList());
    }
};

QTEST_MAIN(WorksheetWindowTest)
#include "tst_worksheetwindow.moc"
