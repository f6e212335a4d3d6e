// The English face: the window's captions and verdicts in English when chosen, Czech otherwise
// whatever the system's language, the choice stored only when the user makes it, and files that
// read the same under either face.

#include "app/startup.h"
#include "config/language.h"
#include "drill/history.h"
#include "editexp/evaluator.h"
#include "worksheet/worksheetwindow.h"

#include <QAccessible>
#include <QProcess>
#include <QSlider>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// A worksheet generated from a fixed seed, answered (right, wrong, unsolved, in turn), computed
// and saved under the given face; the saved bytes.
QByteArray computedWorksheet(Language language, const QString &file)
{
    Startup::installLanguage(language);
    WorksheetWindow t;
    Platform::setDateTimeSource([] { return QDateTime(QDate(2026, 3, 2), QTime(8, 5, 9)); });
    t.get<QSlider>("TrackBar1")->setValue(6);
    t.button("SpeedButton3")->click();
    QStringList lines = t.lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double right = Evaluate(lines[i].chopped(1).toStdString()).value;
        if (i % 3 == 0)
            lines[i] += QString::number(right);
        else if (i % 3 == 1)
            lines[i] += QString::number(right + 1);
    }
    t.setLines(lines);
    t.button("SpeedButton10")->click();
    t.choice = file;
    t.button("SpeedButton11")->click();
    Startup::installLanguage(Language::Czech);
    return readAll(file);
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Startup::installLanguage(Language::Czech); }

    void windowInEnglish()
    {
        Startup::installLanguage(Language::English);
        DrillWindow t;
        QCOMPARE(t.text("Label3D3"), QStringLiteral("Total examples :"));
        QCOMPARE(t.get<QTabWidget>("PageControl1")->tabText(1), QStringLiteral("   Examples "));
        QCOMPARE(t.get<QAbstractButton>("BBox5")->text(),
                 QStringLiteral("Addition and subtraction only"));
        QCOMPARE(t.get<QWidget>("SpeedButton3")->statusTip(),
                 QStringLiteral("Generates new examples"));
        QCOMPARE(t.get<QComboBox>("ComboBox8")->currentIndex(), 1);
        t.answer("4+8", "11");
        QCOMPARE(t.text("Label1"), QStringLiteral("That's wrong!!!"));
        t.answer("4+8", "12");
        QCOMPARE(t.text("Label1"), QStringLiteral("That's right!!!"));
        t.button("SpeedButton9")->click();
        QVERIFY(QAccessible::queryAccessibleInterface(t.edit2())
                    ->text(QAccessible::Description)
                    .endsWith(QLatin1String(" equals")));
    }

    // Nothing is written until the user picks a language; then only the one key is added.
    void choiceIsStoredWhenMade()
    {
        DrillWindow t;
        const QString ini = t.dir.filePath("Numlex.ini");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; a teacher's note\r\n[Setup]\r\nB7=0\r\n");
        f.close();
        auto *box = t.get<QComboBox>("ComboBox8");
        QCOMPARE(box->currentIndex(), 0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(readAll(ini), QByteArray("; a teacher's note\r\n[Setup]\r\nB7=0\r\nJazyk=en\r\n"));
        QCOMPARE(ReadLanguage(ini), Language::English);
        QCOMPARE(t.status(), QStringLiteral("Jazyk se změní při příštím spuštění programu."));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(ReadLanguage(ini), Language::Czech);
        QCOMPARE(t.status(), QString());
    }

    // The program as started: Czech on an English system unless English was chosen. The second
    // start's message tells which face it has.
    void startFollowsTheChoiceNotTheSystem_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no settings") << QByteArray() << QByteArray("Aplikace na pozadí");
        QTest::newRow("no choice")
            << QByteArray("[Setup]\r\nB7=1\r\n") << QByteArray("Aplikace na pozadí");
        QTest::newRow("English") << QByteArray("[Setup]\r\nJazyk=en\r\n")
                                 << QByteArray("The program is already running in the background.");
    }
    void startFollowsTheChoiceNotTheSystem()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, message);
        QTemporaryDir folder, runtime;
        const QString program = folder.filePath("numlet");
        QVERIFY(QFile::copy(QStringLiteral(NUMLET_EXECUTABLE), program));
        if (!settings.isEmpty()) {
            QFile ini(folder.filePath("Numlex.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write(settings);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("LANG", "en_US.UTF-8");
        env.insert("LANGUAGE", "en_US");
        QProcess first, second;
        for (QProcess *p : {&first, &second})
            p->setProcessEnvironment(env);
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTest::qWait(500);
        second.start(program, {});
        QVERIFY(second.waitForStarted());
        QByteArray said;
        for (int i = 0; i < 100 && !said.contains('\n'); ++i) {
            second.waitForReadyRead(100);
            said += second.readAllStandardError();
        }
        second.kill();
        first.kill();
        second.waitForFinished();
        first.waitForFinished();
        QVERIFY2(said.contains(message), said.constData());
    }

    // A worksheet computed under one face is byte for byte the one computed under the other,
    // and each opens and counts under the other.
    void filesReadTheSameUnderEitherFace()
    {
        QTemporaryDir dir;
        const QByteArray english = computedWorksheet(Language::English, dir.filePath("en.nlx"));
        const QByteArray czech = computedWorksheet(Language::Czech, dir.filePath("cs.nlx"));
        QVERIFY(english.contains("Velmorsoft"));
        QCOMPARE(english, czech);

        Startup::installLanguage(Language::English);
        WorksheetWindow t;
        t.choice = dir.filePath("cs.nlx");
        t.button("SpeedButton13")->click();
        QCOMPARE(t.text("Label3D23"), QStringLiteral("2"));
        QCOMPARE(t.text("Label3D21"), QStringLiteral("2"));
        QCOMPARE(t.text("Label3D22"), QStringLiteral("2"));

        // The history's words too.
        t.name("Eva");
        t.button("SpeedButton6")->click();
        t.answer("2+3", "5");
        t.button("SpeedButton5")->click();
        QVERIFY(t.file(HistoryFileName).startsWith(HistoryHeaderLine()));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
