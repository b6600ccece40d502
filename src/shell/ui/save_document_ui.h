// Saving a tool's document (a portfolio, a net worth statement) to a file the user names: one
// flow for every tool, the differences given as a DocumentSave.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "common/safe_write.h"
#include "shell/ui/file_dialog_window.h"

struct DocumentSave {
    // The tool's window: behind the backdrop while the user chooses, shown again afterwards.
    QString window;
    // Which file the chooser asks for: a portfolio or a net worth statement to save.
    FileChoice choice = FileChoice::SavePortfolio;
    // Whether there is anything to save; when there is not, "No Records to Save" is said and
    // `nothingToSave` runs (when given).
    std::function<bool()> hasContent;
    std::function<void()> nothingToSave;
    // Writes the document to the path (safely, keeping the file it replaces as NAME.bak); false,
    // with what went wrong in `failure`, when the file could not be written.
    std::function<bool(const QString& path, SafeWriteFailure* failure)> write;
    // After a file really written: the document counts as saved.
    std::function<void()> saved;
    // What a write refused for its name (or its contents) says after the file name, titled
    // "Saving Error". A write the system refused says the system's reason instead.
    QString failureText;
};

// Hides the tool's window, asks for the file name (Cancel writes nothing), writes the document,
// names the file FundFileName on success and reports a failure (keeping the name the document
// had); then the tool's window shown again.
void SaveDocumentAs(const DocumentSave& save);
