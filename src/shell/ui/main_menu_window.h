// MenuMain, the main menu from which every tool starts, and bakgnd, the plain backdrop behind it.
#pragma once

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;

class MenuMain : public QWidget {
    Q_OBJECT
  public:
    explicit MenuMain(QWidget* parent = nullptr);

    // Reads the personal settings file and shows the user's name.
    void LoadPersonalSettings();
    // Shows MyName with the user's name, or hides it when there is none.
    void ShowMyName();

    QPushButton* button(const QString& name) const;
    // Hides the menu and shows a tool of one use, as the tool's button does.
    void OpenTool(const QString& window);
    QLabel* MyName() const { return myName_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

  private:
    QHash<QString, QPushButton*> buttons_;  // the menu's buttons by name
    // Hides the menu and opens a tool of two uses in the use of its `button`.
    void openInUse(const QString& button);
    QLabel* myName_;
};

// Stays behind the program's other windows, never takes the focus and is no
// taskbar entry of its own.
class Bakgnd : public QWidget {
    Q_OBJECT
  public:
    explicit Bakgnd(QWidget* parent = nullptr);
};

// Ends the program: every window closes at once, nothing is saved.
void EndProgram();

// The program's start-up, in order: its folder becomes the current folder,
// the personal settings are read, the backdrop is shown and then the main
// menu. LinesPerPage is measured on the printing device (59 when it cannot be)
// as soon as the menu has been drawn. Returns the menu. Started with a file, the menu is not
// shown (`showMenu` false): the file's tool opens in its place.
MenuMain* StartProgram(bool showMenu = true);
