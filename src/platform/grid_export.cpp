// The grid's export: the clipboard as tab-separated text, a file as comma-separated values.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMenu>

#include "common/safe_write.h"
#include "common/table_text.h"
#include "platform/dialogs.h"
#include "platform/grid.h"

namespace {

std::function<QString()>& currencySource() {
    static std::function<QString()> source;
    return source;
}

QString currencySymbol() {
    return currencySource() ? currencySource()() : QString();
}

bool blank(const QStringList& row) {
    for (const QString& cell : row)
        if (!cell.trimmed().isEmpty()) return false;
    return true;
}

// A file name proposed from the window's caption ("Savings Plan.csv").
QString proposedName(const QWidget* grid) {
    QString name = grid->window()->windowTitle().remove(u'&').simplified();
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control) c = u' ';
    name = name.simplified();
    return (name.isEmpty() ? QStringLiteral("Table") : name) + QStringLiteral(".csv");
}

}  // namespace

void Grid::setCurrencySymbolSource(std::function<QString()> source) {
    currencySource() = std::move(source);
}

std::vector<QStringList> Grid::rowsOf(int firstRow, int lastRow, int firstCol, int lastCol,
                                      bool headings) const {
    std::vector<QStringList> rows;
    for (int r = firstRow; r <= lastRow; ++r) {
        QStringList cells;
        for (int c = firstCol; c <= lastCol; ++c) {
            if (isColumnHidden(c) || columnWidth(c) <= 0) continue;
            // Headings are padded to wrap in narrow columns; the export shows them as the
            // header does.
            cells << (r == 0 && headings ? cellText(0, c).simplified() : cellText(r, c));
        }
        rows.push_back(cells);
    }
    // Blank rows at the end are the grid's spare rows, not part of the table.
    while (rows.size() > (headings ? 1u : 0u) && blank(rows.back())) rows.pop_back();
    return rows;
}

std::vector<QStringList> Grid::tableRows() const {
    return rowsOf(0, bodyRows(), 0, Cols() - 1, true);
}

std::vector<QStringList> Grid::selectedRows() const {
    const QItemSelection ranges = selectionModel()->selection();
    if (ranges.isEmpty()) return tableRows();
    int top = ranges.front().top(), bottom = ranges.front().bottom();
    int left = ranges.front().left(), right = ranges.front().right();
    for (const QItemSelectionRange& range : ranges) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    // Body rows count from 1 (row 0 is the heading row).
    std::vector<QStringList> rows = rowsOf(top + 1, bottom + 1, left, right, false);
    if (rows.empty()) rows.push_back(QStringList());
    return rows;
}

void Grid::copyToClipboard() const {
    QApplication::clipboard()->setText(TableAsTabText(selectedRows(), currencySymbol()));
}

bool Grid::saveAsCsv() {
    const auto path = dialogs::chooseFile({.save = true,
                                           .filter = QStringLiteral("CSV File (*.csv)|*.csv"),
                                           .proposedName = proposedName(this),
                                           .folder = QString()});
    if (!path) return false;
    QString why;
    if (WriteFileSafely(*path, TableAsCsv(tableRows(), currencySymbol()), &why)) return true;
    dialogs::message(QStringLiteral("The table could not be saved.") + QStringLiteral("\r\n") + why,
                     QStringLiteral("Save as CSV"), dialogs::Buttons::Ok,
                     dialogs::Icon::Exclamation);
    return false;
}

QMenu* Grid::exportMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QAction* copy = menu->addAction(QStringLiteral("&Copy"), this, [this] { copyToClipboard(); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    menu->addAction(QStringLiteral("&Save as CSV\u2026"), this, [this] { saveAsCsv(); });
    return menu;
}

void Grid::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = exportMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
    e->accept();
}
