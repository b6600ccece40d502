#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QMap>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

TEST(HelpViewer, OpensTheManualMaximizedWithItsContents) {
    HelpViewer* v = HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                                     QStringLiteral("How to Use the Program"));
    ASSERT_TRUE(v->documentFound());
    EXPECT_TRUE(v->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(v->isModal());
    const QString text = v->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("How to Use the Program")));
    EXPECT_TRUE(text.contains(QStringLiteral("Contents")));
    EXPECT_TRUE(v->find(QStringLiteral("Printing")));
    EXPECT_TRUE(v->find(QStringLiteral("Printing")));  // wraps round to the first again
    EXPECT_FALSE(v->find(QStringLiteral("no such words anywhere")));
    // Following a contents link can be undone with Back.
    v->browser()->setSource(QUrl(QStringLiteral("#printing")));
    EXPECT_TRUE(v->browser()->isBackwardAvailable());
    delete v;
}

TEST(HelpViewer, AMissingDocumentIsSaidInTheViewer) {
    HelpViewer* v =
        HelpViewer::open(QStringLiteral("/nowhere/prosprn.html"), QStringLiteral("Prosperon"));
    EXPECT_FALSE(v->documentFound());
    EXPECT_TRUE(v->browser()->toPlainText().contains(
        QStringLiteral("The help document prosprn.html could not be found.")));
    delete v;
}

TEST(HelpViewer, TheGuideHasItsTitleAndContents) {
    HelpViewer* v = HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/prosprn.html"),
                                     QStringLiteral("Prosperon"));
    ASSERT_TRUE(v->documentFound());
    EXPECT_TRUE(v->browser()->toPlainText().contains(QStringLiteral("Prosperon")));
    EXPECT_TRUE(v->browser()->toPlainText().contains(QStringLiteral("Contents")));
    delete v;
}

TEST(HelpViewer, OpensAtASectionAndBackLeadsToTheTop) {
    HelpViewer* v =
        HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                         QStringLiteral("How to Use the Program"), QStringLiteral("mortgages"));
    ASSERT_TRUE(v->documentFound());
    EXPECT_EQ(v->currentSection(), QStringLiteral("mortgages"));
    // Laid out again at another size, the section is still the first thing in view.
    v->showNormal();
    v->resize(700, 400);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(v->browser()->cursorForPosition(QPoint(4, 4)).block().text(),
              QStringLiteral("Mortgages"));
    ASSERT_TRUE(v->browser()->isBackwardAvailable());
    v->browser()->backward();
    EXPECT_EQ(v->currentSection(), QString());
    v->browser()->forward();
    EXPECT_EQ(v->currentSection(), QStringLiteral("mortgages"));
    v->showSection(QStringLiteral("keys"));
    EXPECT_EQ(v->currentSection(), QStringLiteral("keys"));
    delete v;
}

TEST(HelpViewer, TheTwoDocumentsLeadToEachOtherAndTheTitleFollows) {
    HelpViewer* v = HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                                     QStringLiteral("How to Use the Program"));
    v->browser()->setSource(QUrl(QStringLiteral("prosprn.html#income")));
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Prosperon"));
    EXPECT_TRUE(
        v->browser()->toPlainText().contains(QStringLiteral("Drawing income from capital")));
    v->browser()->setSource(QUrl(QStringLiteral("VTK.html#compounding")));
    EXPECT_EQ(v->windowTitle(), QStringLiteral("How to Use the Program"));
    EXPECT_EQ(v->currentSection(), QStringLiteral("compounding"));
    // Find selects the word it found.
    EXPECT_TRUE(v->find(QStringLiteral("semi-annually")));
    EXPECT_EQ(v->browser()->textCursor().selectedText(), QStringLiteral("semi-annually"));
    v->browser()->backward();
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Prosperon"));
    delete v;
}

TEST(HelpViewer, EscapeAndCtrlWCloseIt) {
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape),
                                      QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        QPointer<HelpViewer> v = HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                                                  QStringLiteral("How to Use the Program"));
        QApplication::setActiveWindow(v);
        QTest::keyClick(v->browser(), key.key(), key.keyboardModifiers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(v.isNull()) << QKeySequence(key).toString().toStdString();
        delete v.data();
    }
}

TEST(HelpViewer, TheFirstPartIsWholeSectionsAroundTheOneAskedFor) {
    const QMap<QString, QString> sections = {
        {"top", "<h1 id=\"top\">Top</h1><p>intro</p>"},
        {"one", "<h2 id=\"one\">One</h2><p>first</p>"},
        {"two", "<h3 id=\"two\">Two</h3><p>x <a name=\"inline\">i</a></p>"},
        {"end", "<h2 id=\"end\">End</h2><p>last</p>"},
    };
    const QString head = QStringLiteral("<html><head><title>T</title></head><body>");
    const QString html = head + sections["top"] + sections["one"] + sections["two"] +
                         sections["end"] + QStringLiteral("</body></html>");
    // Each section is a heading and a paragraph: four lines as the part counts them.
    struct Case {
        const char* anchor;
        int lines;
        const char* part;  // its sections; nullptr: no part
        bool fromTop, toEnd;
    };
    const Case cases[] = {
        {"one", 3, "one", false, false},
        {"one", 5, "one two", false, false},
        {"inline", 2, "two", false, false},     // from the heading of the section the anchor is in
        {"inline", 3, "two end", false, true},  // from the paragraph the anchor is in
        {"", 3, "top", true, false},
        {"end", 3, "end", false, true},
        {"end", 7, "two end", false, true},  // near the end it reaches back a screen
        {"end", 40, "top one two end", true, true},
        {"missing", 3, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.anchor) + " " + std::to_string(c.lines));
        const auto part = HelpViewer::leadingPart(html, QString::fromLatin1(c.anchor), c.lines);
        ASSERT_EQ(part.has_value(), c.part != nullptr);
        if (!part) continue;
        QString expected = head;
        for (const QString& name : QString::fromLatin1(c.part).split(u' '))
            expected += sections[name];
        EXPECT_EQ(part->html.toStdString(),
                  (expected + QStringLiteral("</body></html>")).toStdString());
        EXPECT_EQ(part->fromTop, c.fromTop);
        EXPECT_EQ(part->toEnd, c.toEnd);
    }
    EXPECT_FALSE(HelpViewer::leadingPart(QStringLiteral("<p>no body</p>"), QString(), 10));
}

namespace {
// What the browser shows: its document drawn over its view.
QImage view(QTextBrowser* b) {
    QImage image(b->viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int top = b->verticalScrollBar()->value();
    painter.translate(0, -top);
    b->document()->drawContents(&painter, QRectF(QPointF(0, top), b->viewport()->size()));
    return image;
}

// What the viewer's first frame shows: the line at its top, the view, and whether the whole
// document was in it yet.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(HelpViewer* v) : v_(v), b_(v->findChild<QTextBrowser*>()) {
        b_->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted) {
            painted = true;
            top = b_->cursorForPosition(QPoint(4, 4)).block().text();
            image = view(b_);
            whole = v_->wholeDocumentShown();
        }
        return false;
    }
    bool painted = false, whole = true;
    QString top;
    QImage image;

  private:
    HelpViewer* v_;
    QTextBrowser* b_;
};
}  // namespace

TEST(HelpViewer, ItsFirstFrameShowsThePartAsTheWholeManualWillShowIt) {
    for (const char* anchor : {"mortgages", "glossary", "keys", ""}) {
        SCOPED_TRACE(anchor);
        HelpViewer* v =
            HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                             QStringLiteral("How to Use the Program"), QString::fromLatin1(anchor));
        FirstFrame frame(v);
        ASSERT_TRUE(QTest::qWaitFor([&] { return v->wholeDocumentShown() && frame.painted; }));
        EXPECT_FALSE(frame.whole);
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(v->currentSection(), QString::fromLatin1(anchor));
        EXPECT_EQ(v->browser()->cursorForPosition(QPoint(4, 4)).block().text(), frame.top);
        EXPECT_TRUE(view(v->browser()) == frame.image);  // the same text at the same place
        delete v;
    }
    // What the reader does before then is done in the whole manual.
    HelpViewer* v =
        HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                         QStringLiteral("How to Use the Program"), QStringLiteral("keys"));
    QTest::keyClick(v->findChild<QTextBrowser*>(), Qt::Key_Down);
    EXPECT_TRUE(v->wholeDocumentShown());
    EXPECT_TRUE(v->browser()->isBackwardAvailable());
    delete v;
}

TEST(HelpViewer, ADocumentShorterThanItsMarkupSaysIsShownWholeAtOnce) {
    // Paragraphs in a tiny type: the part counted from the markup would not fill the view.
    QTemporaryDir dir;
    QString html = QStringLiteral("<html><head><title>Tiny</title></head><body>");
    for (int s = 0; s < 30; ++s) {
        html += QStringLiteral("<h2 id=\"s%1\">Section %1</h2>").arg(s);
        for (int p = 0; p < 10; ++p)
            html += QStringLiteral("<p style=\"font-size:2pt; margin:0\">line %1</p>").arg(p);
    }
    html += QStringLiteral("</body></html>");
    QFile file(dir.filePath(QStringLiteral("tiny.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html.toUtf8());
    file.close();
    for (const char* anchor : {"s10", "s29"}) {
        SCOPED_TRACE(anchor);
        HelpViewer* v = HelpViewer::open(file.fileName(), QStringLiteral("Tiny"),
                                         QString::fromLatin1(anchor));
        FirstFrame frame(v);
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame.painted; }));
        EXPECT_TRUE(frame.whole);
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(v->currentSection(), QString::fromLatin1(anchor));
        EXPECT_TRUE(view(v->browser()) == frame.image);
        delete v;
    }
}
