#include "app/asker.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Asker {

static Question &currentAsker()
{
    static Question asker;
    return asker;
}

void setAsker(Question asker)
{
    currentAsker() = std::move(asker);
}

bool ask(const QString &text)
{
    if (currentAsker())
        return currentAsker()(text);
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes =
        box.addButton(QCoreApplication::translate("Asker", "Ano"), QMessageBox::YesRole);
    QPushButton *no =
        box.addButton(QCoreApplication::translate("Asker", "Ne"), QMessageBox::NoRole);
    // Enter or Esc keeps what exists.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace Asker
