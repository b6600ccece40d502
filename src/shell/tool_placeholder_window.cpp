#include "shell/tool_placeholder_window.h"

#include <QLabel>
#include <QPushButton>

#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"

ToolPlaceholder::ToolPlaceholder(const QString& name, const QString& caption,
                                 const QStringList& modeCaptions) {
    const int mode = State().CallMode;
    QString title = caption;
    if (mode >= 1 && mode <= modeCaptions.size()) title = modeCaptions.at(mode - 1);
    setWindowTitle(title);
    twips::setClientSize(this, 9480, 6360);
    makeLabel(this, QStringLiteral("Label1"),
              QStringLiteral("This tool is not available in this version yet."), 990, 2500, 7500,
              600);
    auto* exit = makeButton(this, QStringLiteral("ExitButton"), QStringLiteral("E&xit to Menu"),
                            3645, 5460, 2460, 450);
    connect(exit, &QPushButton::clicked, this, [name] {
        State().CallMode = 0;
        Windows().unload(name);
        Windows().show(QStringLiteral("MenuMain"));
    });
}
