#include "planning/model/calculator_tables.h"

#include <algorithm>
#include <memory>

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"

bool PastYearLimit(double term, int limit) {
    return term >= static_cast<double>(limit) + 1.0;
}

QString YearLimitMessage(int years) {
    return QStringLiteral("Wrong entry, %1 Years limit.").arg(years);
}

int GridRowsFor(int64_t term, int extraRows) {
    constexpr int64_t kLeast = 25;
    // A term far past every limit never makes a grid of millions of rows.
    const int64_t rows = std::clamp<int64_t>(term, 0, 100000) + extraRows;
    return static_cast<int>(std::max(kLeast, rows));
}

void StoreYearRow(SharedTable<Money>& t, int row, const StoredYear& figures) {
    t(row, 1) = Money::fromInt(figures.year);
    for (int c = 0; c < 3; ++c) t(row, c + 2) = figures.figures[c];
}

std::vector<QStringList> GridRowSource::all() const {
    std::vector<QStringList> rows;
    rows.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) rows.push_back(cells(i));
    return rows;
}

GridRowSource YearGridSource(const SharedTable<Money>& t, int years, const YearGridColumns& columns,
                             const QString& symbol) {
    struct Copy {
        int years = 0;
        size_t perYear = 0;
        QString picture;
        std::vector<Money> figures;  // year by year, the shown columns
        QStringList total;
    };
    auto copy = std::make_shared<Copy>();
    copy->years = std::max(years, 0);
    copy->perYear = columns.yearColumns.size();
    copy->picture = columns.picture;
    copy->figures.reserve(static_cast<size_t>(copy->years) * copy->perYear);
    for (int y = 1; y <= copy->years; ++y)
        for (int c : columns.yearColumns) copy->figures.push_back(t(y, c));
    // One row: made at once.
    copy->total << QStringLiteral("Total:");
    for (int c : columns.totalColumns)
        copy->total << (c < 0 ? QString() : symbol + Format(t(years + 1, c), columns.totalPicture));
    return {copy->years + 1, [copy = std::shared_ptr<const Copy>(std::move(copy))](int i) {
                if (i < 0 || i >= copy->years) return copy->total;
                QStringList cells{QString::number(i + 1)};
                const size_t at = static_cast<size_t>(i) * copy->perYear;
                for (size_t k = 0; k < copy->perYear; ++k)
                    cells << Format(copy->figures[at + k], copy->picture);
                return cells;
            }};
}

std::vector<QStringList> YearGridRows(const SharedTable<Money>& t, int years,
                                      const YearGridColumns& columns, const QString& symbol) {
    return YearGridSource(t, years, columns, symbol).all();
}

namespace {

void printLine(PrintDevice& d, const YearPrintLayout& layout, const QString& first,
               const std::vector<Money>& figures, const QString& symbol) {
    ColumnLine line(d);
    line.right(layout.year.tab, std::max(layout.year.width, static_cast<int>(first.size())), first);
    const size_t n = std::min(figures.size(), layout.figures.size());
    for (size_t i = 0; i < n; ++i) {
        const PrintColumn& col = layout.figures[i];
        line.right(col.tab, col.width, symbol + Format(figures[i], layout.picture));
    }
    line.end();
}

}  // namespace

void PrintYearLine(PrintDevice& d, const YearPrintLayout& layout, int64_t year,
                   const std::vector<Money>& figures) {
    printLine(d, layout, Format(static_cast<double>(year), u"###"), figures, QString());
}

void PrintTotalLine(PrintDevice& d, const YearPrintLayout& layout, const std::vector<Money>& totals,
                    const QString& symbol) {
    printLine(d, layout, QStringLiteral("Total:"), totals, symbol);
}

std::vector<Money> YearTableRow(const SharedTable<Money>& t, int row,
                                const std::vector<int>& columns) {
    std::vector<Money> figures;
    figures.reserve(columns.size());
    for (int c : columns) figures.push_back(t(row, c));
    return figures;
}

QString ComparisonRowLabel(int row) {
    return QStringLiteral("Row ") + NumText(static_cast<int64_t>(row));
}

void PrintTableRule(PrintDevice& device) {
    device.at(2, QString(72, u'_'));
    device.endLine();
}

void PrintGrowthHeading(PrintDevice& device) {
    device.at(2, QStringLiteral(
                     "Year        Annual Investment      Interest/Growth         Current Value"));
    device.endLine();
    PrintTableRule(device);
}
