// The saved file: Shift-JIS (code page 932) bytes, CR LF after every line.
#pragma once

#include <string>
#include <string_view>

#include "html/page.h"

namespace html {

// The bytes of the saved file. Raises EWriteError for a line that has no
// Shift-JIS form.
std::string EncodeDocument(const Lines& doc);

// Writes `bytes` as the file `path`, replacing an existing file only once the
// whole content is safely on disk. Raises EFCreateError ("ﾌｧｲﾙ <path> を作成で
// きません") or EWriteError ("ｽﾄﾘｰﾑへの書き込みｴﾗｰ"); on failure an existing
// file is left as it was and nothing new is left behind.
void SaveBytes(const std::string& path, std::string_view bytes);

}  // namespace html
