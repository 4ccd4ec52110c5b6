// The system's message table: the English text of every system error code, as
// FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM) delivers it.
#pragma once

#include <cstdint>

namespace ce {

// The message definition for `code`, or null when the table has none. HRESULTs of the
// Win32 facility (0x8007xxxx) share the text of their error code.
const char16_t* systemMessageText(uint32_t code);

}  // namespace ce
