#include "platform/help_viewer.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/accessibility.h"

namespace {
int g_open = 0;

// The lines of text a maximized viewer shows at once (the screen's height in lines of its font),
// and a tenth more: the part shown first holds at least this much from its section on, counted
// as `leadingPart` counts, so that its first screen is the whole document's.
int screenLines(const QWidget& viewer) {
    const QScreen* screen = viewer.screen();
    const int height = screen ? screen->availableSize().height() : 1080;
    return height / std::max(1, QFontMetrics(viewer.font()).lineSpacing()) * 10 / 9 + 1;
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Whether `html` at `at` opens the tag `name` (followed by a space, '>' or '/').
bool opensTag(QStringView html, qsizetype at, QStringView name) {
    if (at + 1 + name.size() >= html.size()) return false;
    if (html.sliced(at + 1, name.size()).compare(name, Qt::CaseInsensitive) != 0) return false;
    const QChar after = html[at + 1 + name.size()];
    return after.isSpace() || after == u'>' || after == u'/';
}

// A tag that starts a line of text in the body: a heading, paragraph, table row, list item,
// term, description or line break, with the height it takes at the least, in half lines.
struct LineStart {
    qsizetype at;
    int halfLines;
    bool heading;
};

// The body's line starts between `from` and `to`, in order, without parsing the markup: the
// part shown first is cut at headings and measured by these.
std::vector<LineStart> lineStarts(QStringView html, qsizetype from, qsizetype to) {
    static const struct {
        QStringView name;
        int halfLines;
    } kinds[] = {{u"p", 4}, {u"tr", 3}, {u"li", 2}, {u"dt", 2}, {u"dd", 2}, {u"br", 2}};
    std::vector<LineStart> starts;
    for (qsizetype at = html.indexOf(u'<', from); at >= 0 && at < to;
         at = html.indexOf(u'<', at + 1)) {
        if (at + 2 >= html.size()) break;
        const QChar c = html[at + 1].toLower();
        if (c == u'h' && html[at + 2] >= u'1' && html[at + 2] <= u'6' &&
            opensTag(html, at, html.sliced(at + 1, 2))) {
            starts.push_back({at, 4, true});
            continue;
        }
        for (const auto& kind : kinds) {
            if (kind.name.front() == c && opensTag(html, at, kind.name)) {
                starts.push_back({at, kind.halfLines, false});
                break;
            }
        }
    }
    return starts;
}

// Where the attribute naming `anchor` (id="anchor" or name='anchor', in any case) is, from
// `from` on: its "id" or "name"; -1 when there is none.
qsizetype anchorAttribute(QStringView html, QStringView anchor, qsizetype from) {
    for (qsizetype at = html.indexOf(anchor, from, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(anchor, at + 1, Qt::CaseInsensitive)) {
        const qsizetype close = at + anchor.size();
        if (at < 1 || close >= html.size()) continue;
        const QChar quote = html[at - 1];
        if ((quote != u'"' && quote != u'\'') || html[close] != quote) continue;
        qsizetype i = at - 2;
        while (i >= 0 && html[i].isSpace()) --i;
        if (i < 0 || html[i] != u'=') continue;
        --i;
        while (i >= 0 && html[i].isSpace()) --i;
        for (const QStringView name : {QStringView(u"id"), QStringView(u"name")}) {
            const qsizetype begin = i + 1 - name.size();
            if (begin >= 0 &&
                html.sliced(begin, name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
                (begin == 0 || !isWordChar(html[begin - 1])))
                return begin;
        }
    }
    return -1;
}

}  // namespace

std::optional<HelpViewer::Part> HelpViewer::leadingPart(const QString& html, const QString& anchor,
                                                        int lines) {
    qsizetype bodyTag = -1;
    for (qsizetype at = html.indexOf(u'<'); at >= 0; at = html.indexOf(u'<', at + 1)) {
        if (opensTag(html, at, u"body")) {
            bodyTag = at;
            break;
        }
    }
    if (bodyTag < 0) return std::nullopt;
    const qsizetype bodyOpenEnd = html.indexOf(u'>', bodyTag);
    if (bodyOpenEnd < 0) return std::nullopt;
    const qsizetype bodyStart = bodyOpenEnd + 1;
    qsizetype bodyEnd = html.lastIndexOf(QStringLiteral("</body"), -1, Qt::CaseInsensitive);
    if (bodyEnd < bodyStart) bodyEnd = html.size();

    qsizetype from = bodyStart;  // where the view starts: the anchor's tag
    if (!anchor.isEmpty()) {
        const qsizetype attribute = anchorAttribute(html, anchor, bodyStart);
        if (attribute < 0 || attribute >= bodyEnd) return std::nullopt;
        from = std::max(html.lastIndexOf(u'<', attribute), bodyStart);
    }
    const std::vector<LineStart> starts = lineStarts(html, bodyStart, bodyEnd);
    const qsizetype count = qsizetype(starts.size());
    // The line the view starts in (the last line start at or before `from`), and the heading
    // of its section: the part starts there.
    qsizetype first = 0;
    while (first + 1 < count && starts[first + 1].at <= from) ++first;
    qsizetype start = from;
    for (qsizetype i = first; i >= 0 && i < count; --i) {
        if (starts[i].heading && starts[i].at <= from) {
            start = starts[i].at;
            break;
        }
    }
    // A screen's worth of lines from there, then on to the next heading.
    const int wanted = 2 * std::max(lines, 1);
    int halfLines = 0;
    qsizetype next = first;
    while (next < count && halfLines < wanted) halfLines += starts[next++].halfLines;
    while (next < count && !starts[next].heading) ++next;
    const qsizetype end = next < count ? starts[next].at : bodyEnd;
    if (end == bodyEnd) {
        // Near the end the whole document shows its last screen: so does the part, from the
        // heading of the section that screen starts in.
        qsizetype i = count;
        halfLines = 0;
        while (i > 0 && starts[i - 1].at >= start) halfLines += starts[--i].halfLines;
        while (halfLines < wanted && start > bodyStart) {
            if (i == 0) {
                start = bodyStart;
                break;
            }
            do halfLines += starts[--i].halfLines;
            while (i > 0 && !starts[i].heading);
            start = starts[i].heading ? starts[i].at : bodyStart;
        }
    }
    return Part{
        html.left(bodyStart) + html.mid(start, end - start) + QStringLiteral("</body></html>"),
        start == bodyStart, end == bodyEnd};
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
        std::optional<Part> part;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
            if (decoder.isValid()) part = leadingPart(decoder(bytes), anchor, screenLines(*this));
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
    if (whole_ || firstPart_.html.isEmpty()) return;
    browser_->document()->setBaseUrl(documentUrl_);
    // The part fills the screen: a scroll bar that came with the text would lay it out again
    // for the narrower width.
    browser_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Its paragraphs keep their shaped glyphs for the paint that follows: a document drops
    // them once it has laid a paragraph out, and shapes each line again to draw it. The
    // document says what changed before it lays the change out.
    QTextDocument* doc = browser_->document();
    const QMetaObject::Connection keepGlyphs =
        connect(doc, &QTextDocument::contentsChange, this, [doc](int from, int, int added) {
            const QTextBlock last = doc->findBlock(from + added);
            for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
                block.layout()->setCacheEnabled(true);
                if (block == last) break;
            }
        });
    browser_->setHtml(firstPart_.html);
    disconnect(keepGlyphs);
    const Part part = std::exchange(firstPart_, Part());
    browser_->scrollToAnchor(firstSection_);
    // The part's lines are counted from the markup: when the view could not be put at the
    // section (the part is too short below it), the whole document shows the same only if it
    // ends there too, and if what comes before the part's first heading would be out of view.
    const QScrollBar* bar = browser_->verticalScrollBar();
    bool asWhole = bar->value() < bar->maximum();
    if (!asWhole && part.toEnd) {
        const qreal top = doc->documentLayout()->blockBoundingRect(doc->begin()).top() +
                          doc->begin().blockFormat().topMargin();
        asWhole = part.fromTop || bar->maximum() >= top;
    }
    if (!asWhole) {
        loadWholeDocument();
        return;
    }
    QTimer::singleShot(0, this, &HelpViewer::loadWholeDocument);
}

void HelpViewer::loadWholeDocument() {
    if (whole_) return;
    whole_ = true;
    firstPart_ = Part();
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
