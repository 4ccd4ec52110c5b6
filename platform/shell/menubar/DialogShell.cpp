// The shell's calls for full-screen dialogs and the input panel: SHInitDialog, SHDoneButton,
// SHSipPreference, SHFullScreen and the WM_SETTINGCHANGE/WM_ACTIVATE helpers. The input panel's
// state and the full-screen flags are recorded for the host side (emulator/Shell.h) and start
// afresh at every boot.
#include <map>
#include <mutex>

#include "ShellMetrics.h"
#include "aygshell.h"
#include "emulator/Shell.h"
#include "kernel/DeviceParts.h"

namespace ce::shell {
namespace {

class InputPanelRecord {
public:
    static InputPanelRecord& instance()
    {
        static InputPanelRecord record;
        return record;
    }
    void reset()
    {
        std::lock_guard guard(m_lock);
        m_sip = SIP_DOWN;
        m_fullScreen.clear();
    }
    int sip()
    {
        std::lock_guard guard(m_lock);
        return m_sip;
    }
    void setSip(int sip)
    {
        std::lock_guard guard(m_lock);
        m_sip = sip;
    }
    DWORD fullScreen(HWND hwnd)
    {
        std::lock_guard guard(m_lock);
        auto found = m_fullScreen.find(hwnd);
        return found == m_fullScreen.end() ? 0 : found->second;
    }
    // Each SHFS_SHOW*/SHFS_HIDE* pair keeps the side given last.
    void addFullScreen(HWND hwnd, DWORD flags)
    {
        std::lock_guard guard(m_lock);
        DWORD& kept = m_fullScreen[hwnd];
        for (DWORD pair : {SHFS_SHOWTASKBAR | SHFS_HIDETASKBAR, SHFS_SHOWSIPBUTTON | SHFS_HIDESIPBUTTON,
                 SHFS_SHOWSTARTICON | SHFS_HIDESTARTICON}) {
            if (flags & pair)
                kept = (kept & ~pair) | (flags & pair);
        }
    }

private:
    std::mutex m_lock;
    int m_sip = SIP_DOWN;
    std::map<HWND, DWORD> m_fullScreen;
};

bool startRecord(Device&, std::string&)
{
    InputPanelRecord::instance().reset();
    return true;
}

void stopRecord()
{
    InputPanelRecord::instance().reset();
}

const DevicePartRegistration registration {{"shell input panel", 131, startRecord, stopRecord}};

// The screen below the title bar and above the menu bar (and the input panel when it is up
// and the dialog follows it), or down to the bottom without a menu bar.
RECT workArea(DWORD dialogFlags)
{
    RECT area = belowTitleBar();
    if (!(dialogFlags & SHIDIF_FULLSCREENNOMENUBAR))
        area.bottom -= GetSystemMetrics(SM_CYMENU);
    const bool followsPanel = !(dialogFlags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR));
    if (followsPanel && InputPanelRecord::instance().sip() == SIP_UP)
        area.bottom -= gwes::scaledForScreen(sipPanelHeight);
    return area;
}

void setCaptionOk(HWND hwnd, bool shown)
{
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    const DWORD wanted = shown ? (exStyle | WS_EX_CAPTIONOKBTN) : (exStyle & ~static_cast<DWORD>(WS_EX_CAPTIONOKBTN));
    SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<LONG>(wanted));
}

HWND topLevelOf(HWND hwnd)
{
    while (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)
        hwnd = GetParent(hwnd);
    return hwnd;
}

bool validActivateInfo(HWND hwnd, const SHACTIVATEINFO* psai)
{
    if (IsWindow(hwnd) && psai && psai->cbSize == sizeof(SHACTIVATEINFO))
        return true;
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

} // namespace
} // namespace ce::shell

using namespace ce::shell;

BOOL SHInitDialog(PSHINITDLGINFO pshidi)
{
    if (!pshidi || !IsWindow(pshidi->hDlg)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD flags = (pshidi->dwMask & SHIDIM_FLAGS) ? pshidi->dwFlags : 0;
    HWND dialog = pshidi->hDlg;
    if (flags & SHIDIF_DONEBUTTON)
        setCaptionOk(dialog, true);
    if (flags & SHIDIF_SIPDOWN)
        InputPanelRecord::instance().setSip(SIP_DOWN);
    if (flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)) {
        const RECT area = workArea(flags);
        // A child dialog (a page of a program's window) covers the same part of the screen.
        POINT origin {area.left, area.top};
        if ((GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) && GetParent(dialog))
            ScreenToClient(GetParent(dialog), &origin);
        MoveWindow(dialog, origin.x, origin.y, area.right - area.left, area.bottom - area.top, TRUE);
    }
    if (flags & SHIDIF_EMPTYMENU) {
        SHMENUBARINFO bar {};
        bar.cbSize = sizeof bar;
        bar.hwndParent = dialog;
        bar.dwFlags = SHCMBF_EMPTYBAR;
        return SHCreateMenuBar(&bar);
    }
    return TRUE;
}

BOOL SHDoneButton(HWND hwndRequester, DWORD dwState)
{
    if (!IsWindow(hwndRequester)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (dwState != SHDB_SHOW && dwState != SHDB_HIDE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    setCaptionOk(hwndRequester, dwState == SHDB_SHOW);
    return TRUE;
}

BOOL SHSipPreference(HWND hwnd, SIPSTATE st)
{
    if (!IsWindow(hwnd) || st > SIP_INPUTDIALOG) {
        SetLastError(IsWindow(hwnd) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (st == SIP_UP || st == SIP_DOWN || st == SIP_FORCEDOWN)
        InputPanelRecord::instance().setSip(st == SIP_UP ? SIP_UP : SIP_DOWN);
    return TRUE;
}

BOOL SHFullScreen(HWND hwndRequester, DWORD dwState)
{
    if (!IsWindow(hwndRequester)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    InputPanelRecord::instance().addFullScreen(topLevelOf(hwndRequester), dwState);
    return TRUE;
}

BOOL SHHandleWMSettingChange(HWND hwnd, WPARAM, LPARAM, PSHACTIVATEINFO psai)
{
    return validActivateInfo(hwnd, psai);
}

BOOL SHHandleWMActivate(HWND hwnd, WPARAM, LPARAM, PSHACTIVATEINFO psai, DWORD)
{
    return validActivateInfo(hwnd, psai);
}

namespace emulator {

int sipState()
{
    return InputPanelRecord::instance().sip();
}

DWORD fullScreenFlags(HWND hwnd)
{
    return InputPanelRecord::instance().fullScreen(topLevelOf(hwnd));
}

} // namespace emulator
