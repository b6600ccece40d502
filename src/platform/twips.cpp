#include "platform/twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace twips {
namespace {
double dpi() {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double d = s ? s->logicalDotsPerInchY() : 96.0;
    return d > 0 ? d : 96.0;
}
}  // namespace

int px(int t) {
    return static_cast<int>(std::lround(t * dpi() / 1440.0));
}
int fromPx(int p) {
    return static_cast<int>(std::lround(p * 1440.0 / dpi()));
}
QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(rect(left, top, width, height));
}
void setClientSize(QWidget* w, int width, int height) {
    w->setFixedSize(px(width), px(height));
}
void moveTo(QWidget* w, int left, int top) {
    w->move(px(left), px(top));
}

}  // namespace twips

void setBackColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setBoxColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}
