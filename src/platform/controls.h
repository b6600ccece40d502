// Small makers for the controls of a window, placed in twips.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QFont;
class QWidget;
class QPushButton;
class QLabel;
class QLineEdit;
class QComboBox;
class QPlainTextEdit;

// A command button with its caption ("&" marks the access key).
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height);
// A label; `wrap` lets a long caption run over several lines.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, bool wrap = true);
// A one-line text box.
QLineEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width,
                       int height);
// A one-line text box painted yellow, its figure on the right (a calculator's input box).
QLineEdit* makeInputBox(QWidget* parent, const QString& name, int left, int top, int width,
                        int height);
// An editable drop-down list painted yellow (the calculators' input boxes).
QComboBox* makeInputList(QWidget* parent, const QString& name, int left, int top, int width,
                         int height);
// Replaces an input list's drop-down entries; the box goes on showing its text.
void setListEntries(QComboBox* list, const QStringList& entries);
// The Tab order through `widgets`, first to last.
void chainTabOrder(const QList<QWidget*>& widgets);
// A read-only multi-line text with a scroll bar (help panels).
QPlainTextEdit* makeTextPanel(QWidget* parent, const QString& name, int left, int top, int width,
                              int height);

// The font a figure (a text with a digit in it) is drawn with in a place
// `room` pixels wide: `font` itself when the figure fits, else `font` made
// smaller until it does, but not below `leastScale` of its size (a cut figure would
// read as another number). Other texts keep `font`.
QFont FontToFitFigure(const QFont& font, const QString& text, int room, double leastScale = 0.6);
// Shows a figure in a result label, in a smaller font when it is too wide for
// the label (FontToFitFigure from the label's own font).
void showFigure(QLabel* label, const QString& text);
