#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class TNumlet;
}
class QTimer;
class TImageList;

// The main window. It owns every piece of state of the running program; its handlers read the
// controls, call the engine and write the controls back. Method definitions are split by
// subsystem into that subsystem's folder.
class TNumlet : public QWidget
{
    Q_OBJECT
public:
    explicit TNumlet(const QString &programFolder, QWidget *parent = nullptr);
    ~TNumlet() override;

    QString ProgramFolder() const { return programFolder; }
    const TImageList *ImageList1() const { return imageList1.get(); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Window as a whole
    void PageControl1Change();
    void SB1Click();
    void ListBox2MouseUp();
    void ListBox2KeyUp();
    void StatusBarPro1Panels3Click();
    void SB16Click();

private:
    // Start-up
    void setupDesign();
    void FormCreate();
    void connectHandlers();
    template <typename Sender, typename Signal>
    void bindHandler(Sender *sender, Signal signal, void (TNumlet::*handler)());

    // Status-bar hooks
    void showHint(const QString &hint);
    void setActivePage(int index);
    void updateMemoryDisplay();

    std::unique_ptr<Ui::TNumlet> ui;
    std::unique_ptr<TImageList> imageList1;
    QTimer *Timer1 = nullptr; // run clock
    QTimer *Timer2 = nullptr; // verdict timer
    QTimer *Timer3 = nullptr; // answer timer

    // Private state, in the order of its design. The configuration file and the picture-folder
    // search are locals of the operations that use them.
    double operandValues[5] = {0, 0, 0, 0, 0};
    double decimalParts[5] = {0, 0, 0, 0, 0};
    char operatorChars[4] = {'+', '-', '*', '/'};
    int operatorDrawIndex = 0;
    int PictureIndex = 0;
    int RightCount = 0;
    int WrongCount = 0;
    int templateIndex = 1;
    int ElapsedSeconds = 0;
    int candidateCounter = 0;
    int worksheetStartTick = 0;
    int worksheetEndTick = 0;
    int AnswerTicks = 0;
    int widestExpression = 0;
    bool RunActive = false;
    int stopRequest = 0;
    double RunStartTime = 0;
    QString PictureFolder;
    QString worksheetLine;
    QString computedLine;
    QString programFolder;
    QString worksheetFileName;
    QString evaluationText;
    QString AnswerText;
    QStringList PictureList;

    QString currentHint;
};
