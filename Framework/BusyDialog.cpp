// The busy dialog and its template. The job starts 200 ms after the dialog opens so that the
// dialog is on the screen first; a job on its own thread waits those 200 ms again before it runs.
#include "BusyDialog.h"

#include "AppState.h"
#include "ProductMenus.h"

namespace {

enum Control : WORD {
    iconControl = 1001,
    firstLineText = 1002,
    secondLineText = 1003,
};

constexpr UINT startDelayMs = 200;

constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, iconControl, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 8, 10, 32, 32},
    {u"STATIC", nullptr, firstLineText, WS_CHILD | WS_VISIBLE, 0, 48, 10, 150, 16},
    {u"STATIC", nullptr, secondLineText, WS_CHILD | WS_VISIBLE, 0, 48, 28, 150, 16},
    {u"BUTTON", u"Cancel", IDCANCEL, WS_CHILD | WS_TABSTOP, 0, 70, 52, 70, 22},
};

} // namespace

constinit const CeDialogTemplate busyTemplate {
    WS_POPUP | WS_CAPTION | DS_CENTER, 0, 0, 0, 210, 82, nullptr, nullptr, 0, controls};

BusyDialog::BusyDialog(HWND parent, const char16_t* firstLine, const char16_t* secondLine, BusyJob job,
    void* argument, bool ownThread, bool cancellable)
    : BaseDialog(busyTemplateId, parent), firstLine(firstLine), secondLine(secondLine), ownThread(ownThread),
      cancellable(cancellable), state(std::make_shared<JobState>(JobState {job, argument}))
{
}

LRESULT BusyDialog::onInitDialog(WPARAM wParam)
{
    initShell(wParam, -1, cancellable ? closeMenuId : 0);
    state->dialog = hwnd;
    SetDlgItemTextW(hwnd, firstLineText, firstLine ? firstLine : u"");
    SetDlgItemTextW(hwnd, secondLineText, secondLine ? secondLine : u"");
    if (HICON icon = LoadIconW(appState().instance, MAKEINTRESOURCEW(programIconId)))
        SendDlgItemMessageW(hwnd, iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    const int cancel[] = {IDCANCEL, 0};
    showItems(cancel, cancellable);
    SetTimer(hwnd, busyTimerId, startDelayMs, nullptr);
    return 1;
}

void BusyDialog::finish(JobState& state)
{
    state.result = state.job ? state.job(state.argument) : 0;
    PostMessageW(state.dialog, WM_COMMAND, MAKEWPARAM(1, busyDoneCode), 0);
}

DWORD WINAPI BusyDialog::jobThread(LPVOID parameter)
{
    // The thread keeps the state alive until the job has ended, whatever became of the dialog.
    std::shared_ptr<JobState> state(*static_cast<std::shared_ptr<JobState>*>(parameter));
    delete static_cast<std::shared_ptr<JobState>*>(parameter);
    Sleep(startDelayMs);
    finish(*state);
    return 0;
}

LRESULT BusyDialog::onTimer(UINT id, LPARAM lParam)
{
    if (id != busyTimerId)
        return BaseDialog::onTimer(id, lParam);
    KillTimer(hwnd, busyTimerId);
    if (!ownThread) {
        finish(*state);
        return 0;
    }
    auto* shared = new std::shared_ptr<JobState>(state);
    if (HANDLE thread = CreateThread(nullptr, 0, jobThread, shared, 0, nullptr))
        CloseHandle(thread);
    else
        delete shared;
    return 0;
}

LRESULT BusyDialog::onCommand(UINT code, UINT id, HWND control)
{
    if (code == busyDoneCode && id == 1) {
        result = state->result;
        EndDialog(hwnd, 1);
        return 0;
    }
    if (id == IDCANCEL || id == cancelCommand) {
        if (cancellable)
            EndDialog(hwnd, IDCANCEL);
        return 0;
    }
    return BaseDialog::onCommand(code, id, control);
}
