// The busy dialog: two lines of text and the program icon while a job runs, on the user
// interface thread or on a thread of its own; it ends itself when the job is done.
#pragma once

#include <memory>

#include "BaseDialog.h"
#include "ceresource.h"

// The job: one argument in, a result out.
using BusyJob = int (*)(void* argument);

enum BusyDialogIds : WORD {
    busyTemplateId = 269,
    programIconId = 100,      // the program's icon, shown in the busy dialog
    busyTimerId = 1010,       // the job starts when it fires, 200 ms after opening
    busyDoneCode = 0x1000,    // WM_COMMAND code (with id 1) the finished job posts
};

class BusyDialog : public BaseDialog {
public:
    BusyDialog(HWND parent, const char16_t* firstLine, const char16_t* secondLine, BusyJob job, void* argument,
        bool ownThread, bool cancellable);

    int result = 0; // the job's result, once it has ended

    LRESULT onInitDialog(WPARAM wParam) override;
    LRESULT onTimer(UINT id, LPARAM lParam) override;
    LRESULT onCommand(UINT code, UINT id, HWND control) override;

private:
    // Shared with the job's thread, which may outlive a cancelled dialog.
    struct JobState {
        BusyJob job;
        void* argument;
        HWND dialog = nullptr;
        int result = 0;
    };
    const char16_t* firstLine;
    const char16_t* secondLine;
    bool ownThread;
    bool cancellable;
    std::shared_ptr<JobState> state;

    static DWORD WINAPI jobThread(LPVOID parameter);
    static void finish(JobState& state);
};

extern const CeDialogTemplate busyTemplate;
