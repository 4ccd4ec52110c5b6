// Shortcut (.lnk) files as the device stores them: narrow text "NN#command", where NN is the
// command's length in characters and the command is a program, quoted when its path holds
// spaces, followed by its arguments:  23#"\Windows\iexplore.exe"  or  27#\Windows\calc.exe -x
//
// The device reads the command to the end of its line and does not hold the count against it
// (shortcuts with a count of 0 or a stale count still start), so neither does the reader; a text
// without "digits#" before it, or with an empty command, is no shortcut. Text is read as UTF-16
// after a byte-order mark, as UTF-8 when it is valid UTF-8, and as the ANSI code page otherwise.
// Exported for the shell calls of programs' libraries and for tests.
#pragma once

#include <string>
#include <string_view>

#include "ceapi.h"
#include "windef.h"

namespace ce {

struct ShortcutTarget {
    std::u16string target;     // the program or document, without quotes
    std::u16string arguments;  // what follows it, without the separating spaces
};

// The command text of a shortcut file's bytes; ERROR_BAD_FORMAT when they hold no shortcut.
CEAPI DWORD readShortcutCommand(std::string_view bytes, std::u16string& command);

// Splits a command: a quoted target ends at its closing quote (an unclosed quote takes the rest
// of the text), an unquoted one at the first space.
CEAPI ShortcutTarget splitShortcutCommand(std::u16string_view command);

// The bytes of a shortcut file for `command`: ANSI when every character has a byte in the code
// page, UTF-8 otherwise; no line end.
CEAPI std::string shortcutFileBytes(std::u16string_view command);

}  // namespace ce
