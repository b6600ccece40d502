// Returns, the money-weighted return of each fund and of the portfolio at the typed prices.
#pragma once

#include <QDate>
#include <QWidget>

#include "investments/model/annual_return.h"

struct PortfolioDocument;
class Grid;
class QLabel;
class QPushButton;

class Returns : public QWidget {
    Q_OBJECT
  public:
    // The returns of the portfolio of `doc` at the prices typed into its totals.
    explicit Returns(PortfolioDocument& doc, QWidget* parent = nullptr);

    Grid* Grid1() const { return grid1_; }
    QLabel* Label1() const { return label1_; }
    QPushButton* Printr() const { return printr_; }
    QPushButton* ExitBut() const { return exitBut_; }

    // Works the returns out from the tables at the typed prices on `priceDate` and shows them;
    // false, after "Cannot calculate.", when a sum leaves the money range.
    bool ShowReturns(const QDate& priceDate);
    const PortfolioReturns& shown() const { return returns_; }
    void Print();

  private:
    PortfolioDocument& doc_;
    Grid* grid1_;
    QLabel* label1_;
    QLabel* note_;
    QPushButton* printr_;
    QPushButton* exitBut_;
    PortfolioReturns returns_;
};

// Opens Returns on `doc` over the window that asks, valued today, and closes it when the user
// leaves it.
void ShowReturnsWindow(PortfolioDocument& doc);
