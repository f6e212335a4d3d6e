// The history in the real window: which endings of a run append a line and with what counts, a
// history that cannot be written, and the overview window built offscreen for a given history
// (its chooser, table, summary, chart series, sorting and export).

#include "app/filedialog.h"
#include "drill/history.h"
#include "drill/numlet_overview.h"
#include "drillwindow.h"
#include "historyheader.h"
#include "widgets/tspinedit.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>

namespace {

// A history of four pupils: Anna three times, Anna K., Bára and Cyril once, one damaged line.
const QByteArray Anna1 = "2024-03-01T10:00:00+01:00,Anna,10,5,5,1,50.0,-95,120,+,0,10,0,10,0,1\r\n";
const QByteArray Cyril = "2024-03-02T09:00:00+01:00,Cyril,5,1,4,2,20.0,-99,50,+,0,10,0,10,0,1\r\n";
const QByteArray AnnaK =
    "2024-03-03T12:00:00+01:00,Anna K.,10,4,6,0,40.0,-126,60,+,0,10,0,10,0,1\r\n";
const QByteArray Anna2 =
    "2024-03-08T10:00:00+01:00,Anna,10,7,3,0,70.0,-40,95,+ ~,-5,10,3,3,1,1..5\r\n";
const QByteArray Bara = "2024-03-09T11:30:00+01:00,B\xC3\xA1ra,20,18,2,0,90.0,18,300,+,0,10,0,"
                        "10,0,1\r\n";
const QByteArray Anna3 = "2024-03-15T10:00:00+01:00,Anna,10,9,1,0,90.0,20,80,+,0,20,0,20,0,1\r\n";

QStringList lines(const QByteArray &file)
{
    QStringList out = QString::fromUtf8(file).split(QStringLiteral("\r\n"));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

} // namespace

class HistoryWindowTest : public QObject
{
    Q_OBJECT

    static QByteArray history(const DrillWindow &t) { return t.file(HistoryFileName); }
    // The line of a run without its date, which is the moment of Start.
    static QString undated(const QString &line) { return line.section(QLatin1Char(','), 1); }
    static QDateTime dateOf(const QString &line)
    {
        return QDateTime::fromString(line.section(QLatin1Char(','), 0, 0), Qt::ISODate);
    }

    // Types a name that the test keyboard cannot: letters beyond ASCII.
    static void setName(DrillWindow &t, const QString &name)
    {
        QLineEdit *edit = t.get<QComboBox>("ComboBox7")->lineEdit();
        edit->setText(name);
        emit edit->textEdited(name);
    }
    TOverview *openOverview(DrillWindow &t)
    {
        t.button("SpeedButton15")->click();
        auto *view = t.w.findChild<TOverview *>();
        if (!view)
            qFatal("no overview");
        return view;
    }
    static QStringList column(const TOverview *view, int column)
    {
        const auto *table = view->findChild<QTableView *>("Table");
        QStringList out;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            out << table->model()->index(row, column).data().toString();
        return out;
    }
    // Each series as "name:count" and its y values.
    static QStringList series(const TOverview *view)
    {
        QStringList out;
        for (QAbstractSeries *s : view->findChild<QChartView *>("ChartView")->chart()->series()) {
            const auto *line = static_cast<QLineSeries *>(s);
            QStringList ys;
            for (const QPointF &p : line->points())
                ys << QString::number(p.y());
            out << QStringLiteral("%1:%2").arg(line->name()).arg(ys.join(QLatin1Char(' ')));
        }
        return out;
    }

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        TFileDialog::setChooser({});
    }

    void runThroughTheWindowAppendsOneLine()
    {
        DrillWindow t;
        t.setExampleCount(5);
        setName(t, QStringLiteral("Žofie Nováková, 3.B"));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        t.button("SpeedButton6")->click();
        QVERIFY(!t.button("SpeedButton15")->isEnabled()); // the overview waits for the end
        t.answer("12+7", "19");
        t.ticks("Timer1Timer", 4);
        t.answer("6*7", "40");
        t.answer("5-3", ""); // unanswered: the figures catch up at Stop
        t.button("SpeedButton5")->click();
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(t.button("SpeedButton15")->isEnabled());
        // 1 right and 2 wrong of them 1 unanswered; 1 + 5 - 50 - 4 points; default difficulty.
        const QStringList file = lines(history(t));
        QCOMPARE(file.size(), 2);
        QCOMPARE(file[0] + "\r\n", QString::fromUtf8(Header));
        QCOMPARE(undated(file[1]),
                 QStringLiteral("\"Žofie Nováková, 3.B\",5,1,2,1,33.3,-48,4,+,0,10,0,10,0,1"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-48"));
        QVERIFY(dateOf(file[1]) >= before && dateOf(file[1]) <= after);
        // Stop again, a change of N, practice answers: nothing more.
        t.button("SpeedButton5")->click();
        t.answer("1+1", "2");
        t.setExampleCount(7);
        QCOMPARE(lines(history(t)).size(), 2);
        QCOMPARE(t.errors, QStringList());
    }

    void runThatJudgedNothingLeavesNoLine()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.ticks("Timer1Timer", 3);
        t.button("SpeedButton5")->click();
        t.button("SpeedButton6")->click();
        t.setExampleCount(20); // a change of N stops it
        QVERIFY(!t.w.Drill().RunActive);
        QCOMPARE(history(t), QByteArray("<none>"));
        // Practice mode counts answers but is no run.
        t.answer("1+1", "3");
        t.button("SpeedButton5")->click();
        QCOMPARE(history(t), QByteArray("<none>"));
    }

    void secondStartRecordsTheRunUnderItsName()
    {
        DrillWindow t;
        t.name("Adam");
        t.button("SpeedButton6")->click();
        t.answer("2+2", "4");
        setName(t, QStringLiteral("Bára")); // enables Start during the run
        t.button("SpeedButton6")->click();
        QVERIFY(t.w.Drill().RunActive);
        QStringList file = lines(history(t));
        QCOMPARE(file.size(), 2);
        QCOMPARE(undated(file[1]), QStringLiteral("Adam,100,1,0,0,100.0,6,0,+,0,10,0,10,0,1"));
        t.answer("2+2", "5");
        t.setExampleCount(50); // stops the run
        file = lines(history(t));
        QCOMPARE(file.size(), 3);
        QCOMPARE(undated(file[2]), QStringLiteral("Bára,100,0,1,0,0.0,-25,0,+,0,10,0,10,0,1"));
        QVERIFY(dateOf(file[1]) <= dateOf(file[2]));
    }

    void endOfRunCheckRecordsTheRun()
    {
        DrillWindow t;
        t.setExampleCount(2);
        t.name("Eva");
        t.button("SpeedButton6")->click();
        t.name("Ema"); // the name at Start counts
        t.answer("3*3", "9");
        t.answer("8/2", "4");
        QCOMPARE(history(t), QByteArray("<none>")); // the run is still going
        t.answer("1+1", "7");                       // ends it without judging
        QVERIFY(!t.w.Drill().RunActive);
        QStringList file = lines(history(t));
        QCOMPARE(file.size(), 2);
        QCOMPARE(undated(file[1]), QStringLiteral("Eva,2,2,0,0,100.0,12,0,+,0,10,0,10,0,1"));
        t.button("SpeedButton5")->click();
        QCOMPARE(lines(history(t)).size(), 2);
    }

    void difficultyOfTheRun()
    {
        DrillWindow t;
        t.get<TSpinEdit>("SpinEdit5")->setValue(-5);
        t.get<QAbstractButton>("CheckBox2")->setChecked(true);
        t.get<TSpinEdit>("SpinEdit2")->setValue(7);
        t.get<QAbstractButton>("BBox2")->click(); // decimal numbers, tenths
        t.name("Eva");
        t.button("SpeedButton6")->click();
        t.answer("1+1", "3");
        t.button("SpeedButton5")->click();
        QCOMPARE(undated(lines(history(t)).value(1)),
                 QStringLiteral("Eva,100,0,1,0,0.0,-25,0,+,-5,10,7,7,1,1"));
    }

    void unwritableHistoryIsReportedAndTheRunEnds()
    {
        DrillWindow t;
        QVERIFY(QDir(t.folder).mkdir(HistoryFileName));
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.answer("1+1", "2");
        t.button("SpeedButton5")->click();
        QCOMPARE(t.errors, QStringList{"Cannot open file " +
                                       QDir::toNativeSeparators(t.folder + "/Historie.csv")});
        QVERIFY(!t.w.Drill().RunActive);
        QVERIFY(!t.timer("Timer1")->isActive());
        QVERIFY(t.get<QWidget>("Panel7")->isEnabled());
        // The overview reports it too, and opens nothing.
        t.errors.clear();
        t.button("SpeedButton15")->click();
        QCOMPARE(t.errors.size(), 1);
        QVERIFY(!t.w.findChild<TOverview *>());
    }

    void overviewOfOnePupilAndOfEveryone()
    {
        DrillWindow t;
        {
            QFile f(t.dir.filePath(HistoryFileName));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(Header + Anna1 + Cyril + AnnaK +
                    "rozbit\xC3\xBD \xC5\x99\xC3\xA1"
                    "dek\r\n" +
                    Anna2 + Bara + Anna3);
        }
        auto *box = t.get<QComboBox>("ComboBox7");
        box->addItems({QStringLiteral("Dan"), QStringLiteral("Anna")});
        t.name("Anna");
        TOverview *view = openOverview(t);
        QVERIFY(view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Přehled"));
        QCOMPARE(view->font(), t.w.font());
        QCOMPARE(view->pupil(), QStringLiteral("Anna"));
        auto *chooser = view->findChild<QComboBox *>("ComboBox1");
        QStringList offered;
        for (int i = 0; i < chooser->count(); ++i)
            offered << chooser->itemText(i);
        QCOMPARE(offered, (QStringList{QStringLiteral("Vše"), "Anna", "Anna K.",
                                       QStringLiteral("Bára"), "Cyril", "Dan"}));

        // Anna's runs, newest first.
        QCOMPARE(column(view, 6), (QStringList{QStringLiteral("90,0 %"), QStringLiteral("70,0 %"),
                                               QStringLiteral("50,0 %")}));
        QCOMPARE(column(view, 7), (QStringList{"20", "-40", "-95"}));
        QCOMPARE(column(view, 8), (QStringList{"0:01:20", "0:01:35", "0:02:00"}));
        QCOMPARE(column(view, 9), (QStringList{"+", "+ ~", "+"}));
        QCOMPARE(column(view, 10),
                 (QStringList{QStringLiteral("0 až 20"), QStringLiteral("-5 až 10"),
                              QStringLiteral("0 až 10")}));
        QCOMPARE(column(view, 11),
                 (QStringList{QStringLiteral("0 až 20"), "3", QStringLiteral("0 až 10")}));
        QCOMPARE(column(view, 13), (QStringList{"1", QStringLiteral("1 až 5"), "1"}));
        QCOMPARE(column(view, 5), (QStringList{"0", "0", "1"}));
        auto *table = view->findChild<QTableView *>("Table");
        QVERIFY(table->isColumnHidden(1)); // the name, with one pupil
        QCOMPARE(view->findChild<QLabel *>("Summary")->text(),
                 QStringLiteral("Běhů: 3    Průměrná úspěšnost: 70,0 %    Nejlepší: 90,0 %    "
                                "Trend posledních 5 běhů: zlepšuje se (+20,0 p. b. na běh)    "
                                "(nečitelných řádků v historii: 1)"));
        // The chart: the rate and the points in date order.
        QCOMPARE(series(view), (QStringList{QStringLiteral("Úspěšnost:50 70 90"),
                                            QStringLiteral("Body:-95 -40 20")}));

        // A click on a header sorts by it, a second click turns the order round.
        QHeaderView *header = table->horizontalHeader();
        const auto clickHeader = [header](int section) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
        };
        clickHeader(7);
        QCOMPARE(header->sortIndicatorSection(), 7);
        QCOMPARE(column(view, 7), (QStringList{"-95", "-40", "20"}));
        // Ties stay newest first, whatever the order before.
        clickHeader(5);
        QCOMPARE(column(view, 5), (QStringList{"0", "0", "1"}));
        QCOMPARE(column(view, 7), (QStringList{"20", "-40", "-95"}));
        clickHeader(5);
        QCOMPARE(column(view, 5), (QStringList{"1", "0", "0"}));
        QCOMPARE(column(view, 7), (QStringList{"-95", "20", "-40"}));

        // Export: the table's rows in its order, in the history's own format.
        const QString target = t.dir.filePath("anna");
        QStringList proposed;
        TFileDialog::setChooser([&](const TFileDialog &dialog) {
            proposed << dialog.FileName << dialog.InitialDir;
            return target;
        });
        clickHeader(7); // points, ascending
        view->findChild<QPushButton *>("ExportButton")->click();
        QCOMPARE(proposed, (QStringList{QStringLiteral("Přehled Anna.csv"), t.w.ProgramFolder()}));
        QCOMPARE(t.file("anna.csv"), Header + Anna1 + Anna2 + Anna3);

        // Everyone: a series per pupil, the name column shown.
        view->choosePupil(TOverview::AllPupils());
        QCOMPARE(view->findChild<QTableView *>("Table")->model()->rowCount(), 6);
        QVERIFY(!table->isColumnHidden(1));
        QCOMPARE(series(view),
                 (QStringList{QStringLiteral("Anna:50 70 90"), QStringLiteral("Anna K.:40"),
                              QStringLiteral("Bára:90"), QStringLiteral("Cyril:20")}));
        view->findChild<QComboBox *>("ComboBox2")->setCurrentIndex(1); // points
        QCOMPARE(series(view),
                 (QStringList{QStringLiteral("Anna:-95 -40 20"), QStringLiteral("Anna K.:-126"),
                              QStringLiteral("Bára:18"), QStringLiteral("Cyril:-99")}));
        QCOMPARE(view->findChild<QLabel *>("Summary")->text(),
                 QStringLiteral("Žáků: 4    Běhů: 6    Průměrná úspěšnost: 60,0 %    Nejlepší: "
                                "90,0 %    (nečitelných řádků v historii: 1)"));
        // A pupil of the names list without runs.
        view->choosePupil("Dan");
        QCOMPARE(view->findChild<QTableView *>("Table")->model()->rowCount(), 0);
        QCOMPARE(series(view),
                 (QStringList{QStringLiteral("Úspěšnost:"), QStringLiteral("Body:")}));
        QCOMPARE(view->findChild<QLabel *>("Summary")->text(),
                 QStringLiteral("Žádný zaznamenaný běh zkoušení.    (nečitelných řádků v "
                                "historii: 1)"));
        QCOMPARE(t.errors, QStringList());
        view->close();
    }

    void overviewWithoutHistory()
    {
        DrillWindow t;
        TOverview *view = openOverview(t); // no name: everyone
        QCOMPARE(view->pupil(), TOverview::AllPupils());
        QCOMPARE(view->findChild<QComboBox *>("ComboBox1")->count(), 1);
        QCOMPARE(view->findChild<QTableView *>("Table")->model()->rowCount(), 0);
        QCOMPARE(series(view), QStringList());
        QCOMPARE(view->findChild<QLabel *>("Summary")->text(),
                 QStringLiteral("Žádný zaznamenaný běh zkoušení."));
        QVERIFY(!QFile::exists(t.dir.filePath(HistoryFileName)));
        view->close();
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
