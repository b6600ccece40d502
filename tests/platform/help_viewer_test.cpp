#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
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
