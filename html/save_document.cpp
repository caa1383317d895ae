#include "html/save_document.h"

#include "html/file.h"

namespace html {

bool SaveDocument(TSaveDialog& dialog, const Lines& doc) {
    if (!dialog.Execute()) return false;
    SaveBytes(dialog.FileName(), EncodeDocument(doc));
    return true;
}

}  // namespace html
