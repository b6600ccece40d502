// Readable test failures: Qt texts print as text, lists line by line.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{\n";
    for (const QString& s : l) *os << "  \"" << s.toStdString() << "\"\n";
    *os << "}";
}
