#include "common/lines_per_page.h"

#include <algorithm>
#include <cmath>

#include "common/print_device.h"

int16_t MeasureLinesPerPage(const PrintDevice& device, double reservedTwips) {
    const double height = device.textHeight(QStringLiteral("abc"));
    if (!(height > 0)) throw PrintError("The printer reports no text height");
    const double paper = device.paperHeight() > 0 ? device.paperHeight() : 15840.0;
    double lines = std::nearbyint(paper / height - 7.0);
    if (const double sheet = device.sheetHeight(); sheet > 0) {
        // A hair of tolerance: a sheet of exactly n lines holds n lines.
        const double fit = std::floor((sheet - reservedTwips) / height + 1e-9);
        lines = std::min(lines, fit - kPageFooterLines);
    }
    if (lines < 1 || lines > 32767) throw PrintError("The printer reports an unusable text height");
    return static_cast<int16_t>(lines);
}
