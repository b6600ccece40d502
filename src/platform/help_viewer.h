// The program's help viewer: a maximized, non-modal window with back, forward and find.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <optional>

class QLineEdit;
class QTextBrowser;
class QLabel;

class HelpViewer : public QMainWindow {
    Q_OBJECT
  public:
    // Opens a new viewer on `documentPath` (an HTML file), at the section
    // `anchor` when one is given (Back then leads to the document's top); a
    // missing document is said in the viewer itself. A modal viewer can be
    // used over a modal window.
    static HelpViewer* open(const QString& documentPath, const QString& title,
                            const QString& anchor = QString(), bool modal = false);
    // The viewers now open (tests count them).
    static int openCount();

    // The browser, with the whole document in it (loaded now when only the part
    // around the section is shown yet).
    QTextBrowser* browser();
    // True once the whole document is in the browser: at first only the sections
    // around the one asked for are shown, and the whole document follows after the
    // first paint (or at once when the reader acts first).
    bool wholeDocumentShown() const { return whole_; }
    bool documentFound() const { return found_; }
    // Finds the next occurrence of `text`, wrapping at the end. False when absent.
    bool find(const QString& text);
    // Shows the section `anchor` of the document the viewer was opened on
    // (nothing changes when it is empty).
    void showSection(const QString& anchor);
    // The anchor of the section last shown ("" at the document's top).
    QString currentSection() const;

    // The part of `html` shown first when it opens at `anchor` ("": the top): its head and
    // whole sections, from the heading of the section `anchor` is in to at least `lines` lines
    // later, or the last `lines` lines and more when the document ends sooner. Lines are
    // counted from the markup, at about the least they take: a heading or paragraph is two, a
    // table row one and a half, a list item, term, description or line break one. Nothing when
    // the anchor is not in the document's body.
    struct Part {
        QString html;
        bool fromTop = false;  // it starts where the body does
        bool toEnd = false;    // it ends where the body does
    };
    static std::optional<Part> leadingPart(const QString& html, const QString& anchor, int lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    HelpViewer(const QString& documentPath, const QString& title, const QString& anchor);
    // Puts the first part in the browser at its section (the window is exposed at its
    // size), and the whole document after the paint.
    void showFirstPart();
    // Puts the whole document in the browser (with its history: the top, then
    // the section), at the section shown until now.
    void loadWholeDocument();
    // The section asked for, kept in view while the window is laid out and
    // maximized, until the reader scrolls or clicks.
    QString pendingSection_;
    QUrl documentUrl_;
    QTextBrowser* browser_;
    QLineEdit* findBox_;
    QLabel* findStatus_;
    bool found_ = false;
    bool whole_ = true;
    // The part shown first, until it is put in the browser.
    Part firstPart_;
    // The section the first part was opened at.
    QString firstSection_;
};
