#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <limits>

namespace accessibility {
namespace {

constexpr char kDerived[] = "vantoraDerivedName";
constexpr char kResult[] = "vantoraResultLabel";

bool isResultLabel(const QObject* o) {
    return o && o->property(kResult).toBool();
}

// The Qt class a window class is made from: the first "Q" class up its line.
QString qtBase(const QObject* o) {
    for (const QMetaObject* mo = o->metaObject(); mo; mo = mo->superClass()) {
        const QLatin1StringView n(mo->className());
        if (n.startsWith(QLatin1Char('Q'))) return QString(n);
    }
    return {};
}

// A window made from a bare QWidget: a frame, or a dialog while it is shown modally.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

// A list is named by its caption; what it shows is its value.
class ListAccessible : public QAccessibleWidget {
  public:
    explicit ListAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    // Its entries, then its edit box, as a list box reads elsewhere.
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == list()->view()) return 0;
        if (list()->lineEdit() && child->object() == list()->lineEdit()) return 1;
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = list()->isEditable();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A result figure: its caption is the name, the figure its value and description.
class ResultAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ResultAccessible(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || t == QAccessible::Description) return label()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    // The figure as a number for a reader that asks the value interface.
    QVariant currentValue() const override {
        QString digits;
        for (QChar c : label()->text())
            if (c.isDigit() || c == u'.' || c == u'-') digits += c;
        bool ok = false;
        const double v = digits.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return currentValue(); }
    QVariant minimumValue() const override { return currentValue(); }
    QVariant minimumStepSize() const override { return QVariant(); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className != QLatin1StringView(object->metaObject()->className())) return nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return new ListAccessible(combo);
    if (auto* label = qobject_cast<QLabel*>(w); label && isResultLabel(label))
        return new ResultAccessible(label);
    if (w->isWindow() && qtBase(w) == QLatin1StringView("QWidget")) return new WindowAccessible(w);
    return nullptr;
}

// A control's interface made before it was marked (Qt makes one for the first change event
// a control sends while it is built) is made again, as the factory now says.
template <class Own>
void remake(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface && !dynamic_cast<Own*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

QRect rectIn(const QWidget* window, const QWidget* w) {
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// The caption label nearest before `control`: to its left on the same line, or above it
// across the same columns (a caption block may reach down beside the box).
// A table or text view takes only a caption above it: the input captions beside it are not its.
QLabel* nearestCaption(QWidget* window, QWidget* control, bool aboveOnly) {
    const QRect c = rectIn(window, control);
    const int limit = aboveOnly ? 40 : 4 * c.height() + 20;
    QLabel* best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    const auto labels = window->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label == control || label->window() != window || isResultLabel(label) ||
            !label->isVisibleTo(window))
            continue;
        const QString text = captionName(label->text());
        if (text.isEmpty() || isFigure(text)) continue;
        const QRect l = rectIn(window, label);
        const bool sameLine = l.top() < c.bottom() && l.bottom() > c.top();
        const bool sameColumns = l.left() < c.right() && l.right() > c.left();
        const bool leftOf = !aboveOnly && sameLine && l.right() <= c.left() + 4;
        const bool above =
            sameColumns && (aboveOnly ? l.bottom() <= c.top() + 4 : l.top() < c.top());
        if (!leftOf && !above) continue;
        const int score = std::max(0, c.left() - l.right()) + std::max(0, c.top() - l.bottom());
        if (score <= limit && score < bestScore) {
            best = label;
            bestScore = score;
        }
    }
    return best;
}

enum class Kind { None, Input, View };

Kind kindOf(QWidget* w) {
    if (isResultLabel(w)) return Kind::Input;
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)) return Kind::Input;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // The edit part of a list or spin box is named with it.
        QWidget* p = edit->parentWidget();
        return qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) ? Kind::None
                                                                                 : Kind::Input;
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w);
        b && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) &&
        b->text().trimmed().isEmpty())
        return Kind::Input;
    if (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QTextEdit*>(w))
        return Kind::View;
    return Kind::None;
}

void setDerivedName(QWidget* w, const QString& name) {
    if (qobject_cast<QComboBox*>(w)) remake<ListAccessible>(w);
    w->setAccessibleName(name);
    w->setProperty(kDerived, !name.isEmpty());
    // The edit part and the entries of a list, the edit part of a spin box, read as the box.
    QList<QWidget*> parts;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        parts << combo->lineEdit() << combo->view();
    else if (qobject_cast<QAbstractSpinBox*>(w))
        parts << w->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* part : parts) {
        if (!part || (!part->accessibleName().isEmpty() && !part->property(kDerived).toBool()))
            continue;
        part->setAccessibleName(name);
        part->setProperty(kDerived, !name.isEmpty());
    }
}

}  // namespace

void install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

QString captionName(const QString& caption) {
    QString s;
    s.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') s += u'&', ++i;
            continue;
        }
        s += caption.at(i);
    }
    return s.simplified();
}

bool isFigure(const QString& name) {
    bool digit = false;
    for (QChar c : name) {
        if (c.isDigit()) {
            digit = true;
            continue;
        }
        if (c.isLetter()) return false;
    }
    return digit;
}

void nameByCaption(QWidget* control, QLabel* caption) {
    if (!control || !caption) return;
    setDerivedName(control, captionName(caption->text()));
    control->setProperty(kDerived, false);
    if (!caption->text().contains(u'&')) caption->setBuddy(control);
}

void nameControls(QWidget* window) {
    if (!window) return;
    install();
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w->window() != window) continue;
        const Kind kind = kindOf(w);
        if (kind == Kind::None) continue;
        const bool derived = w->property(kDerived).toBool();
        if (!derived && !w->accessibleName().isEmpty()) continue;
        QLabel* caption = nearestCaption(window, w, kind == Kind::View);
        if (kind == Kind::View && !caption) {
            setDerivedName(w, captionName(window->windowTitle()));
            continue;
        }
        setDerivedName(w, caption ? captionName(caption->text()) : QString());
        if (caption && !caption->text().contains(u'&') &&
            (!caption->buddy() || caption->buddy() == w))
            caption->setBuddy(w);
    }
}

void markResultLabel(QLabel* label) {
    if (!label) return;
    label->setProperty(kResult, true);
    install();
    remake<ResultAccessible>(label);
    label->setFocusPolicy(label->text().isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

QWidget* placeResultInTabOrder(QLabel* label, QWidget* after) {
    if (!label) return after;
    const bool shows = !label->text().isEmpty();
    label->setFocusPolicy(shows ? Qt::TabFocus : Qt::NoFocus);
    if (!shows || !after) return after;
    QWidget::setTabOrder(after, label);
    return label;
}

void announceResult(QLabel* label) {
    if (!label || label->text().isEmpty()) return;
    QAccessibleValueChangeEvent event(label, label->text());
    QAccessible::updateAccessibility(&event);
}

}  // namespace accessibility
