#pragma once

// What a screen reader learns of the program's own controls: Qt describes its standard widgets
// itself; these add the painted ones (the gauge, the picture, the status bar), captions for the
// labels that show a value, and announcements of texts that change away from the focus.

#include <QString>

class QWidget;

namespace Accessibility {

// Registers the descriptions of the program's controls with Qt, and takes the labels of the
// window as ones that may carry a caption. Called before the window's controls are made: Qt
// keeps the description it first gives a control.
void install(QWidget *window);

// A label that shows a value ("12") is read with what it means ("Počet správných odpovědí: 12").
void setCaption(QWidget *label, const QString &caption);

// Tells a screen reader that the control now says text (a verdict, a run's end), without moving
// the focus: the text becomes the control's description and an alert goes out for it.
void announce(QWidget *control, const QString &text);

} // namespace Accessibility
