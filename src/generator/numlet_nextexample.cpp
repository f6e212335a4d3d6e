// The next-example cycle: candidates are generated until one passes every result constraint
// that is switched on, or the generation limit is reached.

#include "app/numlet.h"
#include "generator/numlet_framepacer.h"
#include "ui_numlet.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <charconv>
#include <stdexcept>

// The result constraints as the option boxes stand now.
ResultOptions TNumlet::readResultOptions() const
{
    ResultOptions options;
    options.positiveOnly = ui->BBox3->isChecked();
    options.negativeOnly = ui->BBox21->isChecked();
    options.wholeOnly = ui->BBox4->isChecked();
    options.filterOn = ui->BBox19->isChecked();
    return options;
}

void TNumlet::PrepareEvaluationText()
{
    QString text = ui->LabelF1->text();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    generation.evaluationText = text.toStdString();
}

void TNumlet::Pismo()
{
    const qsizetype n = ui->LabelF1->text().size();
    struct Fit
    {
        qsizetype upTo;
        int points, top, height;
    };
    static const Fit fits[] = {{14, 50, 14, 72}, {25, 30, 30, 42}, {30, 25, 35, 40},
                               {40, 25, 37, 40}, {49, 15, 42, 30}, {60, 11, 46, 20}};
    if (n >= 1) {
        for (const Fit &fit : fits) {
            if (n > fit.upTo)
                continue;
            // The form gives these controls their own point size, so an equal size or geometry
            // is already in place; setting it again would re-resolve fonts for nothing.
            for (QWidget *w :
                 {static_cast<QWidget *>(ui->LabelF1), static_cast<QWidget *>(ui->Label3),
                  static_cast<QWidget *>(ui->Edit2)}) {
                if (w->font().pointSize() == fit.points)
                    continue;
                QFont f = w->font();
                f.setPointSize(fit.points);
                w->setFont(f);
            }
            const QRect place(ui->Edit2->x(), fit.top, ui->Edit2->width(), fit.height);
            if (ui->Edit2->geometry() != place)
                ui->Edit2->setGeometry(place);
            break;
        }
    }
    // Written for every candidate: one buffer, one string.
    char line[96];
    char *at = line;
    const long long parts[] = {n, ui->LabelF1->font().pointSize(), ui->Edit2->font().pointSize(),
                               ui->Edit2->y()};
    const char *separators[] = {" - ", " / ", " / ", ""};
    for (int k = 0; k < 4; ++k) {
        at = std::to_chars(at, line + sizeof line, parts[k]).ptr;
        for (const char *c = separators[k]; *c; ++c)
            *at++ = *c;
    }
    ui->Label11->setText(QString::fromLatin1(line, at - line));
}

void TNumlet::NextExample()
{
    // The pass flags live for the whole call (the engine carries them from candidate to
    // candidate); the options are read afresh before and after the message pump.
    CandidateAcceptance acceptance;
    // The example a screen reader hears is the one that stays.
    const auto described = qScopeGuard([this] { describeExample(); });
    // The screen shows one frame per refresh: candidates between two frames are not painted.
    const FramePacer::Busy busy(framePacer);
    const int limit = ui->TrackBar2->value();
    for (int i = 0; i <= limit; ++i) {
        GenerateExample();
        Pismo();
        PrepareEvaluationText();
        ui->EditExp2->setText(QString::fromStdString(generation.evaluationText));

        const ResultOptions options = readResultOptions();
        ResultFilter filter;
        if (options.filterOn) {
            const QString text = ui->Edit1->text();
            const auto value = ReadFilterValue(text.toStdString());
            if (!value)
                throw std::runtime_error(QStringLiteral("'%1' is not a valid floating point value")
                                             .arg(text)
                                             .toStdString());
            filter = {*value, FilterActionFromText(ui->ComboBox6->currentText().toStdString())};
        }
        const double v = options.any() ? ui->EditExp2->Value() : 0;
        const SwitchedOff off = acceptance.test(v, options, filter);
        if (off.wholeOnly)
            ui->BBox4->setChecked(false);
        if (off.positiveOnly)
            ui->BBox3->setChecked(false);
        if (off.negativeOnly)
            ui->BBox21->setChecked(false);

        QCoreApplication::processEvents();

        const bool accepted = acceptance.release(readResultOptions());
        ui->Gauge1->setValue(i);
        if (accepted)
            return;
        drill.AnswerTicks = 0;
        ui->StatusBarPro1->setPanelText(
            0, i < limit ? QString() : tr("Překročena hranice generovacího procesu"));
    }
}
