// AppState: the globals and global tables that several windows share, under their own names.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/money.h"
#include "common/personal_settings.h"
#include "common/shared_table.h"
#include "investments/model/portfolio.h"
#include "networth/model/net_cell.h"
#include "planning/model/calculator_tables.h"

struct AppState {
    // Shell and personal settings.
    QString FundFileName;
    // The folder of the file last opened or saved: where the next file dialog
    // starts ("" = the program's folder).
    QString FileFolder;
    // The personal settings and the lines per page of the printing device.
    PersonalSettings settings;

    // The date form the record window shows as its example (today in the system's short form).
    QString DateExample;

    // The two four-entry report lists: the calculators' ReportText and the
    // net worth statement's printable pages.
    QStringList ReportText;
    QStringList ReportPages;

    // Calculator tables, each calculator in its own shape (CalculatorTableShape):
    // CalcInputs 0..lastInput, YearTable 0..lastYearRow x 0..5, ComparisonTable
    // 0..lastComparisonRow x 0..lastComparisonCol, ComparisonLabels 0..lastComparisonRow x 0..1.
    std::vector<Money> CalcInputs;  // read with .at(i)
    SharedTable<Money> YearTable;
    SharedTable<Money> ComparisonTable;
    SharedTable<QString> ComparisonLabels;

    // Creates the calculators' tables (empty) in `shape` and the report lists.
    void createCalculatorTables(const CalculatorTableShape& shape);
    void createCalculatorTables();  // the savings plan's shape
    void releaseCalculatorTables();

    // Back to the start-of-run state (tests call this between cases).
    void reset() { *this = AppState(); }
};

// The one instance.
AppState& State();
