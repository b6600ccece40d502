// NetCell: one cell of the net worth statement (empty, a text or a number).
#pragma once

#include <QString>
#include <cstdint>

// One cell of the net worth statement: empty, a text or a number. A number
// read from a file keeps the text it was written as, so an unchanged
// statement saves back as it was read.
struct NetCell {
    enum class Kind : uint8_t { Empty, Text, Number };
    Kind kind = Kind::Empty;
    QString text;  // the text; for a number its file text ("" when typed or computed)
    double number = 0;
};
