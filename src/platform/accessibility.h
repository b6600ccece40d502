// What a screen reader hears: every control named by the caption the user sees, lists named by
// their caption with their figure as value, result figures readable in Tab order after
// Calculate, and top-level windows as frames or dialogs named by their title.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace accessibility {

// Installs the program's accessibility interfaces (windows, lists, result labels). Once per
// process; the window registry calls it for every window it makes.
void install();

// A caption as a name: "&" marks and runs of blanks taken out (" Term in      Years." reads
// "Term in Years.").
QString captionName(const QString& caption);
// True when `name` is a figure (digits with only currency, sign, separators, "%") rather than
// a caption.
bool isFigure(const QString& name);

// Names `control` by `caption` and ties the two (labelled-by). The label's text is left as it
// is: a caption with "&" in it gets the name only, since a buddy would turn the "&" into an
// access key.
void nameByCaption(QWidget* control, QLabel* caption);

// Names every unnamed input of `window` (text box, list, spin box, check box without text,
// result label) by the caption label nearest before it (to its left or above), and every
// unnamed table or text view by the window title. Names it gave earlier are worked out again,
// so a window whose captions change between showings stays right. Names set by a window's own
// code are kept. The window registry runs it each time a window is shown.
void nameControls(QWidget* window);

// A label showing a result figure: named by its caption, its figure is its value and
// description; it takes the Tab key only while it shows something.
void markResultLabel(QLabel* label);
// After a result label got its figure: it joins the Tab order (`after` then the label) while it
// shows one; returns the label when it did, else `after`.
QWidget* placeResultInTabOrder(QLabel* label, QWidget* after);
// Tells a screen reader that a result label's figure changed.
void announceResult(QLabel* label);

}  // namespace accessibility
