// The device's clipboard as the edit controls use it: one text shared by every edit (and the
// edit of every combo box) on the device. The clipboard calls (OpenClipboard...) are not part
// of the platform; cut, copy and paste in edits go through this text.
#pragma once

#include <string>

namespace ce::gwes::basic {

std::u16string clipboardText();
void setClipboardText(const std::u16string& text);

} // namespace ce::gwes::basic
