// A table of cell texts as the program shows them, turned into text other programs read:
// tab-separated for the clipboard, comma-separated for a file, figures as plain numbers.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The plain number a cell shows, or nothing when the cell is not a figure: "$1,234.50" ->
// "1234.50", "-12.5%" -> "-12.5", "(1,234.00)" -> "-1234.00", ".50" -> "0.50", "$-3.00" and
// "-$3.00" -> "-3.00". A currency sign (`currencySymbol`, or any character of the Unicode currency
// class) may stand before the figure, a per cent sign after it; groups of thousands must be
// whole ("1,23" is text); blanks around the figure are ignored.
std::optional<QString> PlainNumber(const QString& cell, const QString& currencySymbol = {});

// The text of one cell for export: its plain number when it shows one, else the text without the
// blanks that pad it in its column.
QString ExportCellText(const QString& cell, const QString& currencySymbol = {});

// Rows of cells, one line per row ("\n"), cells separated by tabs; tabs and line breaks inside a
// cell become blanks. Cells go through ExportCellText.
QString TableAsTabText(const std::vector<QStringList>& rows, const QString& currencySymbol = {});

// The text of one cell for a comma-separated file: ExportCellText, and text (not a figure) that
// starts with "=", "+", "-", "@", a tab or a carriage return gets an apostrophe in front, so that a
// spreadsheet opening the file shows it instead of running it as a formula.
QString CsvCellText(const QString& cell, const QString& currencySymbol = {});

// Rows of cells as a UTF-8 comma-separated file: lines end in CR LF, cells go through
// CsvCellText, and a cell holding a comma, a double quote or a line break is quoted with its
// quotes doubled.
QByteArray TableAsCsv(const std::vector<QStringList>& rows, const QString& currencySymbol = {});
