#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextBrowser>
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

namespace {
// The line at the top of the browser's view, and whether the view is scrolled to its end.
struct InView {
    QString top;
    bool atEnd = false;
    int scrolled = 0;
    bool operator==(const InView&) const = default;
};
InView inView(QTextBrowser* b) {
    const QScrollBar* bar = b->verticalScrollBar();
    return {b->cursorForPosition(QPoint(4, 4)).block().text(), bar->value() == bar->maximum(),
            bar->value()};
}

// What the viewer's browser shows when it first paints.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(HelpViewer* v) : b_(v->browser()) {
        b_->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted) {
            painted = true;
            seen = inView(b_);
        }
        return false;
    }
    bool painted = false;
    InView seen;

  private:
    QTextBrowser* b_;
};
}  // namespace

// Every opening shows the section asked for in its first frame, where it stays: its heading at
// the top, or the end of the manual for a section too short to reach the top.
TEST(HelpViewer, ItsFirstFrameShowsTheSectionAskedFor) {
    struct Case {
        const char* anchor;
        const char* top;  // nullptr: the view is at the manual's end
    };
    const Case cases[] = {
        {"", "Vantora 95 \u2014 How to Use the Program"},
        {"mortgages", "Mortgages"},
        {"keys", "Keyboard reference"},
        {"glossary", nullptr},
        {"mortgages", "Mortgages"},  // a second opening, from the manual kept for the run
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.anchor);
        HelpViewer* v =
            HelpViewer::open(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"),
                             QStringLiteral("How to Use the Program"), QString::fromLatin1(c.anchor));
        FirstFrame frame(v);
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame.painted; }));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(v->currentSection(), QString::fromLatin1(c.anchor));
        if (c.top) {
            EXPECT_EQ(frame.seen.top, QString::fromUtf8(c.top));
        } else {
            EXPECT_TRUE(frame.seen.atEnd);
            EXPECT_GT(frame.seen.scrolled, 0);
        }
        EXPECT_EQ(inView(v->browser()), frame.seen);  // nothing moves after the first frame
        delete v;
    }
}

// A help document is read once a run: a viewer opened later shows the text read first, at the
// section asked for, with its Back to the top.
TEST(HelpViewer, ADocumentIsReadOnceARun) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.html"));
    auto write = [&](const QString& html) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(html.toUtf8());
    };
    QString html = QStringLiteral("<html><head><title>Kept</title></head><body>");
    for (int s = 0; s < 40; ++s)
        html += QStringLiteral("<h2 id=\"s%1\">Section %1</h2><p>First words of %1.</p>").arg(s);
    write(html + QStringLiteral("</body></html>"));
    for (const char* anchor : {"s5", "s20"}) {
        SCOPED_TRACE(anchor);
        HelpViewer* v = HelpViewer::open(path, QStringLiteral("Kept"), QString::fromLatin1(anchor));
        if (QString::fromLatin1(anchor) == u"s5")
            write(QStringLiteral("<html><body><p>Changed on the disk.</p></body></html>"));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(v->windowTitle(), QStringLiteral("Kept"));
        EXPECT_EQ(v->currentSection(), QString::fromLatin1(anchor));
        EXPECT_TRUE(v->browser()->toPlainText().contains(QStringLiteral("First words of 39.")));
        ASSERT_TRUE(v->browser()->isBackwardAvailable());
        v->browser()->backward();
        EXPECT_EQ(v->currentSection(), QString());
        delete v;
    }
}
