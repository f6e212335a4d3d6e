// The next-example cycle: candidates are generated until one passes every result constraint
// that is switched on, or the generation limit is reached.

#include "app/numlet.h"
#include "editexp/numbertext.h"
#include "ui_numlet.h"

#include <QCoreApplication>

#include <cmath>
#include <stdexcept>

namespace {

// The filter value: the first ',' (or, without one, the first '.') is the decimal separator.
double readFilterValue(const QString &text)
{
    QString number = text;
    qsizetype at = number.indexOf(QLatin1Char(','));
    if (at < 0)
        at = number.indexOf(QLatin1Char('.'));
    if (at >= 0)
        number[at] = QLatin1Char('.');
    const QByteArray bytes = number.toUtf8();
    const auto value =
        ParseLocaleNumber(std::string_view(bytes.constData(), size_t(bytes.size())), '.');
    if (!value)
        throw std::runtime_error(
            QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
    return *value;
}

} // namespace

void TNumlet::PrepareEvaluationText()
{
    evaluationText = ui->LabelF1->text();
    evaluationText.replace(QLatin1Char(','), QLatin1Char('.'));
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
            for (QWidget *w :
                 {static_cast<QWidget *>(ui->LabelF1), static_cast<QWidget *>(ui->Label3),
                  static_cast<QWidget *>(ui->Edit2)}) {
                QFont f = w->font();
                f.setPointSize(fit.points);
                w->setFont(f);
            }
            ui->Edit2->setGeometry(ui->Edit2->x(), fit.top, ui->Edit2->width(), fit.height);
            break;
        }
    }
    ui->Label11->setText(QStringLiteral("%1 - %2 / %3 / %4")
                             .arg(n)
                             .arg(ui->LabelF1->font().pointSize())
                             .arg(ui->Edit2->font().pointSize())
                             .arg(ui->Edit2->y()));
}

void TNumlet::NextExample()
{
    // The pass flags live for the whole call: a flag that a step does not set keeps its value
    // from the previous candidate.
    bool positive = false, negative = false, whole = false, filtered = false;
    const int limit = ui->TrackBar2->value();
    for (int i = 0; i <= limit; ++i) {
        GenerateExample();
        Pismo();
        PrepareEvaluationText();
        ui->EditExp2->setText(evaluationText);

        if (ui->BBox3->isChecked())
            positive = ui->EditExp2->Value() > 0;
        if (ui->BBox21->isChecked())
            negative = ui->EditExp2->Value() < 0;
        if (ui->BBox4->isChecked()) {
            const double v = ui->EditExp2->Value();
            whole = v - std::trunc(v) == 0 && positive;
        }
        if (ui->BBox19->isChecked()) {
            const double f = readFilterValue(ui->Edit1->text());
            if (f - std::trunc(f) != 0)
                ui->BBox4->setChecked(false);
            if (f < 0)
                ui->BBox3->setChecked(false);
            if (f > 0)
                ui->BBox21->setChecked(false);
            const QString action = ui->ComboBox6->currentText();
            const double v = ui->EditExp2->Value();
            if (action == QLatin1String("="))
                filtered = v != f;
            else if (action == QLatin1String("<"))
                filtered = v >= f;
            else if (action == QLatin1String(">"))
                filtered = v <= f;
            else if (action == QLatin1String("<>"))
                filtered = v == f;
        }

        QCoreApplication::processEvents();

        if (!ui->BBox3->isChecked())
            positive = true;
        if (!ui->BBox21->isChecked())
            negative = true;
        if (!ui->BBox4->isChecked())
            whole = true;
        if (!ui->BBox19->isChecked())
            filtered = true;

        ui->Gauge1->setValue(i);
        if (positive && whole && filtered && negative)
            return;
        AnswerTicks = 0;
        ui->StatusBarPro1->setPanelText(
            0, i < limit ? QString() : QStringLiteral("Překročena hranice generovacího procesu"));
    }
}
