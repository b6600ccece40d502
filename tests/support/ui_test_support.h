// Helpers for the window tests: a clean program state, scripted dialogs and printouts as text.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

#include "common/print_device.h"
#include "platform/dialogs.h"
#include "support/qt_printers.h"

// Each window test starts from the start-of-run state in a fresh program
// folder (the current folder), with every dialog answered by script and every
// printout captured as text pages.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Processes pending events, deferred deletions included.
    static void settle();
    // The printouts made so far, in order.
    std::vector<std::shared_ptr<TextDevice>>& printouts();
    // From now on printouts go through the real PDF printer into `fileName` in
    // the test's folder; returns the file's path.
    QString printToPdf(const QString& fileName);

    dialogs::Script script;
    QTemporaryDir folder;
    QString previousFolder;
};

// A control's place in twips as the window's code places it: left, top, width, height.
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// One control of a window as a user sees it on opening: its object name, the text it shows (a
// label's or a button's caption, a box's text, the entry a list shows), where it stands (not
// checked when left empty) and a list's entries (not checked when left empty).
struct Shown {
    const char* name;
    QString text;
    Twips place = {};
    QStringList items = {};
};

// The text control `name` of `window` shows; "<no NAME>" when the window has none.
QString shownText(const QWidget* window, const char* name);
// Checks each row against the window's control of its name, one table a window.
void expectShown(const QWidget* window, std::initializer_list<Shown> rows);

// The text of a PDF printout as `pdftotext -fixed pitch -layout` reads it back.
QString pdfText(const QString& pdf, double pitch);
// Its pages read back in cells of the 12-point printer font (7.2 points), blank ones at the end
// left out.
QStringList pdfPages(const QString& pdf);
// The column (from 1) where `needle` first starts on a line of `text`; -1 when absent.
int columnOf(const QString& text, const QString& needle);
// A text of a printout and the column it starts at, counted from the margin.
struct At {
    const char* text;
    int column;
};
// Finds the page's margin by where `title` stands, checks that every text starts at its column
// and returns the margin.
int expectColumns(const QString& page, At title, std::initializer_list<At> texts);
// Checks that every text starts at its column, counted from `margin`.
void expectColumnsFrom(const QString& page, int margin, std::initializer_list<At> texts);
