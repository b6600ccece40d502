#include "platform/window_places.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

namespace window_places {

namespace {

QString g_file;
constexpr char kPlaced[] = "vantoraPlacesRestored";

std::unique_ptr<QSettings> places() {
    auto settings = std::make_unique<QSettings>(file(), QSettings::IniFormat);
    // A damaged file is read as far as it goes; what cannot be read is simply not known.
    return settings;
}

QString windowKey(const QWidget* window) {
    return QStringLiteral("windows/") + window->objectName();
}

// Lays out a resizable window's controls for its size, from where each stood at the opening
// size.
class Grower : public QObject {
  public:
    Grower(QWidget* window, std::initializer_list<QWidget*> growing, Growth growth)
        : QObject(window), window_(window), base_(window->size()) {
        for (QWidget* g : growing)
            if (g) growing_.push_back(g);
        window->setMinimumSize(base_);
        window->setMaximumSize(growth == Growth::HeightOnly ? base_.width() : QWIDGETSIZE_MAX,
                               QWIDGETSIZE_MAX);
        window->installEventFilter(this);
    }

    // Notes where every control stands at the opening size.
    void snapshot() {
        if (taken_ || window_->size() != base_) return;
        taken_ = true;
        for (QWidget* g : growing_) {
            growRight_ = std::max(growRight_, g->geometry().right());
            growBottom_ = std::max(growBottom_, g->geometry().bottom());
        }
        const auto children = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children)
            if (!child->isWindow())
                controls_.push_back({child, child->geometry(), child->geometry()});
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Resize:
                snapshot();
                if (taken_) layOut();
                break;
            case QEvent::Hide:
                if (!window_->isMinimized()) remember(window_->saveGeometry());
                break;
            default:
                break;
        }
        return false;
    }

  public:
    // Writes the window's place, unless it is already the one kept: a window hidden and shown
    // again in the course of a command (each Calculate of the current value, say) writes
    // nothing.
    void remember(const QByteArray& geometry) {
        if (geometry == kept_) return;
        places()->setValue(windowKey(window_), geometry);
        kept_ = geometry;
    }
    void kept(const QByteArray& geometry) { kept_ = geometry; }

  private:
    struct Control {
        QPointer<QWidget> widget;
        QRect base;  // at the opening size
        QRect laid;  // where it was last put
    };

    bool grows(const QWidget* w) const {
        return std::find(growing_.begin(), growing_.end(), w) != growing_.end();
    }

    QRect placeFor(const QRect& base, const QWidget* w, int dw, int dh) const {
        QRect r = base;
        if (grows(w)) {
            r.setSize(base.size() + QSize(dw, dh));
            return r;
        }
        if (base.top() > growBottom_) r.translate(0, dh);
        if (base.left() > growRight_) r.translate(dw, 0);
        if (base.left() <= 0 && base.right() >= base_.width() - 1) r.setWidth(base.width() + dw);
        return r;
    }

    void layOut() {
        const int dw = std::max(0, window_->width() - base_.width());
        const int dh = std::max(0, window_->height() - base_.height());
        for (Control& c : controls_) {
            if (!c.widget) continue;
            // A control its window has placed again since (as the window places controls: for
            // the opening size) stands there at the opening size.
            if (c.widget->geometry() != c.laid) c.base = c.widget->geometry();
            c.laid = placeFor(c.base, c.widget, dw, dh);
            c.widget->setGeometry(c.laid);
        }
    }

    QWidget* window_;
    QSize base_;
    std::vector<QWidget*> growing_;
    std::vector<Control> controls_;
    bool taken_ = false;
    QByteArray kept_;  // the place the file holds, as far as this window knows
    int growRight_ = 0;
    int growBottom_ = 0;
};

Grower* growerOf(const QWidget* window) {
    if (!window) return nullptr;
    for (QObject* child : window->children())
        if (auto* grower = dynamic_cast<Grower*>(child)) return grower;
    return nullptr;
}

}  // namespace

QString file() {
    if (!g_file.isEmpty()) return g_file;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Vantora95/places.ini"));
}

void setFile(const QString& path) {
    g_file = path;
}

void makeResizable(QWidget* window, std::initializer_list<QWidget*> growing, Growth growth) {
    if (!window || growerOf(window)) return;
    new Grower(window, growing, growth);
}

bool isResizable(const QWidget* window) {
    return growerOf(window) != nullptr;
}

bool restore(QWidget* window) {
    Grower* grower = growerOf(window);
    if (!grower || window->property(kPlaced).toBool()) return false;
    window->setProperty(kPlaced, true);
    const QByteArray kept = places()->value(windowKey(window)).toByteArray();
    if (kept.isEmpty()) return false;
    grower->kept(kept);
    grower->snapshot();
    if (!window->restoreGeometry(kept)) return false;
    // Kept on a screen that shows at least a good part of its title bar.
    const QRect frame = window->frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(frame);
        if (seen.width() >= std::min(frame.width(), 100) && seen.top() <= frame.top() + 8)
            return true;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->resize(std::min(window->width(), area.width()),
                       std::min(window->height(), area.height()));
        window->move(area.topLeft());
    }
    return true;
}

QString lastFolder(const QString& kind) {
    const QString folder = places()->value(QStringLiteral("folders/") + kind.toLower()).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void setLastFolder(const QString& kind, const QString& folder) {
    if (kind.isEmpty() || folder.isEmpty()) return;
    places()->setValue(QStringLiteral("folders/") + kind.toLower(), folder);
}

}  // namespace window_places
