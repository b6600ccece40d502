// The model tests run under a fixed locale and date format.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

#include "common/dates.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dates::setShortFormat(QStringLiteral("M/d/yyyy"));
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
