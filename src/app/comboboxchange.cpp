#include "app/comboboxchange.h"

#include "app/errorreport.h"

#include <QComboBox>
#include <QLineEdit>

ComboBoxChange::ComboBoxChange(QComboBox *box, Handler handler)
    : QObject(box), box(box), handler(std::move(handler)), settled(box->currentText())
{
    if (QLineEdit *edit = box->lineEdit())
        connect(edit, &QLineEdit::textEdited, this, &ComboBoxChange::run);
    connect(box, &QComboBox::activated, this, [this] {
        if (this->box->currentText() != settled)
            run();
    });
    // A choice from the list changes the text and reports the activation within one event; text
    // that changes otherwise (the program's) is taken as it stands once that event is done.
    connect(box, &QComboBox::currentTextChanged, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { settled = this->box->currentText(); }, Qt::QueuedConnection);
    });
}

ComboBoxChange *ComboBoxChange::install(QComboBox *box, Handler handler)
{
    return new ComboBoxChange(box, std::move(handler));
}

void ComboBoxChange::run()
{
    settled = box->currentText();
    ErrorReport::guarded(handler);
}
