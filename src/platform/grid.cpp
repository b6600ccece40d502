#include "platform/grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBrush>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/twips.h"

namespace {

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
        if (first.isEmpty() || !first.front().isDigit() || columns_[0].shown.isEmpty()) return first;
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
            QMetaObject::invokeMethod(this, [this] { tellChanges(); }, Qt::QueuedConnection);
            return;
        }
        top_ = std::min(top_, top), left_ = std::min(left_, left);
        bottom_ = std::max(bottom_, bottom), right_ = std::max(right_, right);
    }
    void tellChanges() {
        pending_ = false;
        const int bottom = std::min(bottom_, rows_ - 1), right = std::min(right_, columnCount() - 1);
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

// Draws a cell as the style's item view does (panel, text, focus frame), with a figure that is
// too wide for its cell in a smaller font.
//
// A cell in no special state (not selected, current or under the mouse) whose text fits is drawn
// straight from the model: its column's background, then its text laid out once for the grid's
// font and kept, drawn where QPainter::drawText would put it. A scroll by a page draws about 150
// such cells, and laying out each text twice (once to measure, once to draw) and asking the
// model for every role of every cell was most of the repaint. Everything else, and every cell
// when direct painting is off, takes the general path below, which the tests compare with.
class FittingDelegate : public QStyledItemDelegate {
  public:
    FittingDelegate(const GridModel* cells, QObject* parent)
        : QStyledItemDelegate(parent), cells_(cells) {}

    bool direct = true;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!direct || !paintDirect(painter, option, index)) paintGeneral(painter, option, index);
    }

  private:
    // A text laid out on one line as QPainter::drawText lays it out, kept for drawing again.
    struct LaidOut {
        QTextLayout layout;
        qreal width = 0;    // as QFontMetricsF measures it
        qreal natural = 0;  // the line's natural width, which places the text
        qreal advance = 0;
        qreal height = 0;
    };
    // The texts of a dozen screens of cells (about 1 KB each); past it the kept texts are
    // dropped.
    static constexpr size_t kMostKept = 2048;

    static bool plainText(const QString& text) {
        // Line breaks, tabs and length variants are rewritten by drawText, and right-to-left or
        // complex scripts take the general path.
        return std::all_of(text.begin(), text.end(), [](QChar c) {
            const char16_t u = c.unicode();
            return (u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u < 0x0590);
        });
    }

    // Kept for one font, resolution and direction (left to right, or found from a text that
    // has only left-to-right letters: the same).
    const LaidOut& laidOut(const QString& text, const QFont& font, int dpi,
                           Qt::LayoutDirection direction) const {
        if (dpi != keptDpi_ || direction != keptDirection_ || !(font == keptFont_)) {
            kept_.clear();
            keptFont_ = font;
            keptDpi_ = dpi;
            keptDirection_ = direction;
        }
        auto at = kept_.find(text);
        if (at != kept_.end()) return *at->second;
        if (kept_.size() >= kMostKept) kept_.clear();
        auto made = std::make_unique<LaidOut>();
        QTextLayout& layout = made->layout;
        layout.setText(text);
        layout.setFont(font);
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        made->natural = line.naturalTextWidth();
        made->advance = line.horizontalAdvance();
        made->height = line.ascent() + line.descent();
        // The natural width leaves out trailing blanks, which a measure counts.
        made->width = text.back().isSpace() ? QFontMetricsF(font).horizontalAdvance(text)
                                            : made->natural;
        return *kept_.emplace(text, std::move(made)).first->second;
    }

    // The resolution fonts are measured at when no device is given.
    static int screenDpi() {
        if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
    }

    bool paintDirect(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const {
        constexpr QStyle::State special =
            QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver;
        if ((option.state & special) || index.model() != cells_ ||
            !cells_->inside(index.row(), index.column()) ||
            painter->layoutDirection() == Qt::RightToLeft)
            return false;
        const QFont& font = option.font;
        if (font.underline() || font.strikeOut() || font.overline()) return false;
        const int row = index.row(), col = index.column();
        const QString& text = cells_->text(row, col);
        if (!plainText(text)) return false;
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRectF room = option.rect.adjusted(margin, 0, -margin, 0);
        const LaidOut* shown = nullptr;
        if (!text.isEmpty()) {
            // The general path measures at the screen's resolution and draws at the device's;
            // where they differ (a printer) it decides.
            const int dpi = painter->device()->logicalDpiY();
            if (dpi != screenDpi()) return false;
            // Set as the general path sets it: a painter's first font may compare equal and
            // still be made for another resolution.
            painter->setFont(font);
            shown = &laidOut(text, painter->font(), dpi, painter->layoutDirection());
            if (shown->width > room.width()) return false;  // fitted or cut: the general path
        }

        const QColor& background = cells_->background(col);
        if (background.isValid()) painter->fillRect(option.rect, background);
        if (!shown) return true;

        QPalette::ColorGroup group =
            option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const QColor& own = cells_->textColour(col);
        const QColor& pen = own.isValid() ? own : option.palette.color(group, QPalette::Text);
        if (painter->pen().color() != pen || painter->pen().style() != Qt::SolidLine ||
            painter->pen().brush().style() != Qt::SolidPattern)
            painter->setPen(pen);

        // Placed as drawText places one line: the bounds from the natural width and the height
        // of the font, the line from its advance.
        const Qt::Alignment align =
            QStyle::visualAlignment(Qt::LeftToRight, cells_->alignment(col));
        qreal y = 0;
        if (align & Qt::AlignBottom)
            y = room.height() - shown->height;
        else if (align & Qt::AlignVCenter)
            y = (room.height() - shown->height) / 2;
        qreal boundsX = 0, x = 0;
        if (align & Qt::AlignRight) {
            boundsX = room.width() - shown->natural;
            x = room.width() - shown->advance;
        } else if (align & Qt::AlignHCenter) {
            boundsX = (room.width() - shown->natural) / 2;
            x = (room.width() - shown->advance) / 2;
        }
        const bool clip = !room.contains(QRectF(room.x() + boundsX, room.y() + y, shown->natural,
                                                shown->height));
        if (clip) {
            painter->save();
            painter->setClipRect(room, Qt::IntersectClip);
        }
        shown->layout.lineAt(0).draw(painter, QPointF(room.x() + x, room.y() + y));
        if (clip) painter->restore();
        return true;
    }

    void paintGeneral(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QWidget* widget = o.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        painter->save();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, painter, widget);

        QPalette::ColorGroup group =
            o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(o.state & QStyle::State_Active))
            group = QPalette::Inactive;
        if (!o.text.isEmpty()) {
            const int margin =
                style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
            const QRect room = o.rect.adjusted(margin, 0, -margin, 0);
            // Most texts fit: they are measured once. One that does not is drawn smaller if it is
            // a figure, and cut short with an ellipsis if even that does not fit.
            QFont font = o.font;
            QString shown = o.text;
            if (QFontMetricsF(font).horizontalAdvance(shown) > room.width()) {
                font = FontToFitFigure(o.font, o.text, room.width(), Grid::kLeastFigureScale);
                const QFontMetrics fitted(font);
                if (fitted.horizontalAdvance(shown) > room.width())
                    shown = fitted.elidedText(shown, o.textElideMode, room.width());
            }
            painter->setFont(font);
            painter->setPen(o.palette.color(
                group, o.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                        : QPalette::Text));
            painter->drawText(room, static_cast<int>(o.displayAlignment) | Qt::TextSingleLine,
                              shown);
        }
        if (o.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(o);
            focus.rect = o.rect;
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor = o.palette.color(
                group, o.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }

    const GridModel* cells_;
    mutable std::unordered_map<QString, std::unique_ptr<LaidOut>> kept_;
    mutable QFont keptFont_;
    mutable int keptDpi_ = 0;
    mutable Qt::LayoutDirection keptDirection_ = Qt::LeftToRight;
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
    setItemDelegate(new FittingDelegate(cells_, this));
    setGridStyle(Qt::NoPen);  // paintEvent draws the grid lines
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

void Grid::setColAlignment(int col, int alignment) {
    if (col < 0 || col >= Cols()) return;
    cells_->setAlignment(col, toQt(alignment));
}

void Grid::setFixedAlignment(int col, int alignment) {
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
    if (fillStyle_ != 1) {
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

void Grid::setDirectPainting(bool on) {
    direct_ = on;
    static_cast<FittingDelegate*>(itemDelegate())->direct = on;
    setGridStyle(on ? Qt::NoPen : Qt::SolidLine);
    viewport()->update();
}

// The view lays out its cells one pixel short of each row and column for the grid lines and
// strokes each line with a pen; here they are filled as one-pixel rectangles at the same places,
// which costs a small part of stroking them.
void Grid::paintEvent(QPaintEvent* e) {
    QTableView::paintEvent(e);
    if (!direct_ || !showGrid()) return;
    const QHeaderView* across = horizontalHeader();
    const QHeaderView* down = verticalHeader();
    if (across->count() == 0 || down->count() == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor colour = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const bool rightToLeft = isRightToLeft();
    const bool leftLine =
        down->isHidden() &&
        style()->styleHint(QStyle::SH_Table_AlwaysDrawLeftTopGridLines, &option, this);
    const bool topLine =
        across->isHidden() &&
        style()->styleHint(QStyle::SH_Table_AlwaysDrawLeftTopGridLines, &option, this);
    const int lastX = across->length() - across->offset() - (rightToLeft ? 0 : 1);
    const int lastY = down->length() - down->offset() - 1;
    QPainter painter(viewport());
    for (QRect area : e->region()) {
        area.setBottom(std::min(area.bottom(), lastY));
        if (rightToLeft)
            area.setLeft(std::max(area.left(), viewport()->width() - lastX));
        else
            area.setRight(std::min(area.right(), lastX));
        if (!area.isValid()) continue;
        int left = across->visualIndexAt(area.left()), right = across->visualIndexAt(area.right());
        if (rightToLeft) std::swap(left, right);
        if (left == -1) left = 0;
        if (right == -1) right = across->count() - 1;
        int bottom = down->visualIndexAt(area.bottom());
        if (bottom == -1) bottom = down->count() - 1;
        const int top = down->visualIndexAt(area.top());
        if (top == -1 || top > bottom) continue;
        while (bottom > 0 && down->isSectionHidden(down->logicalIndex(bottom))) --bottom;
        for (int v = top; v <= bottom; ++v) {
            const int row = down->logicalIndex(v);
            if (down->isSectionHidden(row)) continue;
            const int y = rowViewportPosition(row) + rowHeight(row) - 1;
            painter.fillRect(QRect(area.left(), y, area.width(), 1), colour);
        }
        for (int h = left; h <= right; ++h) {
            const int col = across->logicalIndex(h);
            if (across->isSectionHidden(col)) continue;
            int x = columnViewportPosition(col);
            if (!rightToLeft) x += columnWidth(col) - 1;
            painter.fillRect(QRect(x, area.top(), 1, area.height()), colour);
        }
        if (topLine) {
            const int row = down->logicalIndex(top);
            if (!down->isSectionHidden(row) && rowViewportPosition(row) == area.top())
                painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), colour);
        }
        if (leftLine) {
            const int col = across->logicalIndex(left);
            if (!across->isSectionHidden(col)) {
                int x = columnViewportPosition(col);
                if (rightToLeft) x += columnWidth(left) - 1;
                if (x == (rightToLeft ? area.right() : area.left()))
                    painter.fillRect(QRect(x, area.top(), 1, area.height()), colour);
            }
        }
    }
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
