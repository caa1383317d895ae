// Saving the finished page through the save dialog.
#pragma once

#include "html/page.h"
#include "vcl/Dialogs.h"

namespace html {

// Runs the dialog; false when it is cancelled, true once the page is written.
// A failure to write raises EFCreateError or EWriteError.
bool SaveDocument(TSaveDialog& dialog, const Lines& doc);

}  // namespace html
