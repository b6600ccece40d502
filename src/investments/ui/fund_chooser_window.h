// FunChose, the modal list from which the user picks the fund whose records to show.
#pragma once

#include <QWidget>

struct PortfolioDocument;
class QListWidget;
class QPushButton;

// Lists the funds of `doc`. A double click or Enter on a line sets its current fund to that slot,
// "&All Records" sets it to 31, "&Cancel" (or closing the window) to 0; each closes the window.
class FunChose : public QWidget {
    Q_OBJECT
  public:
    explicit FunChose(PortfolioDocument& doc, QWidget* parent = nullptr);

    QListWidget* Fund() const { return fund_; }
    QPushButton* AllRec() const { return allRec_; }
    QPushButton* Command2() const { return command2_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void choose(int fund);
    PortfolioDocument& doc_;
    QListWidget* fund_;
    QPushButton* allRec_;
    QPushButton* command2_;
    bool chosen_ = false;
};
