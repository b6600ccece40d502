#include "platform/help_viewer.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <functional>

#include "platform/accessibility.h"

namespace {
int g_open = 0;

// The help documents as read from their files, kept for the run: every viewer (and every link
// between the two documents) takes the text from here instead of reading and decoding the file
// again.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::HtmlResource || !name.isLocalFile())
            return QTextBrowser::loadResource(type, name);
        static QHash<QString, QString> kept;
        const QString path = QFileInfo(name.toLocalFile()).absoluteFilePath();
        if (const auto found = kept.constFind(path); found != kept.cend()) return *found;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QTextBrowser::loadResource(type, name);
        const QByteArray bytes = file.readAll();
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
        const QString text = decoder(bytes);
        kept.insert(path, text);
        return text;
    }

    // Runs once the text has been laid out again for a new size, before the view is painted.
    std::function<void()> laidOut;

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QTextBrowser::resizeEvent(e);
        if (laidOut) laidOut();
    }
};

}  // namespace

HelpViewer* HelpViewer::open(const QString& documentPath, const QString& title,
                             const QString& anchor, bool modal) {
    auto* viewer = new HelpViewer(documentPath, title);
    // Over a modal window it holds up the program until it closes.
    if (modal) viewer->setWindowModality(Qt::ApplicationModal);
    // Shown first: the text is laid out up to the section at the width it is shown at (and again
    // when the window manager has maximized it).
    viewer->showMaximized();
    viewer->showSection(anchor);
    return viewer;
}

int HelpViewer::openCount() {
    return g_open;
}

HelpViewer::HelpViewer(const QString& documentPath, const QString& title) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    ++g_open;
    connect(this, &QObject::destroyed, [] { --g_open; });

    auto* browser = new HelpBrowser(this);
    browser_ = browser;
    // Laid out again for a new width, the text keeps the section asked for at the top.
    browser->laidOut = [this] {
        if (!pendingSection_.isEmpty()) browser_->scrollToAnchor(pendingSection_);
    };
    browser_->setOpenExternalLinks(true);
    browser_->installEventFilter(this);
    browser_->viewport()->installEventFilter(this);
    setCentralWidget(browser_);

    // Escape and Ctrl+W close the viewer, as they close a document window elsewhere on the desktop.
    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("< &Back"), browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward =
        bar->addAction(QStringLiteral("&Forward >"), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addAction(QStringLiteral("&Contents"), browser_, &QTextBrowser::home);
    bar->addSeparator();
    auto* findCaption = new QLabel(QStringLiteral(" Find: "), bar);
    bar->addWidget(findCaption);
    findBox_ = new QLineEdit(bar);
    // Read as text by a screen reader, under the document's title.
    browser_->setAccessibleName(title);
    accessibility::nameByCaption(findBox_, findCaption);
    findBox_->setMaximumWidth(240);
    bar->addWidget(findBox_);
    QAction* findNext = bar->addAction(QStringLiteral("Find &Next"));
    findStatus_ = new QLabel(bar);
    bar->addWidget(findStatus_);
    auto doFind = [this] {
        const bool hit = find(findBox_->text());
        findStatus_->setText(hit || findBox_->text().isEmpty() ? QString()
                                                               : QStringLiteral("  Not found."));
    };
    connect(findNext, &QAction::triggered, this, doFind);
    connect(findBox_, &QLineEdit::returnPressed, this, doFind);
    QAction* focusFind = new QAction(this);
    focusFind->setShortcut(QKeySequence::Find);
    connect(focusFind, &QAction::triggered, findBox_, [this] {
        findBox_->setFocus();
        findBox_->selectAll();
    });
    addAction(focusFind);

    // Links between the two documents change the title to the document shown.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        if (url.fragment() != pendingSection_) pendingSection_.clear();
        const QString docTitle = browser_->documentTitle();
        if (!docTitle.isEmpty()) setWindowTitle(docTitle);
    });

    const QFileInfo info(documentPath);
    found_ = info.isFile() && info.isReadable();
    if (found_) {
        browser_->setSearchPaths({info.absolutePath()});
        documentUrl_ = QUrl::fromLocalFile(info.absoluteFilePath());
        browser_->setSource(documentUrl_);
    } else {
        browser_->setHtml(
            QStringLiteral("<h2>%1</h2><p>The help document <b>%2</b> could not be found.</p>"
                           "<p>It should be in the help folder of the program: %3</p>")
                .arg(title.toHtmlEscaped(), info.fileName().toHtmlEscaped(),
                     info.absolutePath().toHtmlEscaped()));
    }
}

void HelpViewer::showSection(const QString& anchor) {
    if (!found_ || anchor.isEmpty()) return;
    QUrl url = documentUrl_;
    url.setFragment(anchor);
    browser_->setSource(url);
    pendingSection_ = anchor;
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            pendingSection_.clear();
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, e);
}

QString HelpViewer::currentSection() const {
    return browser_->source().fragment();
}

bool HelpViewer::find(const QString& text) {
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    // Wrap round to the top.
    QTextCursor start = browser_->textCursor();
    start.movePosition(QTextCursor::Start);
    browser_->setTextCursor(start);
    return browser_->find(text);
}
