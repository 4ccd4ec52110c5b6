// Device processes of program images: command lines and exit codes, private globals per
// process, where a program is found, what fails, and ending processes from outside.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "TestImages.h"

using testing_support::TestDevice;

namespace {

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override { installTestImages(device); }

    TestDevice device;
};

TEST_F(ProcessTest, CommandLineAndExitCodeReachWinMainAndGetExitCodeProcess)
{
    struct Case {
        const WCHAR* commandLine;
        DWORD exitCode;
    };
    const Case cases[] = {
        {nullptr, 0}, // no arguments
        {u"exit 42", 42}, // WinMain's return
        {u"exitprocess 9", 9}, // ExitProcess leaves WinMain at once
        {u"terminate 11", 11}, // TerminateProcess(GetCurrentProcess())
        {u"args", 1}, // instance = GetModuleHandleW(NULL), no previous, SW_SHOW
        {u"count", 101}, // fresh globals...
        {u"count", 101}, // ...in every process
    };
    for (const auto& c : cases) {
        std::u16string text = c.commandLine ? c.commandLine : u"(null)";
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_EQ(runProgram(testProgramPath, c.commandLine), c.exitCode);
    }
}

TEST_F(ProcessTest, EachProcessHasItsOwnCopyOfTheImage)
{
    // The host context's copy of the program counts on its own.
    HMODULE hostCopy = LoadLibraryW(testProgramPath);
    ASSERT_NE(hostCopy, nullptr);
    auto bump = procAddress<int (*)()>(hostCopy, u"Bump");
    ASSERT_NE(bump, nullptr);
    bump();
    bump();
    EXPECT_EQ(bump(), 303);
    EXPECT_EQ(runProgram(testProgramPath, u"count"), 101u);
    EXPECT_EQ(bump(), 404);
    EXPECT_TRUE(FreeLibrary(hostCopy));
}

TEST_F(ProcessTest, ProgramKnowsItsIdAndFileName)
{
    std::u16string commandLine = u"report \\report.bin";
    PROCESS_INFORMATION started {};
    ASSERT_TRUE(CreateProcessW(
        testProgramPath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started));
    EXPECT_NE(started.dwProcessId, 0u);
    EXPECT_NE(started.hThread, nullptr);
    ASSERT_EQ(WaitForSingleObject(started.hProcess, INFINITE), WAIT_OBJECT_0);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);

    std::ifstream report(device.hostPath(u"\\report.bin"), std::ios::binary);
    std::vector<char> bytes {std::istreambuf_iterator<char>(report), {}};
    ASSERT_GE(bytes.size(), sizeof(DWORD));
    DWORD id = 0;
    std::memcpy(&id, bytes.data(), sizeof id);
    std::u16string name((bytes.size() - sizeof id) / 2, u'\0');
    std::memcpy(name.data(), bytes.data() + sizeof id, name.size() * 2);
    EXPECT_EQ(id, started.dwProcessId);
    EXPECT_EQ(name, testProgramPath);
}

TEST_F(ProcessTest, NameAloneIsAProgramInWindows)
{
    installTestImages(device, u"\\Windows\\TestProgram.exe", u"");
    for (const WCHAR* name : {u"TestProgram.exe", u"testprogram", u"Windows\\TestProgram.exe"}) {
        std::u16string text = name;
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_EQ(runProgram(name, u"exit 3"), 3u);
    }
}

TEST_F(ProcessTest, WhatIsNoProgramFailsWithItsError)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Windows", nullptr));
    std::ofstream(device.hostPath(u"\\Program Files\\Test\\Notes.exe")) << "plain text, no image";
    installTestImages(device, u"", u"\\Program Files\\Test\\NoWinMain.exe");
    struct Case {
        const WCHAR* path;
        DWORD error;
    };
    const Case cases[] = {
        {u"\\Program Files\\Test\\Notes.exe", ERROR_BAD_EXE_FORMAT},
        {u"\\Program Files\\Test\\NoWinMain.exe", ERROR_BAD_EXE_FORMAT},
        {u"\\Program Files\\Test\\Missing.exe", ERROR_FILE_NOT_FOUND},
        {u"\\No Folder\\TestProgram.exe", ERROR_PATH_NOT_FOUND},
        {u"Missing.exe", ERROR_FILE_NOT_FOUND},
        {u"", ERROR_INVALID_PARAMETER},
        {nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        std::u16string text = c.path ? c.path : u"(null)";
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        PROCESS_INFORMATION started {};
        SetLastError(0);
        EXPECT_FALSE(CreateProcessW(c.path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(started.hProcess, nullptr);
    }
}

TEST_F(ProcessTest, ASuspendedProcessStartsAtResumeThread)
{
    std::u16string commandLine = u"exit 8";
    PROCESS_INFORMATION started {};
    ASSERT_TRUE(CreateProcessW(testProgramPath, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
        nullptr, nullptr, &started));
    EXPECT_EQ(WaitForSingleObject(started.hProcess, 1000), WAIT_TIMEOUT);
    EXPECT_EQ(ResumeThread(started.hThread), 1u);
    EXPECT_EQ(WaitForSingleObject(started.hProcess, INFINITE), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(started.hProcess, &exitCode));
    EXPECT_EQ(exitCode, 8u);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

TEST_F(ProcessTest, HandlesOfAProcessCloseWhenItEnds)
{
    EXPECT_EQ(runProgram(testProgramPath, u"hold \\held.txt"), 1u);
    // The program's handle was opened without sharing; only its closing allows the delete.
    EXPECT_TRUE(DeleteFileW(u"\\held.txt"));
}

// A running process blocked in a wait: "wait" sets the event `ready` and never returns.
struct BlockedProcess {
    PROCESS_INFORMATION started {};

    explicit BlockedProcess(const std::u16string& ready = u"ProcessTestReady")
    {
        HANDLE readyEvent = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
        std::u16string commandLine = u"wait " + ready + u" ProcessTestNever";
        EXPECT_TRUE(CreateProcessW(
            testProgramPath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started));
        EXPECT_EQ(WaitForSingleObject(readyEvent, INFINITE), WAIT_OBJECT_0);
        CloseHandle(readyEvent);
    }
    ~BlockedProcess()
    {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
};

TEST_F(ProcessTest, TerminateProcessEndsAProcessBlockedInAWait)
{
    BlockedProcess blocked;
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(blocked.started.hProcess, &exitCode));
    EXPECT_EQ(exitCode, STILL_ACTIVE);
    EXPECT_EQ(WaitForSingleObject(blocked.started.hProcess, 0), WAIT_TIMEOUT);

    HANDLE opened = OpenProcess(PROCESS_ALL_ACCESS, FALSE, blocked.started.dwProcessId);
    ASSERT_NE(opened, nullptr);
    // As on the device, the id serves as a handle too.
    HANDLE byId = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(blocked.started.dwProcessId));
    EXPECT_TRUE(GetExitCodeProcess(byId, &exitCode));
    EXPECT_EQ(exitCode, STILL_ACTIVE);
    EXPECT_TRUE(TerminateProcess(byId, 77));
    EXPECT_EQ(WaitForSingleObject(blocked.started.hProcess, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(opened, &exitCode));
    EXPECT_EQ(exitCode, 77u);
    EXPECT_TRUE(GetExitCodeThread(blocked.started.hThread, &exitCode));
    EXPECT_EQ(exitCode, 77u);

    // Ended: its id names nothing, and it cannot be ended twice.
    SetLastError(0);
    EXPECT_EQ(OpenProcess(PROCESS_ALL_ACCESS, FALSE, blocked.started.dwProcessId), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(TerminateProcess(opened, 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(opened));
}

// Runs as the process PerformCallBack4 names: bumps the globals of that process's program.
DWORD bumpProgram(LPVOID, LPVOID, LPVOID, LPVOID)
{
    auto bump = procAddress<int (*)()>(GetModuleHandleW(nullptr), u"Bump");
    return bump ? bump() : 0;
}

TEST_F(ProcessTest, RunningCopiesOfAProgramKeepTheirOwnGlobals)
{
    BlockedProcess first(u"FirstReady");
    BlockedProcess second(u"SecondReady");
    CALLBACKINFO inFirst {first.started.hProcess, asFarProc(&bumpProgram), nullptr};
    CALLBACKINFO inSecond {second.started.hProcess, asFarProc(&bumpProgram), nullptr};
    EXPECT_EQ(PerformCallBack4(&inFirst, nullptr, nullptr, nullptr), 101u);
    EXPECT_EQ(PerformCallBack4(&inFirst, nullptr, nullptr, nullptr), 202u);
    EXPECT_EQ(PerformCallBack4(&inSecond, nullptr, nullptr, nullptr), 101u);
    EXPECT_TRUE(TerminateProcess(first.started.hProcess, 0));
    EXPECT_TRUE(TerminateProcess(second.started.hProcess, 0));
}

TEST_F(ProcessTest, ProcessCallsRejectBadHandles)
{
    DWORD exitCode = 0;
    SetLastError(0);
    EXPECT_FALSE(GetExitCodeProcess(reinterpret_cast<HANDLE>(0x7770), &exitCode));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(TerminateProcess(reinterpret_cast<HANDLE>(0x7770), 1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // A host thread belongs to no process.
    EXPECT_EQ(GetCurrentProcessId(), 0u);
    EXPECT_FALSE(GetExitCodeProcess(GetCurrentProcess(), &exitCode));
}

TEST_F(ProcessTest, ShutdownEndsRunningProcesses)
{
    DWORD id = 0;
    {
        BlockedProcess blocked;
        id = blocked.started.dwProcessId;
    }
    device.reboot();
    EXPECT_EQ(OpenProcess(PROCESS_ALL_ACCESS, FALSE, id), nullptr);
}

} // namespace
