// One check for a calculator's help text: the lines it must hold at their
// places, the sentences it must hold anywhere, and "End" closing it.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

inline QStringList HelpLines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

inline void ExpectHelpText(const QStringList& lines,
                           std::initializer_list<std::pair<int, QString>> placed,
                           std::initializer_list<const char*> sentences = {}) {
    for (const auto& [at, text] : placed) EXPECT_EQ(lines.value(at), text) << "line " << at;
    for (const char* s : sentences) EXPECT_TRUE(lines.contains(QString::fromUtf8(s))) << s;
    EXPECT_EQ(lines.value(lines.size() - 1), QString(50, u' ') + "End");
}
