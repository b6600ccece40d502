// Helpers for the window tests: a clean program state, scripted dialogs and printouts as text.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "common/print_device.h"
#include "platform/dialogs.h"

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

// The text of a PDF printout as `pdftotext -fixed pitch -layout` reads it back.
QString pdfText(const QString& pdf, double pitch);
// The column (from 1) where `needle` first starts on a line of `text`; -1 when absent.
int columnOf(const QString& text, const QString& needle);
