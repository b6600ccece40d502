#include "platform/help_viewer.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "platform/accessibility.h"

namespace {
int g_open = 0;

// About as many characters of the document as a maximized viewer shows at once (lines of the
// screen's height, each as wide as the screen): the part shown first holds at least this much
// from its section on, so that its first screen is the whole document's.
qsizetype screenful(const QWidget& viewer) {
    const QScreen* screen = viewer.screen();
    const QSize size = screen ? screen->availableSize() : QSize(1920, 1080);
    const QFontMetrics fm(viewer.font());
    return qsizetype(size.height() / std::max(1, fm.lineSpacing())) *
           (size.width() / std::max(1, fm.averageCharWidth()));
}

// The part shown first is cut at headings: where the last one at or before `from` begins (-1:
// none), and the first one at or after it (`end`: none before it).
const QRegularExpression& headingTag() {
    static const QRegularExpression re(QStringLiteral("<h[1-6][\\s>]"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}
qsizetype headingAtOrBefore(const QString& html, qsizetype from, qsizetype floor) {
    qsizetype found = -1;
    for (auto it = headingTag().globalMatch(html, floor); it.hasNext();) {
        const qsizetype at = it.next().capturedStart();
        if (at > from) break;
        found = at;
    }
    return found;
}
qsizetype headingAtOrAfter(const QString& html, qsizetype from, qsizetype end) {
    const QRegularExpressionMatch m = headingTag().match(html, from);
    return m.hasMatch() && m.capturedStart() < end ? m.capturedStart() : end;
}

}  // namespace

std::optional<QString> HelpViewer::leadingPart(const QString& html, const QString& anchor,
                                               qsizetype screenful) {
    static const QRegularExpression bodyTag(QStringLiteral("<body[^>]*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch body = bodyTag.match(html);
    if (!body.hasMatch()) return std::nullopt;
    const qsizetype bodyStart = body.capturedEnd();
    qsizetype bodyEnd = html.lastIndexOf(QStringLiteral("</body"), -1, Qt::CaseInsensitive);
    if (bodyEnd < bodyStart) bodyEnd = html.size();
    qsizetype start = bodyStart;
    if (!anchor.isEmpty()) {
        const QRegularExpression named(QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']%1[\"']")
                                           .arg(QRegularExpression::escape(anchor)),
                                       QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = named.match(html, bodyStart);
        if (!m.hasMatch() || m.capturedStart() >= bodyEnd) return std::nullopt;
        const qsizetype tag = html.lastIndexOf(u'<', m.capturedStart());
        const qsizetype heading = headingAtOrBefore(html, tag, bodyStart);
        start = heading >= 0 ? heading : std::max(tag, bodyStart);
    }
    qsizetype end = headingAtOrAfter(html, std::min(start + screenful, bodyEnd), bodyEnd);
    if (end == bodyEnd && end - start < screenful) {
        // Near the end the whole document shows its last screen: so does the part.
        const qsizetype back =
            headingAtOrBefore(html, std::max(bodyStart, bodyEnd - screenful), bodyStart);
        start = std::min(start, back >= 0 ? back : bodyStart);
    }
    return html.left(bodyStart) + html.mid(start, end - start) + QStringLiteral("</body></html>");
}

HelpViewer* HelpViewer::open(const QString& documentPath, const QString& title,
                             const QString& anchor, bool modal) {
    auto* viewer = new HelpViewer(documentPath, title, anchor);
    // Over a modal window it holds up the program until it closes.
    if (modal) viewer->setWindowModality(Qt::ApplicationModal);
    viewer->showMaximized();
    // The first part goes in when the window is exposed at the size it is maximized to, so
    // that its text is laid out once, for that width.
    if (!viewer->whole_) viewer->windowHandle()->installEventFilter(viewer);
    return viewer;
}

int HelpViewer::openCount() {
    return g_open;
}

HelpViewer::HelpViewer(const QString& documentPath, const QString& title, const QString& anchor) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    ++g_open;
    connect(this, &QObject::destroyed, [] { --g_open; });

    browser_ = new QTextBrowser(this);
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
    bar->addAction(QStringLiteral("&Contents"), browser_, [this] {
        loadWholeDocument();
        browser_->home();
    });
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
        // Parsing and laying out the whole manual up to a section near its end takes several
        // frames: the sections around the one asked for are shown first, and the whole
        // document is put in their place after the first paint.
        QFile file(info.absoluteFilePath());
        std::optional<QString> part;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
            if (decoder.isValid()) part = leadingPart(decoder(bytes), anchor, screenful(*this));
        }
        if (part) {
            whole_ = false;
            firstPart_ = *part;
            firstSection_ = anchor;
            pendingSection_ = anchor;
        } else {
            browser_->setSource(documentUrl_);
            showSection(anchor);
        }
    } else {
        browser_->setHtml(
            QStringLiteral("<h2>%1</h2><p>The help document <b>%2</b> could not be found.</p>"
                           "<p>It should be in the help folder of the program: %3</p>")
                .arg(title.toHtmlEscaped(), info.fileName().toHtmlEscaped(),
                     info.absolutePath().toHtmlEscaped()));
    }
}

QTextBrowser* HelpViewer::browser() {
    loadWholeDocument();
    return browser_;
}

void HelpViewer::showFirstPart() {
    if (whole_ || firstPart_.isEmpty()) return;
    browser_->document()->setBaseUrl(documentUrl_);
    // The part fills the screen: a scroll bar that came with the text would lay it out again
    // for the narrower width.
    browser_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    browser_->setHtml(firstPart_);
    firstPart_.clear();
    browser_->scrollToAnchor(firstSection_);
    QTimer::singleShot(0, this, &HelpViewer::loadWholeDocument);
}

void HelpViewer::loadWholeDocument() {
    if (whole_) return;
    whole_ = true;
    firstPart_.clear();
    // The reader has not moved yet (any key, click or wheel brings the whole document first),
    // so the section shown first is the one to keep in view.
    browser_->setSource(documentUrl_);
    browser_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (!firstSection_.isEmpty()) showSection(firstSection_);
}

void HelpViewer::showSection(const QString& anchor) {
    if (!found_ || anchor.isEmpty()) return;
    loadWholeDocument();
    QUrl url = documentUrl_;
    url.setFragment(anchor);
    browser_->setSource(url);
    pendingSection_ = anchor;
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* e) {
    if (watched == windowHandle()) {
        if (e->type() == QEvent::Expose && windowHandle()->isExposed()) {
            windowHandle()->removeEventFilter(this);
            showFirstPart();
        }
        return false;
    }
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            // What the reader does is done in the whole document.
            loadWholeDocument();
            pendingSection_.clear();
            break;
        case QEvent::Resize:
            // The text is laid out again for the new width: keep the section
            // asked for at the top.
            if (watched == browser_ && !pendingSection_.isEmpty())
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (!pendingSection_.isEmpty()) browser_->scrollToAnchor(pendingSection_);
                    },
                    Qt::QueuedConnection);
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, e);
}

QString HelpViewer::currentSection() const {
    if (!whole_) return firstSection_;
    return browser_->source().fragment();
}

bool HelpViewer::find(const QString& text) {
    if (text.isEmpty()) return false;
    loadWholeDocument();
    if (browser_->find(text)) return true;
    // Wrap round to the top.
    QTextCursor start = browser_->textCursor();
    start.movePosition(QTextCursor::Start);
    browser_->setTextCursor(start);
    return browser_->find(text);
}
