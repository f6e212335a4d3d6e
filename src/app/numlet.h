#pragma once

#include "app/errorreport.h"
#include "generator/candidate.h"
#include "generator/random.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class TNumlet;
}
class QSoundEffect;
class TFileDialog;
class QTimer;
class QToolButton;
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
    // Seeds the program's random generator (start-up seeds it from the clock).
    void setRandSeed(quint32 seed) { random.setSeed(seed); }
    // Candidates generated since the worksheet was last cleared.
    int CandidateCounter() const { return candidateCounter; }
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

    // Example generation
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void Speed_Click(int number); // Speed_1Click .. Speed_14Click

    // Practice
    void SpeedButton9Click();

    // Calculator field
    void SpeedButton7Click();
    void EditExp1KeyDown(int key);

    // Reward pictures and sounds
    void DirTreePathChange(const QString &selectedPath);
    void SB10Click();
    void BBox12Click();

private:
    // Start-up
    void setupDesign();
    void FormCreate();
    void connectHandlers();
    template <typename Sender, typename Signal>
    void bindHandler(Sender *sender, Signal signal, void (TNumlet::*handler)());

    // First activation
    void showEvent(QShowEvent *event) override;
    void FormActivate();

    // Example generation (src/generator/)
    void connectGeneratorHandlers();
    GenerationParams readGenerationParams() const;
    void ChooseOperators();
    void GenerateExample();
    Q_INVOKABLE void NextExample();
    Q_INVOKABLE void PrepareEvaluationText();
    Q_INVOKABLE void Pismo();
    void operatorSlotChange(int slot);
    QToolButton *templateButton(int number) const;
    void pressTemplateButton(int number);

    // Reward pictures and sounds (src/rewards/)
    void connectRewardHandlers();
    Q_INVOKABLE void ShowResourcePicture(const QString &name);
    Q_INVOKABLE void ShowAboutPicture();
    Q_INVOKABLE void NextPicture();
    Q_INVOKABLE void ShowPicture();
    Q_INVOKABLE void ReadFileNames();
    Q_INVOKABLE void ShowVerdictPicture(bool right); // the verdict's picture and sound
    Q_INVOKABLE void StartPictures(); // first activation: folder list and the About picture
    void CentrePicture();
    void PlaySound(const QString &name);

    // Shared helpers
    int Random(int n) { return int(random.next(std::uint32_t(n))); }

    // Status-bar hooks
    void showHint(const QString &hint);
    void setActivePage(int index);
    void updateMemoryDisplay();

    std::unique_ptr<Ui::TNumlet> ui;
    std::unique_ptr<TImageList> imageList1;
    QTimer *Timer1 = nullptr; // run clock
    QTimer *Timer2 = nullptr; // verdict timer
    QTimer *Timer3 = nullptr; // answer timer
    TFileDialog *OpenDialog1 = nullptr;
    TFileDialog *SaveDialog1 = nullptr;

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
    bool formActivated = false;
    RandomGenerator random;
    class SoundPlayer *soundPlayer = nullptr; // a QObject child of the window, made on first use
};

// Every handler runs guarded: an error that escapes it goes to the default error box.
template <typename Sender, typename Signal>
void TNumlet::bindHandler(Sender *sender, Signal signal, void (TNumlet::*handler)())
{
    connect(sender, signal, this,
            [this, handler] { ErrorReport::guarded([&] { (this->*handler)(); }); });
}
