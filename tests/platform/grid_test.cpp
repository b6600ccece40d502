#include "platform/grid.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/twips.h"

namespace {
// A 25 x 4 grid filled with "r,c" texts, heading row included.
void fill(Grid& g, int rows, int cols) {
    g.setRows(rows);
    g.setCols(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) g.setCellText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
}
}  // namespace

TEST(Grid, FillOfTheSelectionBlanksTheBodyAndKeepsTheHeadings) {
    Grid g;
    fill(g, 25, 4);
    g.setSelStartRow(1);
    g.setSelEndRow(g.Rows() - 1);
    g.setSelStartCol(0);
    g.setSelEndCol(g.Cols() - 1);
    g.setFillStyle(Grid::FillStyle::Selection);
    g.setText(QString());
    g.setFillStyle(Grid::FillStyle::CurrentCell);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(g.cellText(0, c), QStringLiteral("0,%1").arg(c));
        for (int r = 1; r < 25; ++r) EXPECT_EQ(g.cellText(r, c), "");
    }
}

TEST(Grid, GrowingAndShrinkingKeepsTheCellsInside) {
    Grid g;
    fill(g, 25, 4);
    g.setRows(54);
    EXPECT_EQ(g.Rows(), 54);
    EXPECT_EQ(g.cellText(24, 3), "24,3");
    EXPECT_EQ(g.cellText(53, 3), "");
    g.setCellText(53, 0, QStringLiteral("last"));
    g.setRows(25);
    EXPECT_EQ(g.Rows(), 25);
    EXPECT_EQ(g.cellText(24, 3), "24,3");
    g.setRows(54);
    EXPECT_EQ(g.cellText(53, 0), "");  // dropped rows do not come back
    g.setCols(2);
    EXPECT_EQ(g.cellText(0, 1), "0,1");
    EXPECT_EQ(g.cellText(5, 3), "");  // outside reads as empty, never crashes
    g.setCellText(99, 99, QStringLiteral("ignored"));
}

TEST(Grid, ARowSourceWritesOnlyTheRowsReadAndGivesWayToWrites) {
    Grid g;
    g.resize(400, 200);  // a few rows in view
    g.setCols(3);
    g.setRows(1001);
    std::vector<int> made;
    g.setRowSource(1, 1000, [&made](int i) {
        made.push_back(i);
        return QStringList{QString::number(i), QStringLiteral("x"), QStringLiteral("y")};
    });
    QApplication::processEvents();
    EXPECT_TRUE(made.empty());
    g.setCellText(500, 1, QStringLiteral("typed"));
    EXPECT_EQ(g.cellText(500, 0), "499");  // the rest of the row is the source's
    EXPECT_EQ(g.cellText(500, 1), "typed");
    EXPECT_EQ(g.cellText(1, 2), "y");
    EXPECT_EQ(made, (std::vector<int>{499, 0}));
    g.setRows(11);  // shrinking drops the rows beyond; growing again brings them back blank
    g.setRows(1001);
    EXPECT_EQ(g.cellText(600, 0), "");
    EXPECT_EQ(g.tableRows().size(), 11u);  // heading row + 10 made on export
    g.setCols(2);                          // a column change writes out every row first
    EXPECT_EQ(g.cellText(10, 0), "9");
    g.clearBody();
    EXPECT_EQ(g.cellText(5, 0), "");
}

TEST(Grid, CurrentCellWritesAndReadsExactlyThatCell) {
    Grid g;
    fill(g, 5, 3);
    g.setRow(2);
    g.setCol(1);
    EXPECT_EQ(g.text(), "2,1");
    g.setText(QStringLiteral("x"));
    EXPECT_EQ(g.cellText(2, 1), "x");
    EXPECT_EQ(g.cellText(2, 2), "2,2");
    g.setRow(0);
    g.setCol(2);
    g.setText(QStringLiteral("        Current          Value"));
    EXPECT_EQ(g.cellText(0, 2), "        Current          Value");  // read back as set
    EXPECT_EQ(g.horizontalHeaderItem(2)->text(), "Current Value");  // shown with single blanks
}

TEST(Grid, WidthsInTwipsAndAlignments) {
    Grid g;
    g.setRows(3);
    g.setCols(3);
    EXPECT_EQ(g.colWidth(0), Grid::kDefaultColWidth);
    g.setColWidth(1, Grid::kDefaultColWidth + 1400);
    EXPECT_EQ(g.columnWidth(1), twips::px(2000));
    g.setRowHeight(0, 500);
    EXPECT_EQ(g.horizontalHeader()->height(), twips::px(500));
    g.setColAlignment(1, Grid::CellAlign::Right);
    g.setCellText(1, 1, QStringLiteral("12.00"));
    EXPECT_TRUE(g.item(0, 1)->textAlignment() & Qt::AlignRight);
    g.setColAlignment(0, Grid::CellAlign::Centre);
    g.setCellText(2, 0, QStringLiteral("c"));
    EXPECT_TRUE(g.item(1, 0)->textAlignment() & Qt::AlignHCenter);
}

TEST(Grid, KeysGoToTheWindowAndDownArrowMovesOneRow) {
    Grid g;
    fill(g, 6, 2);
    g.show();
    g.setRow(1);
    g.setCol(1);
    QString typed;
    int deletes = 0;
    g.onKeyPress = [&](int key) {
        typed += QChar(key);
        return 0;
    };
    g.onKeyDown = [&](int& code) {
        if (code == 46) ++deletes;
    };
    QTest::keyClicks(&g, QStringLiteral("12.5"));
    QTest::keyClick(&g, Qt::Key_Delete);
    EXPECT_EQ(typed, "12.5");
    EXPECT_EQ(deletes, 1);
    EXPECT_EQ(g.cellText(1, 1), "1,1");  // the grid edits nothing by itself
    int moves = 0;
    QObject::connect(&g, &Grid::rowColChanged, [&] { ++moves; });
    keys::sendDown(&g);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(moves, 1);
}

namespace {
// A result table as a calculator shows it: padded headings, figures, spare rows at the end.
void fillResults(Grid& g) {
    g.setRows(25);
    g.setCols(3);
    const QStringList heading = {"  Year", " Deposits  ", "Growth  %"};
    const QStringList one = {"1996", "   $1,200.00", "  -12.5%"};
    const QStringList two = {"Smith, \"A\"", "  ($300.50)", "   14.870%"};
    for (int c = 0; c < 3; ++c) {
        g.setCellText(0, c, heading[c]);
        g.setCellText(1, c, one[c]);
        g.setCellText(2, c, two[c]);
    }
}
}  // namespace

TEST(Grid, CopiesTheSelectedBlockOrTheWholeTableAsTabText) {
    Grid g;
    fillResults(g);
    g.clearSelection();
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Year\tDeposits\tGrowth %\n"
              "1996\t1200.00\t-12.5\n"
              "Smith, \"A\"\t-300.50\t14.870\n");
    // A block of cells, dragged or Shift-extended; no headings.
    g.setCurrentCell(0, 1);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1200.00\t-12.5\n-300.50\t14.870\n");
    // A hidden column is no part of the copy.
    g.setColWidth(1, 0);
    g.clearSelection();
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Year\tGrowth %\n1996\t-12.5\nSmith, \"A\"\t14.870\n");
}

TEST(Grid, ContextMenuCopiesAndSavesTheTableAsCsv) {
    QTemporaryDir dir;
    dialogs::Script script;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Savings &Plan"));
    auto* g = new Grid(&window);
    fillResults(*g);
    std::unique_ptr<QMenu> menu(g->exportMenu(nullptr));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "&Copy");
    EXPECT_EQ(actions[1]->text(), "&Save as CSV\u2026");

    // Cancelled: nothing written.
    actions[1]->trigger();
    ASSERT_EQ(script.fileRequests().size(), 1u);
    EXPECT_TRUE(script.fileRequests()[0].save);
    EXPECT_EQ(script.fileRequests()[0].proposedName, "Savings Plan.csv");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const QString path = dir.filePath(QStringLiteral("plan.csv"));
    script.chooseFile(path);
    actions[1]->trigger();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              "Year,Deposits,Growth %\r\n"
              "1996,1200.00,-12.5\r\n"
              "\"Smith, \"\"A\"\"\",-300.50,14.870\r\n");

    // A file that cannot be written is reported, not taken for saved.
    script.chooseFile(dir.filePath(QStringLiteral("missing/plan.csv")));
    EXPECT_FALSE(g->saveAsCsv());
    EXPECT_EQ(script.lastMessage().title, "Save as CSV");
    EXPECT_TRUE(script.lastMessage().text.startsWith("The table could not be saved."));
}

TEST(Grid, TheSelectionEndAtRowOneBringsTheTopLeftBackIntoView) {
    Grid g;
    g.setRows(200);
    g.setCols(6);
    g.resize(300, 200);
    g.show();
    g.scrollToBottom();
    g.horizontalScrollBar()->setValue(g.horizontalScrollBar()->maximum());
    ASSERT_GT(g.verticalScrollBar()->value(), 0);
    g.setSelEndRow(1);
    g.setSelEndCol(0);
    EXPECT_EQ(g.verticalScrollBar()->value(), 0);
    EXPECT_EQ(g.horizontalScrollBar()->value(), 0);
}

TEST(Grid, AFigureTooWideForItsCellIsDrawnSmallerButNotBeyondReading) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    const QString figure = QStringLiteral("1,234,568,799.99");
    const int wide = static_cast<int>(QFontMetricsF(font).horizontalAdvance(figure)) + 2;
    EXPECT_EQ(FontToFitFigure(font, figure, wide), font);  // fits: as it is
    EXPECT_EQ(FontToFitFigure(font, QStringLiteral("Very long fund name"), 10), font);  // words
    const QFont smaller = FontToFitFigure(font, figure, wide * 3 / 4);
    EXPECT_LT(smaller.pointSizeF(), font.pointSizeF());
    EXPECT_LE(QFontMetricsF(smaller).horizontalAdvance(figure), wide * 3 / 4);
    EXPECT_DOUBLE_EQ(FontToFitFigure(font, figure, 5).pointSizeF(), 6.0);  // 60 % at the least
    EXPECT_DOUBLE_EQ(FontToFitFigure(font, figure, 5, 0.4).pointSizeF(), 4.0);
}

TEST(Grid, TheLargestPriceFitsTheCurrentPricesColumn) {
    Grid g;
    g.setCols(2);
    g.setColWidth(1, 1000);  // as Current Prices has it
    const QString largest = QStringLiteral("922,337,203,685,477.00");
    const int room =
        twips::px(1000) - 2 * (g.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const QFont fitted = FontToFitFigure(g.font(), largest, room, Grid::kLeastFigureScale);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(largest), room);
}

TEST(Grid, AResultLabelShowsAWideFigureSmallerAndAShortOneInItsOwnFont) {
    QLabel label;
    QFont own(QStringLiteral("Liberation Sans"));
    own.setPointSizeF(10);
    label.setFont(own);
    label.resize(100, 20);
    showFigure(&label, QStringLiteral("$1,234,568,799.9900"));
    EXPECT_EQ(label.text(), "$1,234,568,799.9900");
    EXPECT_LT(label.font().pointSizeF(), 10.0);
    showFigure(&label, QStringLiteral("$5.00"));
    EXPECT_EQ(label.font(), own);
}

TEST(Grid, ScreenReadersHearEachCellWithItsColumnAndRowHeadings) {
    Grid g;
    g.setRows(4);
    g.setCols(3);
    const QStringList heading = {"  Year", "   Interest     Paid", "Balance"};
    const QStringList year = {" 12", "  1,234.56", "  98,765.43"};
    const QStringList total = {"Total", "  9,999.00", ""};
    for (int c = 0; c < 3; ++c) {
        g.setCellText(0, c, heading[c]);
        g.setCellText(1, c, year[c]);
        g.setCellText(3, c, total[c]);
    }
    g.show();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&g);
    ASSERT_TRUE(table && table->tableInterface());
    // Body row r of the grid is row r - 1 of the table a screen reader reads; the heading row is
    // its column headings, drawn as ever.
    struct Case {
        int row, col;
        QString rowHeading, columnHeading, text;
    };
    const std::vector<Case> cases = {
        {0, 1, "Year 12", "Interest Paid", "1,234.56"},  // a bare number is named with its heading
        {0, 2, "Year 12", "Balance", "98,765.43"},
        {2, 1, "Total", "Interest Paid", "9,999.00"},  // a name stands alone
        {1, 2, "", "Balance", ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.row * 10 + k.col);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(k.row, k.col);
        ASSERT_TRUE(cell && cell->tableCellInterface());
        EXPECT_EQ(cell->text(QAccessible::Name), k.text);
        const auto rows = cell->tableCellInterface()->rowHeaderCells();
        const auto columns = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(rows.size(), 1);
        ASSERT_EQ(columns.size(), 1);
        EXPECT_EQ(rows[0]->text(QAccessible::Name), k.rowHeading);
        EXPECT_EQ(columns[0]->text(QAccessible::Name), k.columnHeading);
        // Header cells are handed over new, not kept by the table.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(rows[0]));
        QAccessible::deleteAccessibleInterface(
            QAccessible::registerAccessibleInterface(columns[0]));
    }
    EXPECT_EQ(g.horizontalHeader()->model()->headerData(1, Qt::Horizontal).toString(),
              "Interest Paid");
    EXPECT_TRUE(g.verticalHeader()->isHidden());
}

TEST(Grid, ColumnsCarryTheirColoursAndAHeadingNeverSetStaysBlank) {
    Grid g;
    g.setRows(3);
    g.setCols(3);
    g.setColColours(1, QColor(0, 0, 255), QColor(255, 255, 0));
    g.setCellText(1, 1, QStringLiteral("5.00"));
    const QAbstractItemModel* m = g.model();
    EXPECT_EQ(m->index(0, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    EXPECT_EQ(m->index(1, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 0));
    EXPECT_FALSE(m->index(0, 0).data(Qt::BackgroundRole).isValid());  // the grid's own
    for (int c = 0; c < 3; ++c) EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), "");
    // The view hears of written cells once control returns to the event loop, and reads them
    // from the model straight away.
    QCoreApplication::processEvents();
    QSignalSpy changes(m, &QAbstractItemModel::dataChanged);
    for (int r = 1; r < 3; ++r) g.setCellText(r, 2, QStringLiteral("x"));
    EXPECT_EQ(m->index(1, 2).data().toString(), "x");
    QCoreApplication::processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), m->index(0, 2));
    EXPECT_EQ(changes[0][1].toModelIndex(), m->index(1, 2));
}

// The grid draws its cells as a stock table view under the same style draws the same cells, at
// a device pixel ratio of 1 and 2: colours per column, alignments, the selection and the current
// cell's focus frame. The one difference of its own, a figure too wide for its cell drawn
// smaller, the stock view is given as those cells' fonts.
TEST(Grid, CellsLookAsAStockTableViewDrawsThem) {
    const QStringList texts = {
        "Buy",     "12/31/1999", "  1,234.5678", "0.00", "Fund 17 Income", "AV Wa Ty 7.1",
        "-40.00 ", "",           "x&y"};
    const QString wide = QStringLiteral("1,234,568,799.99");
    constexpr int kRows = 11, kCols = 5;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.5);
    for (const QString styleName : {"Fusion", "Windows"})
        for (qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(styleName.toStdString() + " at " + std::to_string(ratio));
            const std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
            ASSERT_TRUE(style);
            // Drawn as the window shows it, with the focus in the view.
            auto draw = [&](QTableView& view) {
                QWidget window;
                view.setParent(&window);
                view.setStyle(style.get());
                view.setFont(font);
                view.setGeometry(10, 10, 560, 260);
                window.resize(580, 280);
                window.show();
                view.setFocus();
                view.setCurrentIndex(view.model()->index(2, 1));
                view.selectionModel()->select(
                    QItemSelection(view.model()->index(4, 0), view.model()->index(5, 3)),
                    QItemSelectionModel::Select);
                QCoreApplication::processEvents();
                QImage image((QSizeF(view.viewport()->size()) * ratio).toSize(),
                             QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::white);
                view.viewport()->render(&image);
                view.setParent(nullptr);
                return image;
            };
            Grid g;
            g.setRows(kRows + 1);
            g.setCols(kCols);
            QStandardItemModel model(kRows, kCols);
            QTableView stock;
            stock.setModel(&model);
            stock.verticalHeader()->hide();
            stock.verticalHeader()->setMinimumSectionSize(1);
            stock.horizontalHeader()->setMinimumSectionSize(1);
            stock.setWordWrap(false);
            stock.setSelectionMode(QAbstractItemView::ContiguousSelection);
            stock.horizontalHeader()->setFixedHeight(g.horizontalHeader()->height());
            using enum Grid::CellAlign;
            const Grid::CellAlign alignments[kCols] = {Left, Right, Centre, Left, Right};
            const QColor textColours[kCols] = {{}, {}, {}, {0, 0, 160}, {160, 0, 0}};
            const QColor backgrounds[kCols] = {{}, {}, {}, {255, 255, 200}, {}};
            for (int c = 0; c < kCols; ++c) {
                g.setColWidth(c, 700 + 250 * c);
                stock.setColumnWidth(c, g.columnWidth(c));
                g.setColAlignment(c, alignments[c]);
                g.setColColours(c, textColours[c], backgrounds[c]);
            }
            for (int r = 0; r < kRows; ++r) {
                g.setRowHeight(r + 1, 180 + 60 * (r % 3));
                stock.setRowHeight(r, g.rowHeight(r));
                for (int c = 0; c < kCols; ++c) {
                    const QString text =
                        r == 3 && c == 0 ? wide : texts[(r * 3 + c) % texts.size()];
                    g.setCellText(r + 1, c, text);
                    auto* item = new QStandardItem(text);
                    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                    item->setTextAlignment(g.item(r, c)->textAlignment());
                    if (textColours[c].isValid()) item->setForeground(textColours[c]);
                    if (backgrounds[c].isValid()) item->setBackground(backgrounds[c]);
                    model.setItem(r, c, item);
                }
            }
            // Figures too wide for their cells (a date, a name with a number in it too) in the
            // font the grid fits them to.
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            int fittedCells = 0;
            for (int r = 0; r < kRows; ++r)
                for (int c = 0; c < kCols; ++c) {
                    const int room = g.visualRect(g.model()->index(r, c)).width() - 2 * margin;
                    const QString text = model.item(r, c)->text();
                    const QFont fitted = FontToFitFigure(font, text, room, Grid::kLeastFigureScale);
                    if (fitted == font) continue;
                    model.item(r, c)->setFont(fitted);
                    ++fittedCells;
                }
            EXPECT_GE(fittedCells, 3);

            const QImage ours = draw(g), theirs = draw(stock);
            ASSERT_EQ(ours.size(), theirs.size());
            int differing = 0;
            for (int y = 0; y < ours.height(); ++y)
                for (int x = 0; x < ours.width(); ++x)
                    differing += ours.pixel(x, y) != theirs.pixel(x, y);
            EXPECT_EQ(differing, 0);
        }
}

// A style that paints item backgrounds (a panel under every item) has it under every cell, not
// only under the selected or current one.
TEST(Grid, AStylesItemPanelIsDrawnUnderEveryCell) {
    struct PanelStyle : QProxyStyle {
        PanelStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
        void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const override {
            if (element == PE_PanelItemViewItem)
                painter->fillRect(option->rect, QColor(255, 0, 255));
            else
                QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    } style;
    Grid g;
    g.setStyle(&style);
    fill(g, 6, 3);
    g.resize(400, 200);
    g.show();
    QCoreApplication::processEvents();
    const QImage image = g.viewport()->grab().toImage();
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRect cell = g.visualRect(g.model()->index(r, c));
            // (The current cell's may be shaded a little.)
            const QColor shown = image.pixelColor(cell.bottomRight() - QPoint(3, 3));
            EXPECT_TRUE(shown.red() > 200 && shown.green() < 40 && shown.blue() > 200)
                << r << "," << c << " " << shown.name().toStdString();
        }
}
