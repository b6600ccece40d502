#include "platform/grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

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
    g.setFillStyle(1);
    g.setText(QString());
    g.setFillStyle(0);
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
    g.setColAlignment(1, 1);
    g.setCellText(1, 1, QStringLiteral("12.00"));
    EXPECT_TRUE(g.item(0, 1)->textAlignment() & Qt::AlignRight);
    g.setColAlignment(0, 2);
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
