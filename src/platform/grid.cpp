#include "platform/grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBrush>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/twips.h"

namespace {

Qt::Alignment toQt(Grid::CellAlign a) {
    switch (a) {
        case Grid::CellAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Grid::CellAlign::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Grid::CellAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

const Qt::Alignment kHeadingAlignment = Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap);

}  // namespace

// The grid's cells: a rectangle of strings, with per column the heading, the alignments and the
// colours. Writing a cell only stores it; the view hears of the cells written since it last
// heard as one rectangle when control returns to the event loop, and draws only what is in view.
class GridModel final : public QAbstractTableModel {
  public:
    explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!inside(index.row(), index.column())) return QVariant();
        const Column& column = columns_[static_cast<size_t>(index.column())];
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return text(index.row(), index.column());
            case Qt::AccessibleTextRole:
                return text(index.row(), index.column()).trimmed();
            case Qt::TextAlignmentRole:
                return static_cast<int>(column.alignment);
            case Qt::ForegroundRole:
                return column.text.isValid() ? QVariant(QBrush(column.text)) : QVariant();
            case Qt::BackgroundRole:
                return column.background.isValid() ? QVariant(QBrush(column.background))
                                                   : QVariant();
            default:
                return QVariant();
        }
    }

    // The column headings are the heading row's texts (with single blanks); a row's heading is
    // its first cell, a bare number (a year, a month) named with the first column's heading
    // ("Year 12").
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal) {
            if (section < 0 || section >= columnCount()) return QVariant();
            const Column& column = columns_[static_cast<size_t>(section)];
            if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return column.shown;
            if (role == Qt::TextAlignmentRole) return static_cast<int>(column.headingAlignment);
            return QVariant();
        }
        if (section < 0 || section >= rows_ || columns_.empty()) return QVariant();
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return QVariant();
        const QString first = text(section, 0).simplified();
        if (first.isEmpty() || !first.front().isDigit() || columns_[0].shown.isEmpty())
            return first;
        return columns_[0].shown + u' ' + first;
    }

    bool inside(int row, int col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < columnCount();
    }
    const QString& text(int row, int col) const {
        make(row);
        return cells_[static_cast<size_t>(row) * columns_.size() + static_cast<size_t>(col)];
    }
    void setText(int row, int col, const QString& text) {
        if (!inside(row, col)) return;
        make(row);
        cells_[static_cast<size_t>(row) * columns_.size() + static_cast<size_t>(col)] = text;
        changed(row, col, row, col);
    }
    void clearBody() {
        source_ = RowSource();
        for (QString& cell : cells_) cell.clear();
        if (rows_ > 0 && !columns_.empty()) changed(0, 0, rows_ - 1, columnCount() - 1);
    }

    // Rows first.. first + count - 1 are written by `cells(i)` (i from 0) when first read.
    void setRowSource(int first, int count, std::function<QStringList(int)> cells) {
        source_ = RowSource();
        count = std::min(count, rows_ - first);
        if (first < 0 || count <= 0 || !cells) return;
        source_.first = first;
        source_.cells = std::move(cells);
        source_.made.assign(static_cast<size_t>(count), false);
        changed(first, 0, first + count - 1, columnCount() - 1);
    }

    QString heading(int col) const { return columns_[static_cast<size_t>(col)].heading; }
    QString shownHeading(int col) const { return columns_[static_cast<size_t>(col)].shown; }
    void setHeading(int col, const QString& text) {
        Column& column = columns_[static_cast<size_t>(col)];
        // Headings are padded with blanks to break where a narrow column would wrap them; the
        // header wraps by its own width, so it shows them with single blanks. The text itself
        // is kept as it was set.
        column.heading = text;
        column.shown = text.simplified();
        emit headerDataChanged(Qt::Horizontal, col, col);
        if (col == 0 && rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
    Qt::Alignment alignment(int col) const { return columns_[static_cast<size_t>(col)].alignment; }
    const QColor& textColour(int col) const { return columns_[static_cast<size_t>(col)].text; }
    const QColor& background(int col) const {
        return columns_[static_cast<size_t>(col)].background;
    }
    void setAlignment(int col, Qt::Alignment a) {
        columns_[static_cast<size_t>(col)].alignment = a;
        if (rows_ > 0) changed(0, col, rows_ - 1, col);
    }
    Qt::Alignment headingAlignment(int col) const {
        return columns_[static_cast<size_t>(col)].headingAlignment;
    }
    void setHeadingAlignment(int col, Qt::Alignment a) {
        columns_[static_cast<size_t>(col)].headingAlignment = a;
        emit headerDataChanged(Qt::Horizontal, col, col);
    }
    void setColours(int col, const QColor& text, const QColor& background) {
        columns_[static_cast<size_t>(col)].text = text;
        columns_[static_cast<size_t>(col)].background = background;
        if (rows_ > 0) changed(0, col, rows_ - 1, col);
    }

    void setRowCount(int rows) {
        rows = std::max(rows, 0);
        if (rows == rows_) return;
        if (source_.cells && rows < source_.first + static_cast<int>(source_.made.size()))
            source_.made.resize(static_cast<size_t>(std::max(rows - source_.first, 0)));
        const size_t cells = static_cast<size_t>(rows) * columns_.size();
        if (rows > rows_) {
            beginInsertRows(QModelIndex(), rows_, rows - 1);
            cells_.resize(cells);
            rows_ = rows;
            endInsertRows();
        } else {
            beginRemoveRows(QModelIndex(), rows, rows_ - 1);
            cells_.resize(cells);
            rows_ = rows;
            endRemoveRows();
        }
    }
    void setColumnCount(int cols) {
        cols = std::max(cols, 0);
        const int old = columnCount();
        if (cols == old) return;
        makeAll();
        std::vector<QString> cells(static_cast<size_t>(rows_) * static_cast<size_t>(cols));
        const int kept = std::min(cols, old);
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < kept; ++c)
                cells[static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c)] =
                    std::move(cells_[static_cast<size_t>(r) * static_cast<size_t>(old) +
                                     static_cast<size_t>(c)]);
        if (cols > old) {
            beginInsertColumns(QModelIndex(), old, cols - 1);
            cells_ = std::move(cells);
            columns_.resize(static_cast<size_t>(cols));
            endInsertColumns();
        } else {
            beginRemoveColumns(QModelIndex(), cols, old - 1);
            cells_ = std::move(cells);
            columns_.resize(static_cast<size_t>(cols));
            endRemoveColumns();
        }
    }

  private:
    struct Column {
        QString heading;  // as set
        QString shown;    // as drawn
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        Qt::Alignment headingAlignment = kHeadingAlignment;
        QColor text, background;
    };

    struct RowSource {
        int first = 0;
        std::vector<bool> made;  // per row of the source: its cells are written
        std::function<QStringList(int)> cells;
    };
    void make(int row) const {
        const auto i = static_cast<size_t>(row - source_.first);
        if (!source_.cells || row < source_.first || i >= source_.made.size() || source_.made[i])
            return;
        source_.made[i] = true;
        const QStringList cells = source_.cells(static_cast<int>(i));
        const size_t at = static_cast<size_t>(row) * columns_.size();
        for (size_t c = 0; c < columns_.size() && c < static_cast<size_t>(cells.size()); ++c)
            cells_[at + c] = cells[static_cast<qsizetype>(c)];
    }
    void makeAll() {
        for (size_t i = 0; i < source_.made.size(); ++i) make(source_.first + static_cast<int>(i));
        source_ = RowSource();
    }

    void changed(int top, int left, int bottom, int right) {
        if (!pending_) {
            pending_ = true;
            top_ = top, left_ = left, bottom_ = bottom, right_ = right;
            QMetaObject::invokeMethod(
                this, [this] { tellChanges(); }, Qt::QueuedConnection);
            return;
        }
        top_ = std::min(top_, top), left_ = std::min(left_, left);
        bottom_ = std::max(bottom_, bottom), right_ = std::max(right_, right);
    }
    void tellChanges() {
        pending_ = false;
        const int bottom = std::min(bottom_, rows_ - 1),
                  right = std::min(right_, columnCount() - 1);
        if (top_ > bottom || left_ > right) return;
        emit dataChanged(index(top_, left_), index(bottom, right), {Qt::DisplayRole});
        if (left_ == 0) emit headerDataChanged(Qt::Vertical, top_, bottom);
    }

    std::vector<Column> columns_;
    int rows_ = 0;
    mutable std::vector<QString> cells_;  // row by row
    mutable RowSource source_;            // rows whose cells are written when first read
    bool pending_ = false;
    int top_ = 0, left_ = 0, bottom_ = 0, right_ = 0;  // the cells written since the view heard
};

namespace {

// Draws a cell as the style's item view does, but for a figure too wide for its cell: that is
// drawn in a smaller font (FontToFitFigure), never cut.
class FittingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->text.isEmpty() || option->rect.isEmpty()) return;
        const QWidget* widget = option->widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        // The style writes the text within a margin of its place.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const int room =
            style->subElementRect(QStyle::SE_ItemViewItemText, option, widget).width() - 2 * margin;
        if (QFontMetricsF(option->font).horizontalAdvance(option->text) <= room) return;
        option->font = FontToFitFigure(option->font, option->text, room, Grid::kLeastFigureScale);
        option->fontMetrics = QFontMetrics(option->font);
    }
};

}  // namespace

Grid::Grid(QWidget* parent) : QTableView(parent), cells_(new GridModel(this)) {
    setModel(cells_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells can be selected to copy it.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(twips::px(kDefaultRowHeight));
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(twips::px(kDefaultColWidth));
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultAlignment(kHeadingAlignment);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(twips::px(kDefaultRowHeight));
    setWordWrap(false);
    setItemDelegate(new FittingDelegate(this));
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    cells_->setRowCount(1);
    cells_->setColumnCount(2);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (syncing_ || !current.isValid()) return;
                row_ = current.row() + 1;
                col_ = current.column();
                emit rowColChanged();
            });
}

int Grid::bodyRows() const {
    return cells_->rowCount();
}

int Grid::Cols() const {
    return cells_->columnCount();
}

void Grid::setRows(int rows) {
    if (rows < 1) rows = 1;
    cells_->setRowCount(rows - 1);
    if (row_ > rows - 1) row_ = rows - 1 > 0 ? rows - 1 : 0;
}

void Grid::setCols(int cols) {
    if (cols < 1) cols = 1;
    cells_->setColumnCount(cols);
    if (col_ >= cols) col_ = cols - 1;
}

void Grid::setColWidth(int col, int twipsWidth) {
    if (col < 0 || col >= Cols()) return;
    setColumnWidth(col, twips::px(twipsWidth < 0 ? 0 : twipsWidth));
}

int Grid::colWidth(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    return twips::fromPx(columnWidth(col));
}

void Grid::setRowHeight(int row, int twipsHeight) {
    const int h = twips::px(twipsHeight);
    if (row == 0) {
        horizontalHeader()->setFixedHeight(h);
    } else if (row >= 1 && row <= bodyRows()) {
        QTableView::setRowHeight(row - 1, h);
    }
}

void Grid::setColAlignment(int col, CellAlign alignment) {
    if (col < 0 || col >= Cols()) return;
    cells_->setAlignment(col, toQt(alignment));
}

void Grid::setFixedAlignment(int col, CellAlign alignment) {
    if (col < 0 || col >= Cols()) return;
    cells_->setHeadingAlignment(col, toQt(alignment) | Qt::Alignment(Qt::TextWordWrap));
}

void Grid::setColColours(int col, const QColor& text, const QColor& background) {
    if (col < 0 || col >= Cols()) return;
    cells_->setColours(col, text, background);
}

void Grid::setSelEndRow(int r) {
    selEndRow_ = r;
    revealSelectionEnd();
}

void Grid::setSelEndCol(int c) {
    selEndCol_ = c;
    revealSelectionEnd();
}

void Grid::revealSelectionEnd() {
    const int row = selEndRow_ - 1, col = std::max(selEndCol_, 0);
    if (row < 0 || row >= bodyRows() || col >= Cols()) return;
    scrollTo(cells_->index(row, col));
}

void Grid::setCurrentCell(int row, int col) {
    setCurrentIndex(cells_->index(row, col));
}

void Grid::setRow(int row) {
    row_ = row;
    if (row >= 1 && row <= bodyRows() && col_ >= 0 && col_ < Cols()) {
        syncing_ = true;
        setCurrentCell(row - 1, col_);
        syncing_ = false;
    }
}

void Grid::setCol(int col) {
    col_ = col;
    if (row_ >= 1 && row_ <= bodyRows() && col >= 0 && col < Cols()) {
        syncing_ = true;
        setCurrentCell(row_ - 1, col);
        syncing_ = false;
    }
}

QString Grid::cellText(int row, int col) const {
    if (col < 0 || col >= Cols() || row < 0 || row > bodyRows()) return QString();
    return row == 0 ? cells_->heading(col) : cells_->text(row - 1, col);
}

void Grid::setCellText(int row, int col, const QString& text) {
    if (col < 0 || col >= Cols() || row < 0 || row > bodyRows()) return;
    if (row == 0)
        cells_->setHeading(col, text);
    else
        cells_->setText(row - 1, col, text);
}

std::optional<Grid::ShownCell> Grid::item(int row, int col) const {
    if (!cells_->inside(row, col)) return std::nullopt;
    return ShownCell{cells_->text(row, col), cells_->alignment(col)};
}

std::optional<Grid::ShownCell> Grid::horizontalHeaderItem(int col) const {
    if (col < 0 || col >= Cols()) return std::nullopt;
    return ShownCell{cells_->shownHeading(col), cells_->headingAlignment(col)};
}

void Grid::setText(const QString& text) {
    if (fillStyle_ != FillStyle::Selection) {
        setCellText(row_, col_, text);
        return;
    }
    const int r0 = std::min(selStartRow_, selEndRow_), r1 = std::max(selStartRow_, selEndRow_);
    const int c0 = std::min(selStartCol_, selEndCol_), c1 = std::max(selStartCol_, selEndCol_);
    for (int r = std::max(r0, 0); r <= std::min(r1, bodyRows()); ++r)
        for (int c = std::max(c0, 0); c <= std::min(c1, Cols() - 1); ++c) setCellText(r, c, text);
}

void Grid::clearBody() {
    cells_->clearBody();
}

void Grid::setRowSource(int firstRow, int count, std::function<QStringList(int)> cells) {
    cells_->setRowSource(firstRow - 1, count, std::move(cells));
}

void Grid::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    emit gotFocus();
}

void Grid::mousePressEvent(QMouseEvent* e) {
    QTableView::mousePressEvent(e);
    emit gridClicked();
}

void Grid::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    // Keys reach the window first; the grid itself only moves the current cell.
    int down = keys::downCode(e);
    if (onKeyDown) {
        onKeyDown(down);
        if (down == 0) return;
    }
    int ascii = keys::pressCode(e);
    // Of the control characters the grid hands on only Backspace and Enter.
    if (ascii < 32 && ascii != 8 && ascii != 13) ascii = 0;
    if (ascii != 0 && onKeyPress) {
        onKeyPress(ascii);
        return;
    }
    if (ascii != 0) return;  // the grid types nothing of its own
    QTableView::keyPressEvent(e);
}
