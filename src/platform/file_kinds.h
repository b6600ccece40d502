// When the file dialog's list shows the kinds of its files.
#pragma once

namespace dialogs {

// The file dialog names the kind of each file on another thread after its first frame, when
// the kind was not found before; this is false once every list shows the kinds found.
bool fileKindsBeingFound();

}  // namespace dialogs
