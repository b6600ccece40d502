#include "shell/ui/help_key_ui.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include "platform/help_viewer.h"
#include "shell/model/help_topics.h"
#include "shell/model/program_folder.h"

namespace {

QString g_manualPath;
QPointer<HelpViewer> g_lastViewer;

QString ManualPath() {
    if (!g_manualPath.isEmpty()) return g_manualPath;
    return HelpFolder() + u'/' + QLatin1String(kManualFile);
}

// The section for the window F1 was pressed in. A message box or another
// unnamed window counts as part of the window it belongs to.
QString AnchorForWidget(QWidget* w) {
    for (QWidget* top = w ? w->window() : nullptr; top;
         top = top->parentWidget() ? top->parentWidget()->window() : nullptr) {
        // A window of two uses names the section of the one it serves.
        const QString own = top->property(kHelpSectionProperty).toString();
        const QString anchor = own.isEmpty() ? HelpAnchorFor(top->objectName()) : own;
        if (!anchor.isEmpty()) return anchor;
    }
    return {};
}

class HelpKeyFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        // In the manual itself F1 means nothing more.
        if (qobject_cast<HelpViewer*>(widget->window())) return true;
        OpenManualAt(AnchorForWidget(widget));
        return true;
    }
};

}  // namespace

void InstallHelpKey() {
    static HelpKeyFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

void SetManualPath(const QString& path) {
    g_manualPath = path;
}

HelpViewer* OpenManualAt(const QString& anchor) {
    const bool overModal = QApplication::activeModalWidget() != nullptr;
    HelpViewer* viewer = g_lastViewer;
    if (!viewer || overModal || viewer->isModal() || !viewer->isVisible()) {
        viewer = HelpViewer::open(ManualPath(), QLatin1String(kManualTitle), anchor, overModal);
        if (!overModal) g_lastViewer = viewer;
        return viewer;
    }
    viewer->showSection(anchor);
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
