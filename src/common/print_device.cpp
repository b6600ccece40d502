#include "common/print_device.h"

#include <algorithm>
#include <cmath>

TextDevice::TextDevice() {
    pages_.emplace_back();
}

void TextDevice::newPage() {
    if (lineOpen_) endLine();
    ++pendingPages_;
}

void TextDevice::startPendingPages() {
    for (; pendingPages_ > 0; --pendingPages_) pages_.emplace_back();
}

void TextDevice::endDoc() {
    if (lineOpen_) endLine();
    pendingPages_ = 0;
    ended_ = true;
}

void TextDevice::setFont(const QString& name, double points, bool) {
    fontName_ = name;
    fontSize_ = points;
    ++fontChanges_;
}

double TextDevice::textHeight(const QString&) const {
    if (!measurable_) throw PrintError("The printer cannot be measured");
    if (fontName_.isEmpty()) return standardHeight_;
    return std::round(fontSize_ * 20.0);
}

void TextDevice::tab(int column) {
    startPendingPages();
    if (column < 1) column = 1;
    if (current_.size() > column - 1) {
        endLine();
    }
    current_ += QString(column - 1 - current_.size(), u' ');
    lineOpen_ = true;
}

void TextDevice::print(const QString& text) {
    startPendingPages();
    current_ += text;
    lineOpen_ = true;
}

void TextDevice::endLine() {
    startPendingPages();
    pages_.back().append(current_);
    current_.clear();
    lineOpen_ = false;
}

QString TextDevice::pageText(int index) const {
    QString out;
    for (const QString& l : pages_.at(static_cast<size_t>(index))) out += l + u'\n';
    return out;
}

QString TextDevice::allText() const {
    QString out;
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (i > 0) out += QStringLiteral("\f\n");
        out += pageText(static_cast<int>(i));
    }
    return out;
}

void ColumnLine::at(int column, const QString& text) {
    d_.at(column, text);
    usedTo_ = std::max(usedTo_, column + static_cast<int>(text.size()) - 1);
}

int ColumnLine::rightStart(int column, int width, int length, int usedTo) {
    // One blank at least after what precedes it, which may reach into the field.
    return std::max(column + width - length, usedTo + 2);
}

void ColumnLine::right(int column, int width, const QString& text) {
    const int len = static_cast<int>(text.size());
    const int start = rightStart(column, width, len, usedTo_);
    if (len < width && start == column + width - len) {
        at(column, QString(width - len, u' ') + text);  // the field's blanks are printed too
        return;
    }
    at(start, text);
}

void ColumnText::at(int column, const QString& text) {
    const int pad = column - 1 - static_cast<int>(text_.size());
    if (pad > 0) text_ += QString(pad, u' ');
    text_ += text;
}

void ColumnText::right(int column, int width, const QString& text) {
    const int usedTo = static_cast<int>(text_.size());
    at(ColumnLine::rightStart(column, width, static_cast<int>(text.size()), usedTo), text);
}
