// The window tests run offscreen under a fixed locale, date format and font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QLocale>

#include "common/dates.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dates::setShortFormat(QStringLiteral("M/d/yyyy"));
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    return RUN_ALL_TESTS();
}
