#include "platform/grid.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/twips.h"

namespace {

// Draws a figure that is too wide for its cell in a smaller font.
class FittingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QStyle* style = o.widget ? o.widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, o.widget) + 1;
        const QFont fitted =
            FontToFitFigure(o.font, o.text, o.rect.width() - 2 * margin, Grid::kLeastFigureScale);
        if (fitted != o.font) {
            o.font = fitted;
            o.fontMetrics = QFontMetrics(fitted);
        }
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
    }
};

Qt::Alignment toQt(int a) {
    switch (a) {
        case 1:
            return Qt::AlignRight | Qt::AlignVCenter;
        case 2:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
}  // namespace

Grid::Grid(QWidget* parent) : QTableWidget(parent) {
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
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(twips::px(kDefaultRowHeight));
    setWordWrap(false);
    setItemDelegate(new FittingDelegate(this));
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setRowCount(1);
    setColumnCount(2);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (syncing_ || r < 0 || c < 0) return;
        row_ = r + 1;
        col_ = c;
        emit rowColChanged();
    });
}

void Grid::setRows(int rows) {
    if (rows < 1) rows = 1;
    setRowCount(rows - 1);
    if (row_ > rows - 1) row_ = rows - 1 > 0 ? rows - 1 : 0;
}

void Grid::setCols(int cols) {
    if (cols < 1) cols = 1;
    const int old = columnCount();
    setColumnCount(cols);
    alignments_.resize(cols);
    for (int c = old; c < cols; ++c) alignments_[c] = 0;
    if (col_ >= cols) col_ = cols - 1;
}

void Grid::setColWidth(int col, int twipsWidth) {
    if (col < 0 || col >= columnCount()) return;
    setColumnWidth(col, twips::px(twipsWidth < 0 ? 0 : twipsWidth));
}

int Grid::colWidth(int col) const {
    if (col < 0 || col >= columnCount()) return 0;
    return twips::fromPx(columnWidth(col));
}

void Grid::setRowHeight(int row, int twipsHeight) {
    const int h = twips::px(twipsHeight);
    if (row == 0) {
        horizontalHeader()->setFixedHeight(h);
    } else if (row >= 1 && row <= rowCount()) {
        QTableWidget::setRowHeight(row - 1, h);
    }
}

void Grid::setColAlignment(int col, int alignment) {
    if (col < 0 || col >= columnCount()) return;
    if (alignments_.size() < columnCount()) alignments_.resize(columnCount());
    alignments_[col] = alignment;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col)) it->setTextAlignment(toQt(alignment));
}

void Grid::setFixedAlignment(int col, int alignment) {
    if (col < 0 || col >= columnCount()) return;
    QTableWidgetItem* h = horizontalHeaderItem(col);
    if (!h) {
        h = new QTableWidgetItem;
        setHorizontalHeaderItem(col, h);
    }
    h->setTextAlignment(toQt(alignment) | Qt::Alignment(Qt::TextWordWrap));
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
    if (row < 0 || row >= rowCount() || col >= columnCount()) return;
    scrollTo(model()->index(row, col));
}

void Grid::setRow(int row) {
    row_ = row;
    if (row >= 1 && row <= rowCount() && col_ >= 0 && col_ < columnCount()) {
        syncing_ = true;
        setCurrentCell(row - 1, col_);
        syncing_ = false;
    }
}

void Grid::setCol(int col) {
    col_ = col;
    if (row_ >= 1 && row_ <= rowCount() && col >= 0 && col < columnCount()) {
        syncing_ = true;
        setCurrentCell(row_ - 1, col);
        syncing_ = false;
    }
}

QTableWidgetItem* Grid::itemFor(int row, int col) {
    if (col < 0 || col >= columnCount() || row < 0 || row > rowCount()) return nullptr;
    if (row == 0) {
        QTableWidgetItem* h = horizontalHeaderItem(col);
        if (!h) {
            h = new QTableWidgetItem;
            h->setTextAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
            setHorizontalHeaderItem(col, h);
        }
        return h;
    }
    QTableWidgetItem* it = item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(toQt(col < alignments_.size() ? alignments_[col] : 0));
        setItem(row - 1, col, it);
    }
    return it;
}

QString Grid::cellText(int row, int col) const {
    if (col < 0 || col >= columnCount() || row < 0 || row > rowCount()) return QString();
    if (row == 0) {
        const QTableWidgetItem* h = horizontalHeaderItem(col);
        return h ? h->data(Qt::UserRole).toString() : QString();
    }
    const QTableWidgetItem* it = item(row - 1, col);
    return it ? it->text() : QString();
}

void Grid::setCellText(int row, int col, const QString& text) {
    QTableWidgetItem* it = itemFor(row, col);
    if (!it) return;
    if (row == 0) {
        // Headings are padded with blanks to break where a narrow column would
        // wrap them; the header wraps by its own width, so it shows them with
        // single blanks. The text itself is kept as it was set.
        it->setData(Qt::UserRole, text);
        it->setText(text.simplified());
    } else {
        it->setText(text);
    }
}

void Grid::setText(const QString& text) {
    if (fillStyle_ != 1) {
        setCellText(row_, col_, text);
        return;
    }
    const int r0 = std::min(selStartRow_, selEndRow_), r1 = std::max(selStartRow_, selEndRow_);
    const int c0 = std::min(selStartCol_, selEndCol_), c1 = std::max(selStartCol_, selEndCol_);
    for (int r = std::max(r0, 0); r <= std::min(r1, rowCount()); ++r)
        for (int c = std::max(c0, 0); c <= std::min(c1, columnCount() - 1); ++c)
            setCellText(r, c, text);
}

void Grid::clearBody() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c)) it->setText(QString());
}

void Grid::focusInEvent(QFocusEvent* e) {
    QTableWidget::focusInEvent(e);
    emit gotFocus();
}

void Grid::mousePressEvent(QMouseEvent* e) {
    QTableWidget::mousePressEvent(e);
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
    QTableWidget::keyPressEvent(e);
}
