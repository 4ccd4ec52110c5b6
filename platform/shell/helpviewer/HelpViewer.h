// The device's help viewer, peghelp.exe: started with "file:NAME#ANCHOR" (NAME in \Windows
// unless it is a full path), it shows that section of the HTML file as plain text in a window
// of class "peghelp" titled "Help", whose child of class "peghelpText" holds the text as its
// window text. It ends when its window is closed.
#pragma once

#include <string>
#include <string_view>

#include "windows.h"

namespace ce::shell {

constexpr const WCHAR* helpViewerClass = u"peghelp";
constexpr const WCHAR* helpTextClass = u"peghelpText";

// The text a command line shows: the section, or a message naming the file that could not be read.
CEAPI std::u16string helpTopicText(std::u16string_view commandLine);

// The viewer's window for a command line, hidden until shown; null when it cannot be made.
CEAPI HWND createHelpViewer(std::u16string_view commandLine);

// The program's entry: shows the topic (in the viewer that is open already, if any, which then
// comes to the front) and pumps messages until the viewer's window goes. Returns the exit code.
CEAPI int helpViewerMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);

} // namespace ce::shell
