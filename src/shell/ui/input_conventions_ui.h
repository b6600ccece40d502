// The entry conventions of the input boxes and the calculators' help panel, as reusable pieces.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;
class QPlainTextEdit;
class QWidget;

using KeyFilter = int (*)(int keyAscii);

// A comma typed under a language that writes a decimal comma, as the point;
// any other key as it is.
int AsDecimalPoint(int keyAscii);

// Passes a typed key through a filter; a refused key sounds the beep and gives 0.
// Under a language that writes a decimal comma, a comma the filter refuses is
// tried as the point.
int FilterKey(KeyFilter filter, int keyAscii);

// The usual rules of a number box: Enter moves the focus to `next` (the key is
// discarded), other keys go through `filter`, and Delete (key down 46) runs
// `onDelete` when one is given. Pasted, dropped and input-method text arrives
// as typed keys, through the same rules.
void ApplyNumberBoxRules(QWidget* box, KeyFilter filter, QWidget* next,
                         std::function<void()> onDelete = {});

// A name box (a fund name, the user's name): Enter moves the focus to `next`
// when one is given (the key is discarded), a double quote is refused with the
// beep (the files keep names between quotes), and pasted or dropped text is
// typed through these rules with its line breaks and other control characters
// dropped (TypedEntry), so a name never holds one.
void ApplyNameBoxRules(QLineEdit* box, QWidget* next = nullptr);

// The currency symbol box: it holds one character, the last one typed, pasted
// or dropped; a double quote is refused with the beep, Backspace empties it.
void ApplySymbolBoxRules(QLineEdit* box);

// The help panel of a calculator window: when the Help button
// reads "&Help" the panel opens (caption "Close &Help", the print and graph
// buttons disabled, the grid hidden, the text shown and focused); otherwise the
// window's reset routine runs, which closes it through close(). Inside the
// panel Enter moves to the first input box and every other key beeps.
class HelpPanel {
  public:
    struct Parts {
        QPushButton* button = nullptr;
        QPlainTextEdit* panel = nullptr;
        QList<QWidget*> disabledWhileOpen;  // To Printer, Show Graph
        QWidget* grid = nullptr;
        QWidget* firstInput = nullptr;
        QColor colour = QColor(255, 255, 255);
        std::function<QString()> text;  // the help text, lines joined with CR LF
        std::function<void()> reset;    // the window's ResetResults
    };
    explicit HelpPanel(Parts parts);

    // The Help button's click.
    void toggle();
    bool isOpen() const;
    // Opens the panel with the window's text.
    void open();
    // Empties and hides the panel, restores the caption, the buttons and the grid.
    void close();
    // Empties the panel's text (ResetResults does this even while it is closed).
    void clearText();

  private:
    Parts p_;
};
