// The settings in the window: the start sequence that reads them and brings every control and
// the state derived from the controls up to date, the close that writes them, and the panel font.

#include "app/comboboxchange.h"
#include "app/errorreport.h"
#include "app/numlet.h"
#include "app/startup.h"
#include "config/language.h"
#include "ui_numlet.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QScopeGuard>

#include <stdexcept>
#include <string>

namespace {

QString nameOf(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace

void TNumlet::connectConfigHandlers()
{
    ComboBoxChange::install(ui->ComboBox5, [this] { ComboBox5Change(); });
    // The language in use; a choice takes effect at the next start.
    ui->ComboBox8->setCurrentIndex(Startup::currentLanguage() == Language::English ? 1 : 0);
    ComboBoxChange::install(ui->ComboBox8, [this] { ComboBox8Change(); });
}

// The choice is written at once, whether or not the settings are kept at the close. A first
// settings file gets the whole configuration with it: a file with nothing but the language would
// start every other control from its stored default instead of the form's.
void TNumlet::ComboBox8Change()
{
    const Language chosen =
        ui->ComboBox8->currentIndex() == 1 ? Language::English : Language::Czech;
    const QString path = ConfigurationPath(programFolder);
    if (!QFileInfo::exists(path))
        SaveConfiguration();
    const QString error = WriteLanguage(path, chosen);
    if (!error.isEmpty())
        ErrorReport::report(error);
    else
        showHint(chosen == Startup::currentLanguage()
                     ? QString()
                     : tr("Jazyk se změní při příštím spuštění programu."));
}

void TNumlet::FormActivate()
{
    if (config.started || config.closed)
        return;
    config.started = true;
    // Each step runs on when an earlier one failed; a close that came in while a step let
    // messages run ends the sequence.
    const auto step = [this](auto &&operation) {
        if (!config.closed)
            ErrorReport::guarded(operation);
    };
    step([this] { fillFontBox(); });
    step([this] { LoadConfiguration(); });
    step([this] {
        const QString folder = rewards.PictureFolder;
        if (folder.size() > 1 && QFileInfo(folder).isDir())
            ui->DirTree->setSelectedPath(folder); // reports the folder: DirTreePathChange
    });
    // Setting a button, a box or a slot's text ran no handler; these make up for it.
    step([this] {
        if (ui->SB3->isChecked())
            SB3Click();
    });
    step([this] { ComboBox1Change(); });
    step([this] { ComboBox2Change(); });
    step([this] { ComboBox3Change(); });
    step([this] { ComboBox4Change(); });
    step([this] { ApplyPanelFont(); });
    step([this] { LoadNames(); });
    step([this] {
        if (!ui->BBox7->isChecked()) {
            NextExample();
            return;
        }
        // The first example shows its template button even with "Blokovat zpomalující akce ".
        config.blockingSuspended = true;
        ui->BBox7->setChecked(false);
        const auto restore = qScopeGuard([this] {
            ui->BBox7->setChecked(true);
            config.blockingSuspended = false;
        });
        NextExample();
    });
    step([this] { setActivePage(0); });
    step([this] { ui->Gauge1->setMaximum(ui->TrackBar2->value()); });
    step([this] { StartPictures(); }); // ReadFileNames, then the About picture
}

void TNumlet::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (config.closed)
        return;
    config.closed = true;
    FormCloseQuery();
}

void TNumlet::FormCloseQuery()
{
    // A worksheet loop that let this close in ends at its next look at the stop request, so the
    // program does not run on without a window.
    drill.stopRequest = -1;
    // However many files fail, the close goes on and one box says why.
    const ErrorReport::Batch oneBox;
    for (QComboBox *box : {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4}) {
        if (box->currentText() == QLatin1String("^"))
            box->setEditText(QStringLiteral("~"));
    }
    SaveNames();
    ErrorReport::guarded([this] { SpeedButton5Click(); });
    // Settings that were never read are not written over with the form's values.
    if (ui->BBox10->isChecked() && config.started)
        ErrorReport::guarded([this] { SaveConfiguration(); });
    rewards.PictureList.clear();
}

void TNumlet::ComboBox5Change()
{
    ApplyPanelFont();
}

void TNumlet::ApplyPanelFont()
{
    const QString family = ui->ComboBox5->currentText();
    for (QWidget *control :
         {static_cast<QWidget *>(ui->LabelF1), static_cast<QWidget *>(ui->Label3),
          static_cast<QWidget *>(ui->Edit2)}) {
        QFont font = control->font();
        font.setFamily(family);
        control->setFont(font);
    }
    ui->Edit2->setFocus();
}

// Every font family installed for the screen, each name once, and the box's text as it was.
void TNumlet::fillFontBox()
{
    QComboBox *box = ui->ComboBox5;
    const QString text = box->currentText();
    // A family that several foundries make comes as "Name [Foundry]" for each; the name alone
    // finds it.
    static const QRegularExpression foundry(QStringLiteral(R"(\s*\[[^\]]*\]$)"));
    QStringList families;
    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            families.append(QString(family).remove(foundry));
    }
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    box->clear();
    box->addItems(families);
    setFontBoxText(text);
}

// The box shows any name, an uninstalled one too: a name that is not among the fonts joins them
// in its alphabetical place.
void TNumlet::setFontBoxText(const QString &text)
{
    QComboBox *box = ui->ComboBox5;
    int index = box->findText(text);
    if (index < 0) {
        index = 0;
        while (index < box->count() && box->itemText(index).compare(text, Qt::CaseInsensitive) < 0)
            ++index;
        box->insertItem(index, text);
    }
    box->setCurrentIndex(index);
}

void TNumlet::LoadConfiguration()
{
    const ConfigurationLoad load = ReadConfigurationFile(ConfigurationPath(programFolder));
    if (!load.error.isEmpty())
        ErrorReport::report(load.error);
    if (!load.found)
        return;
    // Each value at once, in the table's order: the handlers that run on the way see the values
    // applied so far, which limits the spin boxes as the order says.
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        ErrorReport::guarded([&] { applyConfigValue(ConfigKeys[i], load.values[i]); });
}

void TNumlet::SaveConfiguration()
{
    ConfigValues values;
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        values[i] = configValueOf(ConfigKeys[i]);
    const QString error = WriteConfigurationFile(ConfigurationPath(programFolder), values);
    if (!error.isEmpty())
        ErrorReport::report(error);
}

QWidget *TNumlet::configControl(const ConfigKey &key) const
{
    auto *control = findChild<QWidget *>(nameOf(key.control));
    if (!control)
        throw std::logic_error("no control " + std::string(key.control));
    return control;
}

// A spin box or the number of examples runs its handler when its value changes; a button, a
// box, a text or a label runs none.
void TNumlet::applyConfigValue(const ConfigKey &key, const ConfigValue &value)
{
    QWidget *control = configControl(key);
    if (control == ui->DirTree) {
        rewards.PictureFolder =
            std::get<QString>(value); // set into the chooser later, if it exists
    } else if (control == ui->TrackBar2) {
        // The generation limit takes only its own range, and its handler runs either way.
        const int limit = std::get<int>(value);
        QSlider *slider = ui->TrackBar2;
        if (limit >= slider->minimum() && limit <= slider->maximum() && limit != slider->value())
            slider->setValue(limit);
        else
            TrackBar2Change();
    } else if (control == ui->ComboBox5) {
        setFontBoxText(std::get<QString>(value));
    } else if (auto *spin = qobject_cast<TSpinEdit *>(control)) {
        spin->setValue(std::get<int>(value));
    } else if (auto *slider = qobject_cast<QSlider *>(control)) {
        slider->setValue(std::get<int>(value));
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setChecked(std::get<bool>(value));
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(std::get<QString>(value));
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(std::get<QString>(value));
    }
}

ConfigValue TNumlet::configValueOf(const ConfigKey &key) const
{
    const QWidget *control = configControl(key);
    if (control == ui->DirTree)
        return QDir::toNativeSeparators(ui->DirTree->selectedPath());
    if (control == ui->BBox7 && config.blockingSuspended)
        return true;
    if (const auto *spin = qobject_cast<const TSpinEdit *>(control))
        return spin->value();
    if (const auto *slider = qobject_cast<const QSlider *>(control))
        return slider->value();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return DefaultConfigValue(key);
}
