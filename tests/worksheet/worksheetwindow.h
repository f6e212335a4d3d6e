#pragma once

// A main window for the worksheet tests: the window of the practice tests with the file dialogs
// answered by the test, the editor, the tick count and the date replaced, and a probe that
// watches the window whenever a loop lets messages run.

#include "../drill/drillwindow.h"

#include "app/filedialog.h"
#include "app/platform.h"
#include "widgets/tgauge.h"

#include <QDateTime>
#include <QListWidget>

#include <functional>

struct WorksheetWindow : DrillWindow
{
    QStringList opened; // files handed to the text editor
    bool editorStarts = true;
    QStringList proposed; // "dialog|initial folder|proposed name" of every dialog shown
    QString choice;       // the dialogs' answer; empty cancels
    QTimer probe;         // fires at every message pump of a loop, while it runs

    explicit WorksheetWindow(const QLocale &locale = QLocale(QLocale::Czech, QLocale::Czechia),
                             const QString &programFolder = QString())
        : DrillWindow(locale, programFolder)
    {
        Platform::setTextEditor([this](const QString &path) {
            opened << path;
            return editorStarts;
        });
        TFileDialog::setChooser([this](const TFileDialog &dialog) {
            proposed << dialog.objectName() + "|" + dialog.InitialDir + "|" + dialog.FileName;
            return choice;
        });
        // Never the user's own home folder: the export's default target lies there.
        qputenv("HOME", dir.path().toLocal8Bit());
        probe.setInterval(0);
    }
    ~WorksheetWindow()
    {
        Platform::setTextEditor({});
        Platform::setTickSource({});
        Platform::setDateTimeSource({});
        TFileDialog::setChooser({});
    }

    QListWidget *list() const { return get<QListWidget>("EBox1"); }
    TGauge *gauge(const char *name) const { return get<TGauge>(name); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    // A worksheet as a pupil or a file brought it, put straight into the list.
    void setLines(const QStringList &items)
    {
        list()->clear();
        list()->addItems(items);
    }
    void check(const char *name, bool on) { get<QAbstractButton>(name)->setChecked(on); }
    bool enabled(const char *name) const { return get<QWidget>(name)->isEnabled(); }
    QString path(const QString &name) const { return QDir(folder).filePath(name); }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileAt(const QString &file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    // Runs the probe's check at every message pump while a toolbar button's operation runs.
    void during(const char *buttonName, const std::function<void()> &check)
    {
        const auto connection = QObject::connect(&probe, &QTimer::timeout, check);
        probe.start();
        button(buttonName)->click();
        probe.stop();
        QObject::disconnect(connection);
    }

    // The whole window is usable again: example display, answer field, toolbar and panels.
    void verifyWhole(bool calculatorEnabled = true) const
    {
        QVERIFY(!get<QWidget>("LabelF1")->isHidden());
        QVERIFY(!get<QWidget>("Label3")->isHidden());
        QCOMPARE(edit2()->width(), 126);
        QCOMPARE(text("Label3D25"), QString());
        QVERIFY(enabled("Panel3"));
        QVERIFY(enabled("Panel7"));
        QCOMPARE(enabled("SpeedButton7"), calculatorEnabled);
        QCOMPARE(gauge("Gauge2")->barColor(), QColor(0, 255, 0));
    }
};
