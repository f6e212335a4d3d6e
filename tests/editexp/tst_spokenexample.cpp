// An example as a screen reader says it.

#include "editexp/spokenexample.h"

#include <QTest>

class SpokenExampleTest : public QObject
{
    Q_OBJECT

private slots:
    void words_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("sum") << "4+8"
                             << "4 plus 8 je";
        QTest::newRow("every operator")
            << "12-3*4/2" << QStringLiteral("12 mínus 3 krát 4 děleno 2 je");
        QTest::newRow("signs and decimals")
            << "-3+-2,5" << QStringLiteral("mínus 3 plus mínus 2,5 je");
        QTest::newRow("brackets") << "((6/4)+9)*(8-4)"
                                  << QStringLiteral("levá závorka levá závorka 6 děleno 4 pravá "
                                                    "závorka plus 9 pravá závorka krát levá "
                                                    "závorka 8 mínus 4 pravá závorka je");
        QTest::newRow("power") << "5^2"
                               << "5 na 2 je";
        QTest::newRow("square root") << "Sqrt 64"
                                     << "odmocnina z 64 je";
        // An exponent belongs to its number: "-7" there is no subtraction.
        QTest::newRow("exponents") << "1,5E-7+1E15" << QStringLiteral("1,5E-7 plus 1E15 je");
        QTest::newRow("nothing shown") << ""
                                       << "";
    }
    void words()
    {
        QFETCH(QString, example);
        QFETCH(QString, spoken);
        QCOMPARE(QString::fromStdString(SpokenExample(example.toStdString(), SpokenWords())),
                 spoken);
    }

    void wordsOfAnotherLanguage()
    {
        SpokenWords english;
        english.times = "times";
        english.equals = "equals";
        QCOMPARE(SpokenExample("7*6", english), "7 times 6 equals");
    }
};

QTEST_APPLESS_MAIN(SpokenExampleTest)
#include "tst_spokenexample.moc"
