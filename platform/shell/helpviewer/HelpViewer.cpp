// The help viewer's window and program (see HelpViewer.h): reading the help file named on the
// command line, and a top-level window that shows the chosen section's text in a child
// (HelpTextWindow.cpp).
#include "HelpViewer.h"

#include "HelpText.h"
#include "gwes/SystemClasses.h"
#include "kernel/process/PlatformPrograms.h"
#include "shell/menubar/ShellMetrics.h"
#include "text/CaseTable.h"

namespace ce::shell {
namespace {

constexpr DWORD largestHelpFile = 4u << 20;

struct Topic {
    std::u16string path; // device path of the help file
    std::u16string anchor;
};

// "file:NAME#ANCHOR", perhaps quoted, "file:" optional.
Topic topicOf(std::u16string_view commandLine)
{
    while (!commandLine.empty() && (commandLine.front() == u' ' || commandLine.front() == u'"'))
        commandLine.remove_prefix(1);
    while (!commandLine.empty() && (commandLine.back() == u' ' || commandLine.back() == u'"'))
        commandLine.remove_suffix(1);
    if (commandLine.size() >= 5 && sameNameDevice(commandLine.substr(0, 5), u"file:"))
        commandLine.remove_prefix(5);
    const size_t hash = commandLine.find(u'#');
    Topic topic;
    const std::u16string_view name = commandLine.substr(0, hash);
    topic.path = !name.empty() && name.front() == u'\\' ? std::u16string(name) : u"\\Windows\\" + std::u16string(name);
    if (hash != std::u16string_view::npos)
        topic.anchor = commandLine.substr(hash + 1);
    return topic;
}

bool readHelpFile(const std::u16string& path, std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD size = GetFileSize(file, nullptr);
    DWORD read = 0;
    bool ok = size != INVALID_FILE_SIZE && size <= largestHelpFile;
    if (ok) {
        bytes.resize(size);
        ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

LRESULT helpViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const auto& create = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const auto* text = static_cast<const std::u16string*>(create.lpCreateParams);
        HWND child = CreateWindowExW(0, helpTextClass, text ? text->c_str() : u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
            0, 0, create.cx, create.cy, hwnd, nullptr, create.hInstance, nullptr);
        return child ? 0 : -1;
    }
    case WM_SIZE:
        MoveWindow(GetWindow(hwnd, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const gwes::SystemClassRegistration viewerRegistration({helpViewerClass, helpViewerProc, 0, 0});

} // namespace

std::u16string helpTopicText(std::u16string_view commandLine)
{
    const Topic topic = topicOf(commandLine);
    std::vector<BYTE> bytes;
    if (!readHelpFile(topic.path, bytes))
        return u"The help file " + topic.path + u" could not be opened.";
    return helpSectionText(helpFileText(bytes), topic.anchor);
}

HWND createHelpViewer(std::u16string_view commandLine)
{
    const std::u16string text = helpTopicText(commandLine);
    const RECT area = belowTitleBar();
    return CreateWindowExW(0, helpViewerClass, u"Help", WS_CLIPCHILDREN, area.left, area.top, area.right - area.left,
        area.bottom - area.top, nullptr, nullptr, nullptr, const_cast<std::u16string*>(&text));
}

int helpViewerMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int show)
{
    const std::u16string_view line = commandLine ? commandLine : u"";
    if (HWND open = FindWindowW(helpViewerClass, nullptr)) {
        SetWindowTextW(GetWindow(open, GW_CHILD), helpTopicText(line).c_str());
        SetForegroundWindow(open);
        return 0;
    }
    HWND viewer = createHelpViewer(line);
    if (!viewer)
        return 1;
    ShowWindow(viewer, show);
    MSG msg {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// \Windows\peghelp.exe runs helpViewerMain in a process of its own.
const PlatformProgramRegistration program({u"peghelp.exe", helpViewerMain});

} // namespace ce::shell
