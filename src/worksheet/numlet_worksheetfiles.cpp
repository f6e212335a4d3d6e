// Worksheet files in the window: saving and opening, the check of a clicked line, and the names
// list of the name box.

#include "app/filedialog.h"
#include "app/numlet.h"
#include "drill/examineefile.h"
#include "textfile/textfile.h"
#include "ui_numlet.h"
#include "worksheet/worksheetfile.h"

#include <QDir>
#include <QFileInfo>

// The name box text as the dialogs propose it. A name that is no plain file name (a folder in
// it, "..", a device) is not proposed, so the proposal never leaves the program folder.
QString TNumlet::proposedWorksheetName() const
{
    const QString name = ui->ComboBox7->currentText();
    return (IsPlainFileName(name) ? name : QString()) + QStringLiteral(".nlx");
}

void TNumlet::showWorksheetFile(const QString &path)
{
    worksheet.fileName = path;
    const QString name = QFileInfo(path).fileName();
    ui->Label3D20->setText(name);
    ui->Label3D20->setStatusTip(name);
    ui->Label3D20->setToolTip(QDir::toNativeSeparators(path));
}

void TNumlet::SpeedButton11Click()
{
    if (ui->EBox1->count() == 0)
        return;
    SaveDialog1->InitialDir = programFolder;
    SaveDialog1->FileName = proposedWorksheetName();
    // A cancelled save adds no name: the list grows only by worksheets actually saved.
    if (!SaveDialog1->Execute(this))
        return;
    const QString path = SaveDialog1->FileName;
    WriteWorksheetFile(path, worksheetItems());
    showWorksheetFile(path);

    QComboBox *names = ui->ComboBox7;
    const QString name = names->currentText();
    for (int i = 0; i < names->count(); ++i) {
        if (names->itemText(i) == name)
            return;
    }
    names->addItem(name);
    names->setEditText(name); // the first item of an empty box would become current
}

void TNumlet::SpeedButton13Click()
{
    OpenDialog1->InitialDir = programFolder;
    OpenDialog1->FileName = proposedWorksheetName();
    if (!OpenDialog1->Execute(this))
        return;
    const QString path = OpenDialog1->FileName;
    // Read first: a file that cannot be read leaves the worksheet as it was.
    const OpenedWorksheet opened = ReadWorksheetFile(path);
    ClearWorksheet();
    ui->EBox1->addItems(opened.lines);
    showWorksheetFile(path);
    ui->Label8->setText(QString::number(opened.lines.size()));
    if (opened.trailer) {
        ui->Label3D21->setText(opened.trailer->wrong);
        ui->Label3D22->setText(opened.trailer->unsolved);
        ui->Label3D23->setText(opened.trailer->correct);
        ui->Label3D24->setText(opened.trailer->checked);
    }
}

void TNumlet::BBox20Click()
{
    disconnect(lineCheck);
    if (ui->BBox20->isChecked())
        lineCheck = connect(ui->EBox1, &QListWidget::itemClicked, this,
                            [this] { ErrorReport::guarded([this] { PListBox1Click(); }); });
}

void TNumlet::PListBox1Click()
{
    // While a worksheet operation runs the example display is its own: a click in a pause of
    // the generation would otherwise turn the next generated line into the clicked one.
    const QListWidgetItem *line = ui->EBox1->currentItem();
    if (!line || !ui->Panel3->isEnabled())
        return;
    ui->LabelF1->setText(ClickedLineExpression(line->text()));
    Pismo();
    ui->Label8->setText(ProgressText(ui->EBox1->count(), ui->EBox1->currentRow() + 1));
    PrepareEvaluationText();
    ui->EditExp1->setText(QString::fromStdString(generation.evaluationText));
    ui->Label3D1->setText(ui->EditExp1->ResultText());
}

void TNumlet::LoadNames()
{
    ErrorReport::guarded([this] {
        const QString path = NamesFilePath(programFolder);
        if (QFileInfo::exists(path)) {
            const QStringList names = ReadNamesFile(path);
            // Filling the box would make its first name the examinee; the text stays as it is.
            QComboBox *box = ui->ComboBox7;
            const QString text = box->currentText();
            box->clear();
            box->addItems(names);
            box->setCurrentIndex(-1);
            box->setEditText(text);
        }
        worksheet.namesLoaded = true;
    });
}

void TNumlet::SaveNames()
{
    // A list that was never read (or could not be) would replace the file with fewer names.
    if (!worksheet.namesLoaded)
        return;
    ErrorReport::guarded([this] {
        QStringList names;
        for (int i = 0; i < ui->ComboBox7->count(); ++i)
            names.append(ui->ComboBox7->itemText(i));
        WriteNamesFile(NamesFilePath(programFolder), names);
    });
}
