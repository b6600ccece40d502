#include "common/print_device.h"

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
