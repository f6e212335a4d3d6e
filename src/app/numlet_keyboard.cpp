// The keyboard alone: shortcuts for the most used actions, a tab order that reads the window as
// it is laid out, and the hint of a control reached by Tab in the status bar, with its shortcut.

#include "app/numlet.h"
#include "ui_numlet.h"

#include <QFocusEvent>
#include <QShortcut>
#include <QToolButton>

namespace {
const char *const ShortcutProperty = "numletShortcut";
} // namespace

void TNumlet::connectKeyboardHandlers()
{
    Ui::TNumlet &f = *ui;
    // A button's shortcut works wherever the focus is; it brings up the button's page first.
    struct Binding
    {
        QKeySequence keys;
        QAbstractButton *button;
        int page; // -1: on no page
    };
    const Binding bindings[] = {
        {Qt::CTRL | Qt::Key_N, f.SpeedButton9, -1}, {Qt::Key_F9, f.SpeedButton6, 0},
        {Qt::ALT | Qt::Key_S, f.SpeedButton6, 0},   {Qt::CTRL | Qt::Key_L, f.SpeedButton1, 0},
        {Qt::CTRL | Qt::Key_H, f.SpeedButton15, 0}, {Qt::CTRL | Qt::Key_G, f.SpeedButton3, 1},
        {Qt::CTRL | Qt::Key_R, f.SpeedButton10, 1}, {Qt::CTRL | Qt::Key_E, f.SpeedButton4, 1},
        {Qt::CTRL | Qt::Key_S, f.SpeedButton11, 1}, {Qt::CTRL | Qt::Key_O, f.SpeedButton13, 1},
        {Qt::CTRL | Qt::Key_P, f.SpeedButton14, 1}, {Qt::CTRL | Qt::Key_T, f.SpeedButton16, 1},
        {Qt::Key_F4, f.SpeedButton7, -1},
    };
    for (const Binding &b : bindings) {
        auto *shortcut = new QShortcut(b.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, b] {
            if (!b.button->isEnabled())
                return;
            if (b.page >= 0 && ui->PageControl1->currentIndex() != b.page) {
                if (!ui->PageControl1->isEnabled())
                    return;
                setActivePage(b.page);
            }
            b.button->click();
        });
        const QString shown = b.keys.toString(QKeySequence::NativeText);
        const QString earlier = b.button->property(ShortcutProperty).toString();
        b.button->setProperty(ShortcutProperty,
                              earlier.isEmpty() ? shown : earlier + QStringLiteral(", ") + shown);
    }
    // Esc (or Alt+T) stops what runs: a worksheet operation as the status bar's Stop does, else
    // an examination as its Stop does.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_T)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (!ui->Panel3->isEnabled())
                ui->SpeedButton12->click();
            else if (drill.RunActive)
                ui->SpeedButton5->click();
        });
    }
    f.SpeedButton5->setProperty(ShortcutProperty, QStringLiteral("Esc, Alt+T"));
    f.SpeedButton12->setProperty(ShortcutProperty, QStringLiteral("Esc"));
    // The pages.
    for (int page = 0; page < 2; ++page) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + page)), this);
        connect(shortcut, &QShortcut::activated, this, [this, page] {
            if (!ui->PageControl1->isEnabled())
                return;
            setActivePage(page);
            ui->Edit2->setFocus();
        });
    }
    // A screen reader says the shortcut with the hint.
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        const QString keys = button->property(ShortcutProperty).toString();
        if (keys.isEmpty())
            continue;
        const QString hint = button->accessibleDescription();
        button->setAccessibleDescription(
            hint.isEmpty() ? keys : QStringLiteral("%1 (%2)").arg(hint, keys));
    }

    // The parameters top to bottom, the tabs, the answer field, then the page shown: the
    // examination's buttons lead on the results page, the name box on the worksheet page;
    // the status bar last.
    QList<QWidget *> order = {
        f.SpinEdit5, f.SpinEdit1, f.CheckBox1, f.S1,         f.SpinEdit6, f.SpinEdit2, f.CheckBox2,
        f.S2,        f.SpinEdit7, f.SpinEdit3, f.CheckBox3,  f.S3,        f.SpinEdit8, f.SpinEdit4,
        f.CheckBox4, f.S4,        f.SpinEdit9, f.SpinEdit10, f.CheckBox5, f.S5,        f.TrackBar1,
        f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4,  f.BBox2,     f.BBox1,     f.BBox3,
        f.BBox21,    f.BBox4,     f.BBox5};
    for (int n = 1; n <= 14; ++n)
        order << templateButton(n);
    order << f.BBox6 << f.SpeedButton9 << f.SB1 << f.PageControl1
          << f.Edit2
          // The results page.
          << f.SpeedButton6 << f.SpeedButton5 << f.SpeedButton1 << f.SpeedButton15 << f.ListBox1
          << f.ListBox2 << f.SB10 << f.SB8 << f.SB9 << f.SB11 << f.SB14 << f.SB6 << f.SB16 << f.SB19
          << f.SB3 << f.DirTree << f.TrackBar2 << f.SpinEdit13 << f.ComboBox5 << f.SpinEdit11
          << f.ComboBox6 << f.Edit1 << f.SpinEdit12 << f.BBox7 << f.BBox8 << f.BBox9 << f.BBox10
          << f.BBox11 << f.BBox12 << f.BBox20 << f.BBox14 << f.BBox16 << f.BBox17 << f.BBox18
          << f.BBox19 << f.BBox15
          << f.ComboBox8
          // The worksheet page.
          << f.ComboBox7 << f.EBox1 << f.SpeedButton3 << f.SpeedButton10 << f.SpeedButton2
          << f.SpeedButton13 << f.SpeedButton11 << f.SpeedButton4 << f.SpeedButton14
          << f.SpeedButton16
          // The status bar.
          << f.SpeedButton12 << f.StatusBarPro1 << f.EditExp1 << f.SpeedButton7;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// A control reached by the keyboard shows its hint, as the mouse would, and its shortcut.
void TNumlet::showKeyboardHint(QWidget *control, QFocusEvent *event)
{
    if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason)
        return;
    QString hint = nearestHint(control);
    const QString keys = control->property(ShortcutProperty).toString();
    if (!keys.isEmpty())
        hint = hint.isEmpty() ? keys : QStringLiteral("%1 (%2)").arg(hint, keys);
    showHint(hint);
}
