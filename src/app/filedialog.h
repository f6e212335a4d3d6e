#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The open and save dialogs of the window: thin wrappers around QFileDialog that keep their
// filter, initial folder, proposed name and default extension between uses. The filter is
// written as pairs "Description|pattern|Description|pattern".
class TFileDialog : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Open, Save, Folder }; // Folder: FileName is the chosen folder
    TFileDialog(Kind kind, const QString &name, QObject *parent);

    Kind kind() const { return dialogKind; }
    QString Filter;
    QString InitialDir;
    QString FileName;   // the proposed name before Execute, the chosen path after it
    QString DefaultExt; // without the dot; added to a chosen name that has no extension

    // Shows the dialog; true when the user confirmed a file (or a folder).
    bool Execute(QWidget *owner);

    // Tests answer the dialog instead of the user: the chooser gets the dialog and returns the
    // chosen path, or an empty text for a cancel. An empty chooser restores the real dialog.
    using Chooser = std::function<QString(const TFileDialog &)>;
    static void setChooser(Chooser chooser);

    // "A|*.a|B|*.b" in the form QFileDialog takes: "A (*.a);;B (*.b)".
    static QString qtFilter(const QString &filter);

private:
    Kind dialogKind;
};
