// Message boxes, modal windows, the file chooser and the beep, all answerable by a test script.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace dialogs {

enum class Buttons { Ok, YesNo, OkCancel };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

// A modal message box with the exact text, title and buttons. Lines of a
// multi-line text are joined with CR LF.
Answer message(const QString& text, const QString& title, Buttons buttons = Buttons::Ok,
               Icon icon = Icon::None);

// The "Continue with Printout." question (title "Printer", Yes/No, no icon):
// true only for Yes.
bool confirmPrintout();

// The system beep.
void beep();

// Opens a file in the program the desktop uses for its kind (the PDF viewer for a printout).
// False when the desktop could not open it. Under a Script the path is only recorded.
bool openDocument(const QString& path);

// The window a message box, a modal window or the file dialog opens over: the
// active window; while none is (the window manager has not yet handed the
// focus back after an earlier box), the last one that was, if still shown;
// else the backdrop; else none.
QWidget* ownerWindow();

// Shows `window` modally and returns when it is hidden or destroyed.
void showModal(QWidget* window);

// The open or save-as file dialog. `filter` is a description and a pattern
// separated by "|" ("Investment Manager Database (*.wms)|*.wms"). The pattern's
// extension matches in any case ("Dtasampl.WMS" shows under "*.wms"). Save-as
// asks before replacing an existing file and adds the extension to a bare name.
// Returns the full path chosen, or nothing when the user cancelled.
struct FileRequest {
    bool save = false;
    QString filter;
    QString proposedName;
    QString folder;      // "" = the current folder
    QString windowName;  // the dialog's object name, which F1 finds its help section by
};
std::optional<QString> chooseFile(const FileRequest& request);

// The hourglass pointer while an object of this kind lives.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool active_ = false;
};

// ---- Scripting, for tests ----

struct ShownMessage {
    QString text;
    QString title;
    Buttons buttons;
    Icon icon;
};

// While a Script lives, nothing waits for a person: message boxes take the
// queued answers (the first button when none is queued), modal windows are
// handed to the queued handlers (and hidden when no handler is queued or the
// handler leaves them shown), the file chooser returns the queued results
// (cancel when none is queued), and beeps are counted.
class Script {
  public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    void answer(Answer a);
    void onModal(std::function<void(QWidget*)> handler);
    void chooseFile(std::optional<QString> path);

    const std::vector<ShownMessage>& messages() const { return messages_; }
    // The last message shown (an empty one when none was).
    ShownMessage lastMessage() const;
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<QString>& modalWindows() const { return modalWindows_; }
    int beeps() const { return beeps_; }
    const std::vector<QString>& openedDocuments() const { return openedDocuments_; }
    void clear();

  private:
    friend Answer message(const QString&, const QString&, Buttons, Icon);
    friend void beep();
    friend void showModal(QWidget*);
    friend std::optional<QString> chooseFile(const FileRequest&);
    friend bool openDocument(const QString&);

    std::vector<Answer> answers_;
    std::vector<std::function<void(QWidget*)>> modalHandlers_;
    std::vector<std::optional<QString>> files_;
    std::vector<ShownMessage> messages_;
    std::vector<FileRequest> fileRequests_;
    std::vector<QString> modalWindows_;
    std::vector<QString> openedDocuments_;
    int beeps_ = 0;
};

}  // namespace dialogs
