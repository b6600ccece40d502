// The strip added under the mortgage window's buttons: the "&Extra Payments..." button and the
// five results of the schedule with extras, each under its caption.
#pragma once

#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
class QWidget;

struct ExtrasStrip {
    QPushButton* button = nullptr;
    QList<QLabel*> results;  // payments with extras, saved; interest without, with, saved
    // Shows the five result texts.
    void show(const QStringList& texts) const;
};

// Grows `window`'s client area (`width` by `height` twips) by the strip and builds it there.
ExtrasStrip AddExtrasStrip(QWidget* window, int width, int height);

class Grid;
// The grid's columns while extras are set: the period, interest, principal, extra and balance.
void LayOutExtrasGrid(Grid* grid, bool loan);
