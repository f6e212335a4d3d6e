#pragma once

// A main window on a fresh program folder for the practice and examination tests: errors and
// questions are collected instead of boxed, the locale is Czech unless a test says otherwise.

#include "app/asker.h"
#include "app/errorreport.h"
#include "app/numlet.h"
#include "support/control.h"
#include "widgets/tcolumnlistbox.h"
#include "widgets/tscaledimage.h"
#include "widgets/tstatusbarpro.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

struct DrillWindow
{
    QTemporaryDir dir;
    QString folder; // the program folder: the temporary one or a folder inside it
    TNumlet w;
    QStringList errors;
    QStringList questions;
    bool answerYes = true;

    explicit DrillWindow(const QLocale &locale = QLocale(QLocale::Czech, QLocale::Czechia),
                         const QString &programFolder = QString())
        : folder(programFolder.isEmpty() ? dir.path() : dir.filePath(programFolder)), w(folder)
    {
        QLocale::setDefault(locale);
        w.setRandSeed(0);
        ErrorReport::setReporter([this](const QString &text) { errors << text; });
        Asker::setAsker([this](const QString &text) {
            questions << text;
            return answerYes;
        });
    }
    ~DrillWindow()
    {
        ErrorReport::setReporter({});
        Asker::setAsker({});
    }

    template <typename T = QWidget> T *get(const char *name) const { return control<T>(w, name); }
    QString text(const char *label) const { return get<QLabel>(label)->text(); }
    QAbstractButton *button(const char *name) const { return get<QAbstractButton>(name); }
    QLineEdit *edit2() const { return get<QLineEdit>("Edit2"); }
    TColumnListBox *log() const { return get<TColumnListBox>("ListBox1"); }
    QTimer *timer(const char *name) const { return get<QTimer>(name); }
    QString status() const { return get<TStatusBarPro>("StatusBarPro1")->panelText(0); }
    QSize picture() const { return get<TScaledImage>("ScaledImage1")->picture().size(); }
    void invoke(const char *method) { QVERIFY(QMetaObject::invokeMethod(&w, method)); }
    void ticks(const char *timerHandler, int count)
    {
        for (int i = 0; i < count; ++i)
            invoke(timerHandler);
    }
    void setDown(const char *name, bool down)
    {
        if (button(name)->isChecked() != down)
            button(name)->click();
    }

    // The example on screen, as the generator would have shown it.
    void show(const QString &example) { get<QLabel>("LabelF1")->setText(example); }
    // Types into the answer field, through its character filter, and presses Enter.
    void answer(const QString &typed)
    {
        edit2()->clear();
        QTest::keyClicks(edit2(), typed);
        QTest::keyClick(edit2(), Qt::Key_Return);
    }
    void answer(const QString &example, const QString &typed)
    {
        show(example);
        answer(typed);
    }
    void name(const QString &examinee)
    {
        QLineEdit *edit = get<QComboBox>("ComboBox7")->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, examinee);
    }
    void setExampleCount(int n) { get<QSlider>("TrackBar1")->setValue(n); }
    // The log's rows as "number|image|text".
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < log()->rowCount(); ++i)
            out << QStringLiteral("%1|%2|%3")
                       .arg(log()->cellText(i, 0))
                       .arg(log()->rowImage(i))
                       .arg(log()->cellText(i, 2));
        return out;
    }
    QByteArray file(const QString &name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
};

inline const QSize VerdictPicture(170, 175);
inline const QSize AboutPicture(351, 180);
