#include "platform/dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QProxyStyle>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QWidget>

#include "platform/accessibility.h"
#include "platform/file_kinds.h"
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

Script* activeScript() {
    return g_script;
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

// Sizes, kinds and dates as wide as the rows in view write them; the names take the rest. Fitted
// when files come in or are sorted, and when kinds are found: a column left to fit itself would
// measure its rows again at every change of the list's layout, a dozen times while a folder of
// many files comes in.
void fitColumns(QTreeView* view) {
    QHeaderView* header = view->header();
    int others = 0;
    for (int c = 1; c < header->count(); ++c) {
        view->resizeColumnToContents(c);
        if (!header->isSectionHidden(c)) others += header->sectionSize(c);
    }
    // The rest for the names, so that the dates are read without scrolling, but never less than
    // the longest name in view.
    const QAbstractItemView* list = view;  // where the measure is public
    header->resizeSection(0, std::max(list->sizeHintForColumn(0),
                                      view->viewport()->width() - others));
}

// The file dialogs made so far that are still there (one open, one kept for its folder).
std::vector<QPointer<QFileDialog>> g_dialogs;

// The file dialog's icons and kinds of file. Naming a file's kind means matching its name against
// every pattern of the system's file types (and reading its first bytes when no pattern decides),
// which costs more than everything else the dialog does for a folder of many files (1000 files:
// three times the rest): a kind found is kept for that file while its size and time are the
// same, and while a dialog opens a kind not known yet is left blank and found on another thread
// once the dialog is on the screen, as a file manager fills in what it takes long to find. The
// dialogs then show the kinds found (in the order of their kinds, when they are listed by kind).
class KindKeepingIconProvider : public QFileIconProvider {
  public:
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::type(info);
        {
            // In a folder with no kind found yet there is nothing to look up: the key (the file's
            // time, in local time and back) costs more than the rest of the dialog's work for it.
            QMutexLocker lock(&mutex_);
            if (later_ && !folders_.contains(info.absolutePath())) {
                leaveForLater(info);
                return kBlank;
            }
        }
        const QString key = keyOf(info);
        {
            QMutexLocker lock(&mutex_);
            if (const auto found = kinds_.constFind(key); found != kinds_.cend()) return *found;
            if (later_) {
                leaveForLater(info);
                return kBlank;
            }
        }
        return kindOf(info, key);
    }

    // From a file dialog's request until it is closed, kinds not known are found later.
    void findLater(bool later) {
        {
            QMutexLocker lock(&mutex_);
            later_ = later;
            shown_ = false;
        }
        if (!later) findPending();
    }
    // The dialog has drawn its first frame: the kinds left blank are found now.
    void dialogShown() {
        {
            QMutexLocker lock(&mutex_);
            shown_ = true;
        }
        findPending();
    }
    bool finding() const {
        QMutexLocker lock(&mutex_);
        return running_ > 0 || queued_ || !pending_.isEmpty();
    }

  private:
    // Leaves the kind of `info` to be found once the dialog is on the screen (under the lock).
    void leaveForLater(const QFileInfo& info) const {
        pending_.append(info.absoluteFilePath());
        if (shown_ && !queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(qApp, [this] { findPending(); }, Qt::QueuedConnection);
        }
    }
    static QString keyOf(const QFileInfo& info) {
        return info.absoluteFilePath() + u'\n' + QString::number(info.size()) + u'\n' +
               QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    QString kindOf(const QFileInfo& info, const QString& key) const {
        const QString kind = QFileIconProvider::type(info);
        QMutexLocker lock(&mutex_);
        if (kinds_.size() >= kKept) {
            kinds_.clear();
            folders_.clear();
        }
        kinds_.insert(key, kind);
        folders_.insert(info.absolutePath());
        return kind;
    }

    void findPending() const {
        QStringList paths;
        {
            QMutexLocker lock(&mutex_);
            queued_ = false;
            paths.swap(pending_);
            if (paths.isEmpty()) return;
            ++running_;
        }
        QThreadPool::globalInstance()->start([this, paths] {
            for (const QString& path : paths)
                if (const QFileInfo info(path); info.isFile()) kindOf(info, keyOf(info));
            QMetaObject::invokeMethod(qApp, [this] { showKinds(); }, Qt::QueuedConnection);
        });
    }

    // Every dialog's model names the kinds again (from what is kept now), and its views show them.
    void showKinds() const {
        std::erase_if(g_dialogs, [](const QPointer<QFileDialog>& d) { return d.isNull(); });
        for (const QPointer<QFileDialog>& dialog : g_dialogs) {
            auto* model = dialog->findChild<QFileSystemModel*>();
            auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            if (!model || !view) continue;
            // A change of language is when the model names every kind again.
            QEvent renamed(QEvent::LanguageChange);
            QCoreApplication::sendEvent(model, &renamed);
            const QModelIndex folder = view->rootIndex();
            if (const int rows = model->rowCount(folder); rows > 0)
                emit model->dataChanged(model->index(0, kKindColumn, folder),
                                        model->index(rows - 1, kKindColumn, folder),
                                        {Qt::DisplayRole});
            fitColumns(view);
            // The model sorts again only on a change of column or order.
            const QHeaderView* header = view->header();
            if (header->sortIndicatorSection() == kKindColumn) {
                model->sort(0, header->sortIndicatorOrder());
                model->sort(kKindColumn, header->sortIndicatorOrder());
            }
        }
        QMutexLocker lock(&mutex_);
        --running_;
    }

    static constexpr qsizetype kKept = 20000;
    static constexpr int kKindColumn = 2;
    // Not empty: the model takes a file whose kind is empty for one it has not named yet, and
    // would never show it.
    static inline const QString kBlank = QStringLiteral(" ");
    mutable QMutex mutex_;
    mutable QHash<QString, QString> kinds_;
    mutable QSet<QString> folders_;  // the folders of the files in kinds_
    mutable QStringList pending_;
    bool later_ = false, shown_ = false;
    mutable bool queued_ = false;
    mutable int running_ = 0;
};

KindKeepingIconProvider& fileIcons() {
    static KindKeepingIconProvider icons;
    return icons;
}

// Qt's own file dialog opens at a size where names, sizes and dates are cut short: it opens
// wide enough for them, its columns fit what they show, and its lists are named.
void fitAndNameFileDialog(QFileDialog& dialog) {
    const QFontMetrics fm(dialog.font());
    dialog.resize(std::max(dialog.width(), fm.horizontalAdvance(QLatin1Char('M')) * 62),
                  std::max(dialog.height(), fm.height() * 28));
    for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
        // Every file takes one line: the list measures one row, not each row it lays out.
        view->setUniformRowHeights(true);
        // Qt keeps the columns' state between runs: left fitting themselves by an earlier
        // version, they would still measure every change.
        QHeaderView* header = view->header();
        for (int c = 0; c < header->count(); ++c)
            header->setSectionResizeMode(c, QHeaderView::Interactive);
        header->setResizeContentsPrecision(0);  // the rows in view
        QObject::connect(view->model(), &QAbstractItemModel::layoutChanged, view,
                         [view] { fitColumns(view); });
    }
    // Qt names the dialog's buttons and boxes for a screen reader, not its two lists: they take
    // the captions beside them, as the program's own lists do.
    for (const auto& [list, caption] :
         {std::pair{"lookInCombo", "lookInLabel"}, std::pair{"fileTypeCombo", "fileTypeLabel"}})
        accessibility::nameByCaption(dialog.findChild<QWidget*>(QLatin1String(list)),
                                     dialog.findChild<QLabel*>(QLatin1String(caption)));
}

// The file dialog of the last request, kept hidden for the next one in the same folder: its
// files are listed and their kinds known already. It is kept only while nothing tells it from a
// dialog just made: the reader did not go to another folder in it (Back would lead there), and it
// belongs to a window (one with no owner would outlive the program's windows).
struct KeptDialog {
    QPointer<QFileDialog> dialog;
    QString folder;
    QSize size;  // as it opened first
};
KeptDialog g_kept;

QFileDialog* keptDialogFor(QWidget* owner, const QString& folder) {
    QFileDialog* d = g_kept.dialog;
    if (!d || g_kept.folder != folder || !owner) {
        delete d;
        return nullptr;
    }
    d->setParent(owner, d->windowFlags());
    d->setAttribute(Qt::WA_Moved, false);  // placed over its owner again
    d->resize(g_kept.size);
    // Nothing chosen yet, the list at its top.
    if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->clear();
    for (const char* name : {"listView", "treeView"}) {
        if (auto* view = d->findChild<QAbstractItemView*>(QLatin1String(name))) {
            view->clearSelection();
            view->scrollToTop();
        }
    }
    return d;
}

// What a dialog leads to: its folder, where Back and Forward go, the folders it lists as visited.
struct Whereabouts {
    QString folder;
    bool back = false, forward = false;
    QStringList history;
    bool operator==(const Whereabouts&) const = default;
};
Whereabouts whereabouts(const QFileDialog& dialog) {
    const auto* back = dialog.findChild<QToolButton*>(QStringLiteral("backButton"));
    const auto* forward = dialog.findChild<QToolButton*>(QStringLiteral("forwardButton"));
    return {QDir(dialog.directory()).absolutePath(), back && back->isEnabled(),
            forward && forward->isEnabled(), dialog.history()};
}

// Keeps the dialog for the next request unless the reader went elsewhere in it.
void keepDialog(QFileDialog* dialog, QWidget* owner, const Whereabouts& opened, QSize opening) {
    if (!owner || whereabouts(*dialog) != opened) {
        delete dialog;
        g_kept = {};
        return;
    }
    g_kept = {dialog, opened.folder, opening};
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
    QFileDialog* dialog = keptDialogFor(owner, folder);
    const bool fresh = dialog == nullptr;
    fileIcons().findLater(true);
    if (fresh) {
        // Made in its folder, it lists no other first.
        dialog = new QFileDialog(owner, QString(), folder);
        dialog->setIconProvider(&fileIcons());
        g_dialogs.emplace_back(dialog);
    }
    const QPointer<QObject> firstFrame =
        window_rules::afterFirstFrame(dialog, [] { fileIcons().dialogShown(); });
    const QPointer<QObject> onTop = openOnTop(dialog, owner);
    dialog->setWindowTitle(request.save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog->setNameFilter(nameFilter);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(ext.toLower());
    dialog->setDirectory(folder);
    if (!request.proposedName.isEmpty()) dialog->selectFile(request.proposedName);
    if (fresh) fitAndNameFileDialog(*dialog);
    const QSize opening = fresh ? dialog->size() : g_kept.size;
    const Whereabouts opened = whereabouts(*dialog);
    const QPointer<QFileDialog> shown = dialog;
    const bool accepted = dialog->exec() == QDialog::Accepted;
    fileIcons().findLater(false);
    delete firstFrame.data();
    if (!shown) return std::nullopt;  // its window went away meanwhile
    const QStringList chosen = dialog->selectedFiles();
    delete onTop.data();
    keepDialog(dialog, owner, opened, opening);
    if (!accepted || chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}

bool fileKindsBeingFound() {
    return fileIcons().finding();
}

namespace {

class IconKeepingStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        // With an option the icon may depend on its state: asked for afresh.
        if (option) return QProxyStyle::standardIcon(icon, option, widget);
        const Qt::LayoutDirection direction =
            widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
        const auto key = std::make_pair(static_cast<int>(icon), static_cast<int>(direction));
        if (const auto found = kept_.constFind(key); found != kept_.cend()) return *found;
        QIcon made = QProxyStyle::standardIcon(icon, option, widget);
        kept_.insert(key, made);
        return made;
    }

  private:
    mutable QHash<std::pair<int, int>, QIcon> kept_;
};

}  // namespace

void keepStandardIcons() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) &&
        !dynamic_cast<IconKeepingStyle*>(QApplication::style()))
        QApplication::setStyle(new IconKeepingStyle);
}

WaitCursor::WaitCursor()
    : active_(!g_script && qobject_cast<QApplication*>(QCoreApplication::instance())) {
    if (active_) QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
    if (active_) QApplication::restoreOverrideCursor();
}

}  // namespace dialogs
