// The personal settings as one value: currency symbol, printer font, user name, lines per page.
#pragma once

#include <QString>
#include <cstdint>

// The printer font a user chose; the numbers are those the settings file stores.
enum class PrinterFont : int16_t { Standard = 0, CourierNew = 6 };

struct PersonalSettings {
    QString currencySymbol{};
    PrinterFont printerFont = PrinterFont::Standard;
    QString userName{};
    // Printed lines a page holds, measured on the printing device (0 before it is measured);
    // not stored in the file.
    int16_t linesPerPage = 0;

    bool courier() const { return printerFont == PrinterFont::CourierNew; }
};
