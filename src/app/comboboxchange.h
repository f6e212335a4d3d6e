#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;

// Runs a handler once for each change the user makes to a combo box's text: typing into it, or
// choosing another entry from its list (by mouse, arrow keys or wheel). Qt also reports the
// current entry as activated when Enter is pressed, when the field loses the focus or when the
// entry already shown is picked again; none of those changes the text, so none runs the handler,
// and neither does text that the program sets. The handler runs guarded (errors go to the error
// box).
class ComboBoxChange : public QObject
{
public:
    using Handler = std::function<void()>;
    // The watcher is a child of the combo box and lives as long as it.
    static ComboBoxChange *install(QComboBox *box, Handler handler);

private:
    ComboBoxChange(QComboBox *box, Handler handler);
    void run();

    QComboBox *box;
    Handler handler;
    QString settled; // the text as the last handled change or the program left it
};
