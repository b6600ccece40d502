// The window tests run offscreen under a fixed locale, date format and font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "common/dates.h"
#include "platform/window_places.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dates::setShortFormat(QStringLiteral("M/d/yyyy"));
    QApplication app(argc, argv);
    // Places the windows remember stay with the test run, never in the desktop's settings.
    QTemporaryDir places;
    window_places::setFile(places.filePath(QStringLiteral("places.ini")));
    // So do the settings of Qt's own dialogs (the file dialog's columns and history).
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, places.path());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    return RUN_ALL_TESTS();
}
