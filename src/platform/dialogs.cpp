#include "platform/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTreeView>
#include <QUrl>
#include <QWidget>

#include "platform/accessibility.h"
#include "platform/window_rules.h"

namespace dialogs {
namespace {

Script* g_script = nullptr;

// Ends an event loop when the watched window hides or goes away.
class HideWatcher : public QObject {
  public:
    HideWatcher(QWidget* w, QEventLoop* loop) : loop_(loop) { w->installEventFilter(this); }
    // A window minimized gets a hide event from the window system too: the modal window is
    // still open, and ending the wait then would leave it modal to Qt with nobody to end that
    // (the other windows, the backdrop among them, would refuse their close buttons for good).
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide && !e->spontaneous()) loop_->quit();
        return false;
    }

  private:
    QEventLoop* loop_;
};

// A window a box may belong to: one of the program's own, shown and not minimized, a normal
// window or a dialog, never the backdrop (it is kept below every other window, and a box that
// belongs to it would stay down there with it).
bool canOwn(const QWidget* w, const QWidget* except) {
    if (!w || w == except || !w->isWindow() || !w->isVisible() || w->isMinimized()) return false;
    if (window_rules::isBackdrop(w)) return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// The owner for `window` (never itself), as ownerWindow() finds it.
QWidget* ownerExcept(QWidget* window) {
    // Between one box closing and the window manager handing the focus back,
    // no window is active: the one that was stays the owner.
    static QPointer<QWidget> lastActive;
    QWidget* active = QApplication::activeWindow();
    if (canOwn(active, window)) {
        lastActive = active;
        return active;
    }
    if (canOwn(lastActive, window)) return lastActive;
    // Nothing of the program is active (it was started with a file, or the window that asks
    // has just hidden itself): a shown window of the program, a modal one first.
    QWidget* shown = nullptr;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (!canOwn(w, window)) continue;
        if (w->isModal() || w->windowModality() != Qt::NonModal) return w;
        if (!shown) shown = w;
    }
    return shown;
}

// The backdrop's frame, where a box with no owner is centred (it stands where the window that
// asked stood); an empty rectangle when it is not shown.
QRect backdropFrame() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && window_rules::isBackdrop(w)) return w->frameGeometry();
    return {};
}

// A box or dialog raised with the focus once it is shown, over whatever other program's window
// stands there; one with no owner is first centred over the backdrop.
class OnTopWithFocus : public QObject {
  public:
    OnTopWithFocus(QWidget* w, bool centre) : QObject(w), w_(w), centre_(centre) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            if (const QRect over = backdropFrame(); centre_ && over.isValid())
                w_->move(over.center() - QPoint(w_->width() / 2, w_->height() / 2));
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!w_->isVisible()) return;
                    w_->raise();
                    w_->activateWindow();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QWidget* w_;
    bool centre_;
};

// Readies a message box or file dialog to open over `owner`, or, with none, centred where the
// backdrop stands: either way on top with the focus, over whatever else is on the screen.
QObject* openOnTop(QWidget* box, QWidget* owner) {
    return new OnTopWithFocus(box, owner == nullptr);
}

}  // namespace

QWidget* ownerWindow() {
    return ownerExcept(nullptr);
}

Script::Script() {
    g_script = this;
}
Script::~Script() {
    if (g_script == this) g_script = nullptr;
}
void Script::answer(Answer a) {
    answers_.push_back(a);
}
void Script::onModal(std::function<void(QWidget*)> handler) {
    modalHandlers_.push_back(std::move(handler));
}
void Script::chooseFile(std::optional<QString> path) {
    files_.push_back(std::move(path));
}
ShownMessage Script::lastMessage() const {
    return messages_.empty() ? ShownMessage{{}, {}, Buttons::Ok, Icon::None} : messages_.back();
}
void Script::clear() {
    messages_.clear();
    fileRequests_.clear();
    modalWindows_.clear();
    openedDocuments_.clear();
    beeps_ = 0;
}

Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) {
    if (g_script) {
        g_script->messages_.push_back({text, title, buttons, icon});
        if (!g_script->answers_.empty()) {
            const Answer a = g_script->answers_.front();
            g_script->answers_.erase(g_script->answers_.begin());
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QWidget* owner = ownerWindow();
    QMessageBox box(owner);
    openOnTop(&box, owner);
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setAccessibleDescription(box.text());  // a screen reader says it with the title
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
    }
    // The box is as wide as its text asks; the title must fit its frame too,
    // beside the window manager's icon and buttons.
    if (auto* layout = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + 140;
        layout->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                        layout->rowCount(), 0, 1, layout->columnCount());
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            // Closed with Escape or the frame: the "no" answer of the box.
            return buttons == Buttons::YesNo      ? Answer::No
                   : buttons == Buttons::OkCancel ? Answer::Cancel
                                                  : Answer::Ok;
    }
}

bool confirmPrintout() {
    return message(QStringLiteral("Continue with Printout."), QStringLiteral("Printer"),
                   Buttons::YesNo) == Answer::Yes;
}

void beep() {
    if (g_script) {
        ++g_script->beeps_;
        return;
    }
    QApplication::beep();
}

bool openDocument(const QString& path) {
    if (g_script) {
        g_script->openedDocuments_.push_back(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void showModal(QWidget* window) {
    if (!window) return;
    window_rules::prepareModal(window, ownerExcept(window));
    if (g_script) {
        g_script->modalWindows_.push_back(window->objectName());
        QPointer<QWidget> guard(window);
        window->show();
        if (!g_script->modalHandlers_.empty()) {
            auto handler = std::move(g_script->modalHandlers_.front());
            g_script->modalHandlers_.erase(g_script->modalHandlers_.begin());
            handler(window);
        }
        if (guard && guard->isVisible()) guard->hide();
        return;
    }
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isVisible()) loop.exec();
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(Qt::NonModal);
    }
}

namespace {

// The list beside `caption` in the same row of the dialog's grid, where the dialog puts each
// caption to the left of what it names; null when there is not exactly one.
QComboBox* listBeside(QWidget& dialog, QLabel* caption) {
    for (QGridLayout* grid : dialog.findChildren<QGridLayout*>()) {
        const int index = grid->indexOf(caption);
        if (index < 0) continue;
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        QList<QComboBox*> lists;
        QLayoutItem* last = nullptr;  // an item spanning columns is met once per column
        for (int c = column + columns; c < grid->columnCount(); ++c) {
            QLayoutItem* item = grid->itemAtPosition(row, c);
            if (!item || item == last) continue;
            last = item;
            QList<QLayoutItem*> items{item};
            while (!items.isEmpty()) {
                QLayoutItem* it = items.takeFirst();
                if (auto* list = qobject_cast<QComboBox*>(it->widget())) lists << list;
                if (QLayout* inner = it->layout())
                    for (int i = 0; i < inner->count(); ++i) items << inner->itemAt(i);
            }
        }
        return lists.size() == 1 ? lists.front() : nullptr;
    }
    return nullptr;
}

// Qt's own file dialog opens at a size where names, sizes and dates are cut short: it opens wide
// enough for them. Its buttons and boxes are named for a screen reader, but not its two lists
// ("Look in:", "Files of type:"): they take the captions beside them, as the program's own lists
// do. The desktop's dialog has no widgets of Qt's, and nothing here applies to it.
void sizeAndNameFileDialog(QFileDialog& dialog) {
    const QFontMetrics fm(dialog.font());
    dialog.resize(std::max(dialog.width(), fm.horizontalAdvance(QLatin1Char('M')) * 62),
                  std::max(dialog.height(), fm.height() * 28));
    for (QLabel* caption : dialog.findChildren<QLabel*>()) {
        if (caption->text().isEmpty()) continue;
        auto* list = qobject_cast<QComboBox*>(caption->buddy());
        if (!list && !caption->buddy()) list = listBeside(dialog, caption);
        if (list && list->accessibleName().isEmpty()) accessibility::nameByCaption(list, caption);
    }
    // Its detailed list shows sizes, kinds and dates as wide as the rows in view write them, and
    // gives the names the rest (Qt would open them at widths of its own, cutting "Plain text
    // document" short and hiding the dates behind a scroll bar).
    for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

}  // namespace

std::optional<QString> chooseFile(const FileRequest& request) {
    if (g_script) {
        g_script->fileRequests_.push_back(request);
        if (g_script->files_.empty()) return std::nullopt;
        std::optional<QString> r;
        r.swap(g_script->files_.front());
        g_script->files_.erase(g_script->files_.begin());
        return r;
    }
    const QString description = request.filter.section(u'|', 0, 0);
    const QString pattern = request.filter.section(u'|', 1, 1);  // "*.wms"
    const QString ext = pattern.mid(pattern.lastIndexOf(u'.') + 1);
    // The dialog's file list matches patterns in any case, so "*.wms" also
    // shows "Dtasampl.WMS"; the user sees the pattern as the program names it.
    QString nameFilter = description;
    if (!nameFilter.contains(u'(')) nameFilter += QStringLiteral(" (%1)").arg(pattern);

    // The desktop's own file chooser where the platform offers one (a portal or the desktop's
    // theme); Qt's otherwise.
    QWidget* owner = ownerWindow();
    // A folder that has gone since is no place to start: the current folder is.
    const bool folderThere = !request.folder.isEmpty() && QFileInfo(request.folder).isDir();
    const QString folder = QDir(folderThere ? request.folder : QDir::currentPath()).absolutePath();
    // Made in its folder, it lists no other first. On the heap: the window it belongs to may go
    // away while it is open, and takes it along.
    auto* dialog = new QFileDialog(owner, QString(), folder);
    const QPointer<QFileDialog> shown = dialog;
    openOnTop(dialog, owner);
    dialog->setWindowTitle(request.save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    if (!request.windowName.isEmpty()) dialog->setObjectName(request.windowName);
    dialog->setNameFilter(nameFilter);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(ext.toLower());
    if (!request.proposedName.isEmpty()) dialog->selectFile(request.proposedName);
    sizeAndNameFileDialog(*dialog);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!shown) return std::nullopt;  // its window went away meanwhile
    const QStringList chosen = dialog->selectedFiles();
    delete dialog;
    if (!accepted || chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}

WaitCursor::WaitCursor()
    : active_(!g_script && qobject_cast<QApplication*>(QCoreApplication::instance())) {
    if (active_) QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
    if (active_) QApplication::restoreOverrideCursor();
}

}  // namespace dialogs
