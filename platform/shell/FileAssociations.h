// File types in HKEY_CLASSES_ROOT: ".ext" names a class, whose Shell\VERB\Command default value
// is the command that does VERB to a file of that type ("pword.exe -opendoc %1").
#pragma once

#include <string>
#include <string_view>

#include "windef.h"

namespace ce {

// The command registered for `verb` on files named like `file`; ERROR_NO_ASSOCIATION when the
// extension, its class or the class's command is missing or not text.
DWORD associatedCommand(std::u16string_view file, std::u16string_view verb, std::u16string& command);

// The path in quotes when it holds spaces, as a command line needs it.
std::u16string quotedWhenSpaced(std::u16string_view path);

// The command with every %1 replaced by `file` as it is (the registered command quotes it when it
// should); a command without %1 gets the file appended, quoted when it holds spaces.
std::u16string commandForFile(std::u16string_view command, std::u16string_view file);

}  // namespace ce
