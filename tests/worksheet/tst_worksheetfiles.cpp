// Worksheet files in the real window: saving with the proposed name and the names list, opening
// with the trailer shown again, a file that cannot be read, the check of a clicked line, and
// reading and writing "Jmena.txt".

#include "worksheetwindow.h"

#include <QComboBox>

namespace {
QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}
} // namespace

class WorksheetFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void savingProposesTheNameAndAddsItOnce()
    {
        WorksheetWindow t;
        auto *names = t.get<QComboBox>("ComboBox7");
        t.setLines({"1+2=", "Žák", "3*4=12"});
        t.name("Anna");
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton11")->click();
        QCOMPARE(t.proposed, QStringList{"SaveDialog1|" + t.folder + "/|Anna.nlx"});
        QCOMPARE(t.file("Anna.nlx"), QByteArray("1+2=\r\n\x8E\xE1k\r\n3*4=12\r\n"));
        QCOMPARE(items(names), QStringList{"Anna"});
        QCOMPARE(names->currentText(), QStringLiteral("Anna"));
        QCOMPARE(t.text("Label3D20"), QStringLiteral("Anna.nlx"));
        QCOMPARE(t.get<QWidget>("Label3D20")->statusTip(), QStringLiteral("Anna.nlx"));
        QCOMPARE(t.get<QWidget>("Label3D20")->toolTip(),
                 QDir::toNativeSeparators(t.path("Anna.nlx")));
        t.button("SpeedButton11")->click();
        QCOMPARE(items(names), QStringList{"Anna"});

        // Cancelled: no file, no name.
        t.get<QComboBox>("ComboBox7")->setEditText("Bára");
        t.choice.clear();
        t.button("SpeedButton11")->click();
        QCOMPARE(t.proposed.last(), "SaveDialog1|" + t.folder + "/|Bára.nlx");
        QCOMPARE(items(names), QStringList{"Anna"});
        QCOMPARE(t.text("Label3D20"), QStringLiteral("Anna.nlx"));

        // An empty name is proposed as ".nlx" and listed as an empty name.
        t.name("");
        t.choice = t.path("Prazdne.nlx");
        t.button("SpeedButton11")->click();
        QCOMPARE(t.proposed.last(), "SaveDialog1|" + t.folder + "/|.nlx");
        QCOMPARE(items(names), (QStringList{"Anna", ""}));
        t.button("SpeedButton11")->click();
        QCOMPARE(items(names), (QStringList{"Anna", ""}));

        // The export goes into the file saved last.
        t.button("SpeedButton4")->click();
        QCOMPARE(t.opened, QStringList{t.path("Prazdne.nlx")});
        QCOMPARE(t.errors, QStringList());
    }

    void nameOutsideTheFolderIsNotProposed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../evil";
        QTest::newRow("sub-folder") << "sub/evil";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("device") << "CON";
    }
    void nameOutsideTheFolderIsNotProposed()
    {
        QFETCH(QString, name);
        WorksheetWindow t;
        t.setLines({"1+2="});
        t.get<QComboBox>("ComboBox7")->setEditText(name);
        t.button("SpeedButton11")->click();
        t.button("SpeedButton13")->click();
        QCOMPARE(t.proposed, (QStringList{"SaveDialog1|" + t.folder + "/|.nlx",
                                          "OpenDialog1|" + t.folder + "/|.nlx"}));
    }

    void savingAnUnwritableFileKeepsTheState()
    {
        WorksheetWindow t;
        t.setLines({"1+2="});
        t.name("Anna");
        t.choice = t.path("missing/Anna.nlx");
        t.button("SpeedButton11")->click();
        QCOMPARE(t.errors, QStringList{"Cannot create file " +
                                       QDir::toNativeSeparators(t.path("missing/Anna.nlx"))});
        QCOMPARE(t.text("Label3D20"), QStringLiteral("-"));
        QCOMPARE(items(t.get<QComboBox>("ComboBox7")), QStringList());
    }

    void computedSheetReopensWithItsSummary()
    {
        WorksheetWindow t;
        Platform::setDateTimeSource([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3)); });
        t.setLines({"7*8=56", "7*8=", "9-4=5"});
        t.button("SpeedButton10")->click();
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton11")->click();
        t.button("SpeedButton2")->click();
        QCOMPARE(t.text("Label3D23"), QStringLiteral("-"));

        t.name("Anna");
        t.button("SpeedButton13")->click();
        QCOMPARE(t.proposed.last(), "OpenDialog1|" + t.folder + "/|Anna.nlx");
        QCOMPARE(t.lines(), (QStringList{"7*8=56[ 56,00 ]", "7*8=[ 56,00 ]", "9-4=5[ 5,00 ]", " ",
                                         "05.03.24 9:05:03", "2", "1", "-", "Velmorsoft © 2006"}));
        QCOMPARE(t.text("Label8"), QStringLiteral("9"));
        QCOMPARE(t.text("Label3D23"), QStringLiteral("2"));
        QCOMPARE(t.text("Label3D22"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D21"), QStringLiteral("-"));
        QCOMPARE(t.text("Label3D24"), QStringLiteral("05.03.24 9:05:03"));
        QCOMPARE(t.text("Label3D20"), QStringLiteral("Anna.nlx"));
        QCOMPARE(t.get<QWidget>("Label3D20")->statusTip(), QStringLiteral("Anna.nlx"));
        // Opened, it is not computed again.
        t.button("SpeedButton10")->click();
        QCOMPARE(t.lines().size(), 9);
        // Saved again, the six trailer lines are the same bytes.
        const QByteArray saved = t.file("Anna.nlx");
        t.choice = t.path("Znovu.nlx");
        t.button("SpeedButton11")->click();
        QCOMPARE(t.file("Znovu.nlx"), saved);
    }

    void pupilsEditorFileOpens_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("labels"); // correct, unsolved, wrong, checked

        QTest::newRow("UTF-8 with LF, marker with blanks")
            << QByteArray("\xEF\xBB\xBFŽák=\n \n05.03.24 9:05:03\n1\n-\n4\nVelmorsoft © 2006  \n")
            << QStringList{"1", "-", "4", "05.03.24 9:05:03"};
        QTest::newRow("marker not last")
            << QByteArray(
                   "1+1=2\r\n \r\n05.03.24 9:05:03\r\n1\r\n-\r\n-\r\nVelmorsoft \xA9 2006\r\n"
                   "2+2=\r\n")
            << QStringList{"-", "-", "-", "-"};
        QTest::newRow("short marker file")
            << QByteArray("3\r\nVelmorsoft \xA9 2006") << QStringList{"-", "-", "3", "-"};
        QTest::newRow("empty") << QByteArray() << QStringList{"-", "-", "-", "-"};
    }
    void pupilsEditorFileOpens()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, labels);
        WorksheetWindow t;
        t.writeFile("Pupil.nlx", bytes);
        t.choice = t.path("Pupil.nlx");
        t.button("SpeedButton13")->click();
        QCOMPARE((QStringList{t.text("Label3D23"), t.text("Label3D22"), t.text("Label3D21"),
                              t.text("Label3D24")}),
                 labels);
        QCOMPARE(t.text("Label8"), QString::number(t.lines().size()));
        if (bytes.startsWith("\xEF\xBB\xBF"))
            QCOMPARE(t.lines().first(), QStringLiteral("Žák="));
        QCOMPARE(t.errors, QStringList());
    }

    void unreadableFileKeepsTheWorksheet()
    {
        WorksheetWindow t;
        t.setLines({"1+2=3", "4+5="});
        t.choice = t.path("Anna.nlx");
        t.button("SpeedButton11")->click();
        t.choice = t.path("Anan.nlx"); // mistyped
        t.button("SpeedButton13")->click();
        QCOMPARE(t.errors,
                 QStringList{"Cannot open file " + QDir::toNativeSeparators(t.path("Anan.nlx"))});
        QCOMPARE(t.lines(), (QStringList{"1+2=3", "4+5="}));
        QCOMPARE(t.text("Label3D20"), QStringLiteral("Anna.nlx"));
        // The worksheet file is still the one saved.
        t.answerYes = false;
        t.button("SpeedButton4")->click();
        QCOMPARE(t.questions.size(), 1);
        QVERIFY(t.questions.first().contains(QDir::toNativeSeparators(t.path("Anna.nlx"))));
    }

    void clickedLineBecomesTheExample()
    {
        WorksheetWindow t;
        QStringList sheet;
        for (int i = 1; i <= 20; ++i)
            sheet << QStringLiteral("%1+1=").arg(i);
        sheet[2] = QStringLiteral(" 10/4 =2,5[ 2,50 ]");
        t.setLines(sheet);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        t.get<QTabWidget>("PageControl1")->setCurrentIndex(1);
        const auto clickLine = [&t](int row) {
            QListWidget *list = t.list();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        };
        const QString example = t.text("LabelF1");

        clickLine(2); // not bound yet: the click only selects
        QCOMPARE(t.list()->currentRow(), 2);
        QCOMPARE(t.text("LabelF1"), example);

        t.button("BBox20")->click();
        clickLine(2);
        QCOMPARE(t.text("Label8"), QStringLiteral("20/3"));
        QCOMPARE(t.text("LabelF1"), QStringLiteral("10/4"));
        QCOMPARE(t.text("Label3D1"), QStringLiteral("2,50"));
        QCOMPARE(t.text("Label11"), QStringLiteral("4 - 50 / 50 / 14"));
        // An answer now is judged against the clicked line.
        t.answer("2,5");
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));

        t.button("BBox20")->click();
        const QString next = t.text("LabelF1");
        clickLine(5);
        QCOMPARE(t.list()->currentRow(), 5);
        QCOMPARE(t.text("LabelF1"), next);
        QCOMPARE(t.text("Label8"), QStringLiteral("0"));
        QCOMPARE(t.errors, QStringList());
    }

    void namesListIsReadAndWritten()
    {
        WorksheetWindow t;
        t.writeFile("Jmena.txt", "Anna\r\nB\xE1ra\r\n\r\n");
        t.invoke("LoadNames");
        auto *names = t.get<QComboBox>("ComboBox7");
        QCOMPARE(items(names), (QStringList{"Anna", "Bára", ""}));
        QCOMPARE(names->currentText(), QString()); // no examinee chosen
        QVERIFY(!t.button("SpeedButton6")->isEnabled());

        t.setLines({"1+1="});
        t.get<QComboBox>("ComboBox7")->setEditText("Žofie");
        t.choice = t.path("Žofie.nlx");
        t.button("SpeedButton11")->click();
        t.invoke("SaveNames");
        QCOMPARE(t.file("Jmena.txt"), QByteArray("Anna\r\nB\xE1ra\r\n\r\n\x8E"
                                                 "ofie\r\n"));
    }

    void namesListThatWasNeverReadIsNotReplaced()
    {
        WorksheetWindow t;
        t.writeFile("Jmena.txt", "Anna\r\n");
        t.invoke("SaveNames");
        QCOMPARE(t.file("Jmena.txt"), QByteArray("Anna\r\n"));

        // No file: the list starts empty, and the close writes it.
        QVERIFY(QFile::remove(t.path("Jmena.txt")));
        t.invoke("LoadNames");
        t.invoke("SaveNames");
        QCOMPARE(t.file("Jmena.txt"), QByteArray());
        QCOMPARE(t.errors, QStringList());
    }
};

QTEST_MAIN(WorksheetFilesTest)
#include "tst_worksheetfiles.moc"
