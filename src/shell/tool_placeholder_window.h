// A plain tool window with its caption and an exit button, for tools still to be built.
#pragma once

#include <QWidget>

class ToolPlaceholder : public QWidget {
    Q_OBJECT
  public:
    // `caption` is the window's title; `modeCaptions` (by CallMode 1, 2) replaces
    // it for the windows that serve two menu buttons.
    ToolPlaceholder(const QString& name, const QString& caption,
                    const QStringList& modeCaptions = {});
};
