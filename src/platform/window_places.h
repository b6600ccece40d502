// Windows that grow with their grid, and what the program remembers between runs of where the
// user left them: the size and place of each such window and the last folder of each file kind.
#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

namespace window_places {

// The file the places are kept in: "Vantora95/places.ini" under the desktop's configuration
// folder (XDG_CONFIG_HOME). A damaged or missing file is taken as empty, never an error.
QString file();
// Keeps the places in `path` instead (tests).
void setFile(const QString& path);

// Lets `window`, shown at its opening size, be made larger (never smaller) and maximized. The
// `growing` controls (a grid and what shares its place) take the extra width and height; a
// control below them moves down, one to their right moves right, a strip across the whole
// window widens; everything else keeps its place from the top left. The window's size and
// place are remembered when it is hidden. A window of two grids side by side grows in height
// only.
enum class Growth { WidthAndHeight, HeightOnly };
void makeResizable(QWidget* window, std::initializer_list<QWidget*> growing,
                   Growth growth = Growth::WidthAndHeight);
bool isResizable(const QWidget* window);

// Gives a resizable window the size and place it had when it was last hidden, kept on a screen
// that shows it. False when nothing is remembered for it (or it is not resizable).
bool restore(QWidget* window);

// The folder a file of kind `kind` ("wms", "wmw") was last chosen in, "" when none is known or
// it is gone.
QString lastFolder(const QString& kind);
void setLastFolder(const QString& kind, const QString& folder);

}  // namespace window_places
