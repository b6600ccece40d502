// DispNet, the "Net Worth Statement": two lists typed straight into their grids, totals, file and
// printout.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include "networth/model/networth_statement.h"

class Grid;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class DispNet : public QWidget {
    Q_OBJECT
  public:
    explicit DispNet(QWidget* parent = nullptr);

    Grid* Grid6() const { return assets_.grid; }
    Grid* Grid7() const { return liabilities_.grid; }
    QLabel* Net() const { return net_; }
    QLabel* NetInfo() const { return netInfo_; }
    QPlainTextEdit* HlpTxt() const { return hlpTxt_; }
    QPushButton* button(const QString& name) const;
    const NetTotals& Totals() const { return totals_; }
    // The statement on screen, which the window owns.
    const NetStatement& statement() const { return statement_; }

    // The buttons' actions.
    void Calculate();
    void InsertLine(bool liabilities);
    void SaveStatement();
    void OpenStatement();
    // Opens a statement named on the command line, as Open does after its file dialog.
    void OpenStatementFrom(const QString& path);
    void PrintStatement();
    void ShowHelp();
    // Closing the window by its frame is this button too (the window rules).
    void ExitToMenu();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // One list's grid and the cell being typed into.
    struct List {
        Grid* grid = nullptr;
        bool liabilities = false;
        int CellRow = 1;
        int CellCol = 0;
        QString TypedText;
    };
    void setUpGrid(List& list);
    void keyDown(List& list, int& code);
    int keyPress(List& list, int key);
    bool rowLimitReached(const List& list);
    void edited();
    // CalcTotals and ShowNetWorth; false after the message when a total
    // leaves the money range.
    bool calculate();
    void ShowNetWorth();
    void showList(const List& list);
    void closeHelp();
    // True when the statement in memory holds a name or a value.
    bool hasData() const;
    bool keepsUnsavedChanges();
    void openChosenStatement(const QString& path, const QString& previousName);

    List assets_, liabilities_;
    QHash<QString, QPushButton*> buttons_;  // the button row and the two insert buttons by name
    QPushButton* help_;
    QLabel* net_;
    QLabel* netInfo_;
    QPlainTextEdit* hlpTxt_;
    NetStatement statement_;
    NetTotals totals_;
    bool editedSinceCalculation_ = false;
};
