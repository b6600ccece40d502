// The program's help viewer: a maximized, non-modal window with back, forward and find.
#pragma once

#include <QMainWindow>
#include <QUrl>

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

    QTextBrowser* browser() const { return browser_; }
    bool documentFound() const { return found_; }
    // Finds the next occurrence of `text`, wrapping at the end. False when absent.
    bool find(const QString& text);
    // Shows the section `anchor` of the document the viewer was opened on
    // (nothing changes when it is empty).
    void showSection(const QString& anchor);
    // The anchor of the section last shown ("" at the document's top).
    QString currentSection() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    HelpViewer(const QString& documentPath, const QString& title);
    // The section asked for, kept in view while the window is laid out and
    // maximized, until the reader scrolls or clicks.
    QString pendingSection_;
    QUrl documentUrl_;
    QTextBrowser* browser_;
    QLineEdit* findBox_;
    QLabel* findStatus_;
    bool found_ = false;
};
