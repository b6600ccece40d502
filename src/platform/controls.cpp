#include "platform/controls.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

#include "platform/twips.h"

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    twips::place(b, left, top, width, height);
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, bool wrap) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    twips::place(l, left, top, width, height);
    return l;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width,
                       int height) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    twips::place(e, left, top, width, height);
    return e;
}

QLineEdit* makeInputBox(QWidget* parent, const QString& name, int left, int top, int width,
                        int height) {
    QLineEdit* e = makeTextBox(parent, name, left, top, width, height);
    setBoxColour(e, colours::Yellow);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QComboBox* makeInputList(QWidget* parent, const QString& name, int left, int top, int width,
                         int height) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    // No completion from the list: typing "3" into a term box must not become "30".
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(10);
    setBoxColour(c, colours::Yellow);
    setBoxColour(c->lineEdit(), colours::Yellow);
    c->lineEdit()->setAlignment(Qt::AlignRight);
    twips::place(c, left, top, width, height);
    return c;
}

void setListEntries(QComboBox* list, const QStringList& entries) {
    const QString shown = list->currentText();
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
    list->setEditText(shown);
}

void chainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

QPlainTextEdit* makeTextPanel(QWidget* parent, const QString& name, int left, int top, int width,
                              int height) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setAccessibleName(QStringLiteral("Help"));  // what a screen reader calls a help panel
    twips::place(t, left, top, width, height);
    return t;
}

QFont FontToFitFigure(const QFont& font, const QString& text, int room) {
    const bool figure = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    if (!figure || room <= 0) return font;
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width <= room) return font;
    QFont smaller = font;
    auto scaled = [&](double scale) {
        if (font.pointSizeF() > 0)
            smaller.setPointSizeF(font.pointSizeF() * scale);
        else if (font.pixelSize() > 0)
            smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
        return QFontMetricsF(smaller).horizontalAdvance(text);
    };
    // Glyph widths do not scale quite evenly: step down until it fits.
    for (double scale = room / width; scaled(std::max(scale, 0.6)) > room && scale > 0.6;)
        scale *= 0.97;
    return smaller;
}

void showFigure(QLabel* label, const QString& text) {
    static const char* const kOwnFont = "vantoraOwnFont";
    QVariant own = label->property(kOwnFont);
    if (!own.isValid()) {
        own = label->font();
        label->setProperty(kOwnFont, own);
    }
    const QFont base = own.value<QFont>();
    const QMargins m = label->contentsMargins();
    const int room = label->width() - m.left() - m.right() - 2 * label->margin() - 4;
    label->setFont(FontToFitFigure(base, text, room));
    label->setText(text);
}
