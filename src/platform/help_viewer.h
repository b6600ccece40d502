// The program's help viewer: a maximized, non-modal window with back, forward and find.
#pragma once

#include <QMainWindow>

class QLineEdit;
class QTextBrowser;
class QLabel;

class HelpViewer : public QMainWindow {
    Q_OBJECT
  public:
    // Opens a new viewer on `documentPath` (an HTML file); a missing document
    // is said in the viewer itself.
    static HelpViewer* open(const QString& documentPath, const QString& title);
    // The viewers now open (tests count them).
    static int openCount();

    QTextBrowser* browser() const { return browser_; }
    bool documentFound() const { return found_; }
    // Finds the next occurrence of `text`, wrapping at the end. False when absent.
    bool find(const QString& text);

  private:
    HelpViewer(const QString& documentPath, const QString& title);
    QTextBrowser* browser_;
    QLineEdit* findBox_;
    QLabel* findStatus_;
    bool found_ = false;
};
