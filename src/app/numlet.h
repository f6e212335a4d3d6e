#pragma once

#include "app/errorreport.h"
#include "config/configuration.h"
#include "drill/scoring.h"
#include "generator/acceptance.h"
#include "generator/candidate.h"
#include "generator/random.h"
#include "rewards/pictures.h"
#include "worksheet/worksheet.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

namespace Ui {
class TNumlet;
}
class FramePacer;
class TFileDialog;
class QFocusEvent;
class QTimer;
class QToolButton;
class TImageList;
class SoundPlayer;
struct FormulaTemplate;
struct SpokenWords;

// The main window. It owns every piece of state of the running program; its handlers read the
// controls, call the engines and write the controls back. The methods of each subsystem are
// defined in that subsystem's folder, in the files named numlet_*.cpp; each subsystem's state is
// one struct declared in its engine.
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
    int CandidateCounter() const { return generation.candidateCounter; }
    const TImageList *ImageList1() const { return imageList1.get(); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override; // the hint hook
    void showEvent(QShowEvent *event) override;

    // ---- Window as a whole (src/app/numlet.cpp) ----------------------------------------------
private slots:
    void PageControl1Change();
    void SB1Click();
    void ListBox2MouseUp();
    void ListBox2KeyUp();
    void StatusBarPro1Panels3Click();
    void SB16Click();

private:
    void setupDesign();
    void FormCreate();
    void connectHandlers();
    void connectWindowHandlers();
    template <typename Sender, typename Signal>
    void bindHandler(Sender *sender, Signal signal, void (TNumlet::*handler)());
    void showHint(const QString &hint);
    static QString nearestHint(const QWidget *widget); // its own hint, else its containers'
    void setActivePage(int index);
    void updateMemoryDisplay();

    std::unique_ptr<Ui::TNumlet> ui;
    std::unique_ptr<TImageList> imageList1;
    QTimer *Timer1 = nullptr; // run clock
    QTimer *Timer2 = nullptr; // verdict timer
    QTimer *Timer3 = nullptr; // answer timer
    TFileDialog *OpenDialog1 = nullptr;
    TFileDialog *SaveDialog1 = nullptr;
    QString programFolder; // the executable's folder, with its trailing separator
    QString currentHint;
    RandomGenerator random; // the program's one Random(n)

    int Random(int n) { return int(random.next(std::uint32_t(n))); }

    // ---- Example generation (src/generator/numlet_*.cpp) ----------------------------------------
private slots:
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void Speed_Click(int number); // Speed_1Click .. Speed_14Click
    // The parameters (numlet_parameters.cpp) and the formula templates (numlet_templates.cpp)
    void SpinEdit1Change(); // any upper value of the operand rows
    void SpinEdit5Change(); // any lower value
    void S1Click();         // also S2
    void BBox5Click();
    void BBox18Click();
    void BBox3Click();
    void BBox21Click();
    void BBox2Click();      // also BBox1
    void ComboBox6Change(); // also clicks on BBox4 and BBox19
    void Edit1Change();
    void TrackBar2Change();
    void TrackBar1Change();
    void SB3Click();
    void SpinEdit12Change();
    void BBox17Click();

private:
    void connectGenerationHandlers();
    void connectParameterHandlers();
    void connectTemplateHandlers();
    void setSlotsRandom();
    void loadSlotLists(const QString &name);
    void setHint(QWidget *control, const QString &hint);
    static void setTextColour(QWidget *control, std::initializer_list<QPalette::ColorRole> roles,
                              const QColor &colour);
    static QColor templateColour(const FormulaTemplate &t, const QPalette &palette);
    GenerationParams readGenerationParams() const;
    ResultOptions readResultOptions() const;
    void ChooseOperators();
    void GenerateExample();
    Q_INVOKABLE void NextExample();
    Q_INVOKABLE void PrepareEvaluationText();
    Q_INVOKABLE void Pismo();
    void operatorSlotChange(int slot);
    QToolButton *templateButton(int number) const;
    void pressTemplateButton(int number);

    GenerationState generation;
    FramePacer *framePacer = nullptr; // paints the cycle's display once per frame

    // ---- Screen readers (src/app/numlet_accessibility.cpp) -------------------------------------
private:
    void setupAccessibility();
    void describeExample();                         // the example in words, after every NextExample
    std::shared_ptr<const SpokenWords> spokenWords; // in the window's language, made once
    void announceVerdict();
    void announceRunEnd();

    // ---- The keyboard alone (src/app/numlet_keyboard.cpp) ---------------------------------------
private:
    void connectKeyboardHandlers(); // shortcuts and the tab order
    void showKeyboardHint(QWidget *control, QFocusEvent *event);

    // ---- Expression evaluation: the calculator field (src/editexp/numlet_calculator.cpp) -----
private slots:
    void SpeedButton7Click();
    void EditExp1KeyDown(int key);

private:
    void connectCalculatorHandlers();

    // ---- Practice and examination (src/drill/numlet_practice.cpp, numlet_examination.cpp) ----
public:
    const DrillState &Drill() const { return drill; }

private slots:
    void SpeedButton9Click();
    void Edit2Change();
    void SB14Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void SpeedButton6Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton12Click();
    void ComboBox7Change();
    void SpeedButton15Click(); // "Přehled výsledků žáka" (numlet_history.cpp)

private:
    void connectDrillHandlers();
    void connectExaminationHandlers();
    bool Edit2KeyPress(QChar key); // false: the character is dropped
    void Edit2KeyDown(int key);
    Q_INVOKABLE void Vypocet();
    void judge(); // Vypocet's steps that may fail
    void RozhodAno();
    void RozhodNe();
    void CountUnanswered();
    bool UpdatePoints();
    bool ShowFigures();
    void AddLogRow(bool right);
    int ExampleCount() const;
    int AnswerLimit() const;
    void enableTimer(QTimer *timer);
    void BeginRunRecord();
    void RecordRun();

    DrillState drill;

    // ---- Reward pictures and sounds (src/rewards/numlet_rewards.cpp) -------------------------
private slots:
    void DirTreePathChange(const QString &selectedPath);
    void SB10Click();
    void BBox12Click();

private:
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

    RewardState rewards;
    SoundPlayer *soundPlayer = nullptr; // a child of the window, made on first use

    // ---- Worksheets (src/worksheet/numlet_worksheet.cpp, numlet_worksheetfiles.cpp) ----------
private slots:
    void SpeedButton2Click();  // clear
    void SpeedButton3Click();  // generate
    void SpeedButton10Click(); // compute
    void SpeedButton4Click();  // export
    void SpeedButton11Click(); // save
    void SpeedButton13Click(); // open
    void BBox20Click();        // binds the line check to clicks on the list
    void PListBox1Click();     // the clicked line becomes the current example
    void SpeedButton16Click(); // the whole class (numlet_class.cpp)

private:
    void connectWorksheetHandlers();
    // The generation loop of SpeedButton3Click, after the given number of lines; add takes each
    // line and returns the number of lines now. False when Stop ended it.
    bool generateWorksheet(int lines, const std::function<int(const QString &line)> &add,
                           bool signalEnd);
    // The worksheet of a pupil's variant (TClassWindow); nullopt after Stop.
    std::optional<QStringList> GenerateVariant(std::uint32_t seed);
    Q_INVOKABLE void ClearWorksheet();
    void ShowElapsed();
    void showBusy(const QString &caption);
    void endBusy();
    QStringList worksheetItems() const;
    void showWorksheetFile(const QString &path);
    QString proposedWorksheetName() const;
    // The names list "Jmena.txt" of the name box, read at the first activation and written at
    // the close. Neither throws: a failure is reported and the sequence around them goes on.
    Q_INVOKABLE void LoadNames();
    Q_INVOKABLE void SaveNames();

    WorksheetState worksheet;
    QMetaObject::Connection lineCheck; // EBox1's clicks while BBox20 is checked

    // ---- Settings: the start and close sequences (src/config/numlet_config.cpp) ----------------
protected:
    void closeEvent(QCloseEvent *event) override; // FormCloseQuery; the close is never refused

private slots:
    void ComboBox5Change();
    void ComboBox8Change(); // the language of the next start

private:
    void connectConfigHandlers();
    // The first activation: the settings, the names list, the first example, the pictures.
    Q_INVOKABLE void FormActivate();
    void FormCloseQuery();
    void ApplyPanelFont();
    void LoadConfiguration();
    void SaveConfiguration();
    void fillFontBox();
    void setFontBoxText(const QString &text);
    QWidget *configControl(const ConfigKey &key) const;
    void applyConfigValue(const ConfigKey &key, const ConfigValue &value);
    ConfigValue configValueOf(const ConfigKey &key) const;

    ConfigState config;

    // ---- Printed worksheets (src/worksheet/numlet_printing.cpp) ------------------------------
private slots:
    void SpeedButton14Click();

private:
    void connectPrintingHandlers();
    QString printedSheetName() const;
};

// Every handler runs guarded: an error that escapes it goes to the default error box.
template <typename Sender, typename Signal>
void TNumlet::bindHandler(Sender *sender, Signal signal, void (TNumlet::*handler)())
{
    connect(sender, signal, this,
            [this, handler] { ErrorReport::guarded([this, handler] { (this->*handler)(); }); });
}
