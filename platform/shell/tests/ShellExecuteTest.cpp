// ShellExecuteExW: programs, documents by their type, shortcuts and folders, and the failures,
// with a program image that logs where it was started from and its command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "shellapi.h"
#include "tlhelp32.h"
#include "windows.h"

namespace {

struct Outcome {
    BOOL ok = FALSE;
    DWORD error = 0;
    INT_PTR instApp = 0;
    std::u16string log;  // "program|command line" of what started
};

struct Request {
    LPCWSTR file;
    LPCWSTR parameters = nullptr;
    LPCWSTR directory = nullptr;
    LPCWSTR verb = nullptr;
};

class ShellExecute : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char16_t* path : {u"\\Windows\\echo.exe", u"\\Program Files\\My Tool\\echo tool.exe",
                                     u"\\Windows\\fexplore.exe"}) {
            const std::filesystem::path target = device.hostPath(path);
            std::filesystem::create_directories(target.parent_path());
            std::filesystem::copy_file(SHELL_ECHO_PROGRAM_IMAGE, target);
        }
        std::filesystem::create_directories(device.hostPath(u"\\My Documents"));
        for (const char16_t* document : {u"\\My Documents\\a.kvt", u"\\My Documents\\b c.kvq",
                                         u"\\My Documents\\d e.kvn", u"\\My Documents\\f.kvx", u"\\My Documents\\g.zzz"})
            std::ofstream(device.hostPath(document)) << "document";
        registerType(u".kvt", u"kvtfile", u"echo.exe -open %1");
        registerType(u".kvq", u"kvqfile", u"\"\\Program Files\\My Tool\\echo tool.exe\" \"%1\"");
        registerType(u".kvn", u"kvnfile", u"echo -n");
        registerType(u".kvx", u"kvxfile", u"");
    }

    // .ext -> class -> class\Shell\Open\Command; no command when `command` is empty.
    static void registerType(const std::u16string& extension, const std::u16string& className,
                             const std::u16string& command)
    {
        setDefault(extension, className);
        if (!command.empty())
            setDefault(className + u"\\Shell\\Open\\Command", command);
    }

    static void setDefault(const std::u16string& key, const std::u16string& text)
    {
        HKEY opened = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &opened, &disposition));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(opened, u"", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                                static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR))));
        RegCloseKey(opened);
    }

    void writeShortcut(const std::u16string& path, const std::string& bytes)
    {
        std::ofstream(device.hostPath(path), std::ios::binary) << bytes;
    }

    std::u16string readLog()
    {
        std::ifstream file(device.hostPath(u"\\echo-log.txt"), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        std::u16string text;
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
        return text;
    }

    // Runs the request, waits for what it started to end and reads its log.
    Outcome run(const Request& request)
    {
        std::filesystem::remove(device.hostPath(u"\\echo-log.txt"));
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpFile = request.file;
        info.lpParameters = request.parameters;
        info.lpDirectory = request.directory;
        info.lpVerb = request.verb;
        info.nShow = 1;
        Outcome outcome;
        outcome.ok = ShellExecuteExW(&info);
        outcome.error = outcome.ok ? 0 : GetLastError();
        outcome.instApp = reinterpret_cast<INT_PTR>(info.hInstApp);
        if (outcome.ok != (info.hProcess != nullptr))
            ADD_FAILURE() << "a process handle exactly when it started";
        if (info.hProcess) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, INFINITE));
            CloseHandle(info.hProcess);
            outcome.log = readLog();
        }
        return outcome;
    }

    testing_support::TestDevice device;
};

TEST_F(ShellExecute, StartsWhatTheFileNames)
{
    writeShortcut(u"\\tool.lnk", "48#\"\\Program Files\\My Tool\\echo tool.exe\" -shortcut");
    writeShortcut(u"\\document.lnk", "21#\"\\My Documents\\a.kvt\"");
    writeShortcut(u"\\again.lnk", "12#\\tool.lnk -x");
    const std::u16string tool = u"\\Program Files\\My Tool\\echo tool.exe";
    const struct {
        const char* name;
        Request request;
        std::u16string log;
    } cases[] = {
        {"program with parameters", {u"\\Windows\\echo.exe", u"-a \"b c\""}, u"\\Windows\\echo.exe|-a \"b c\""},
        {"program without parameters", {u"\\Windows\\echo.exe"}, u"\\Windows\\echo.exe|"},
        {"name found in \\Windows", {u"echo.exe", u"-x"}, u"\\Windows\\echo.exe|-x"},
        {"name without extension", {u"echo"}, u"\\Windows\\echo.exe|"},
        {"quoted path with spaces", {u"\"\\Program Files\\My Tool\\echo tool.exe\"", u"-q"}, tool + u"|-q"},
        {"name in the given folder", {u"echo tool.exe", u"-d", u"\\Program Files\\My Tool\\"}, tool + u"|-d"},
        {"verb open in capitals", {u"\\Windows\\echo.exe", u"-v", nullptr, u"OPEN"}, u"\\Windows\\echo.exe|-v"},
        {"document, %1 as it is", {u"\\My Documents\\a.kvt"}, u"\\Windows\\echo.exe|-open \\My Documents\\a.kvt"},
        {"document, quoted %1", {u"\\My Documents\\b c.kvq"}, tool + u"|\"\\My Documents\\b c.kvq\""},
        {"document, command without %1", {u"\\My Documents\\d e.kvn"},
         u"\\Windows\\echo.exe|-n \"\\My Documents\\d e.kvn\""},
        {"document in the given folder", {u"a.kvt", nullptr, u"\\My Documents"},
         u"\\Windows\\echo.exe|-open \\My Documents\\a.kvt"},
        {"shortcut to a program", {u"\\tool.lnk"}, tool + u"|-shortcut"},
        {"shortcut and parameters", {u"\\tool.lnk", u"more"}, tool + u"|-shortcut more"},
        {"shortcut to a document", {u"\\document.lnk"}, u"\\Windows\\echo.exe|-open \\My Documents\\a.kvt"},
        {"shortcut to a shortcut", {u"\\again.lnk"}, tool + u"|-shortcut -x"},
        {"folder", {u"\\My Documents"}, u"\\Windows\\fexplore.exe|\"\\My Documents\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = run(c.request);
        ASSERT_TRUE(outcome.ok) << outcome.error;
        EXPECT_GT(outcome.instApp, 32);
        EXPECT_EQ(emulator::toUtf8(c.log), emulator::toUtf8(outcome.log));
    }
}

TEST_F(ShellExecute, FailuresTellWhy)
{
    writeShortcut(u"\\broken.lnk", "not a shortcut");
    writeShortcut(u"\\loop.lnk", "9#\\loop.lnk");
    writeShortcut(u"\\gone.lnk", "17#\\Windows\\gone.exe");
    const struct {
        const char* name;
        Request request;
        DWORD error;
        INT_PTR instApp;
    } cases[] = {
        {"missing program", {u"\\Windows\\gone.exe"}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
        {"missing name", {u"gone"}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
        {"missing document", {u"\\My Documents\\gone.kvt"}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
        {"empty file name", {u""}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
        {"no file name", {nullptr}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
        {"type without class", {u"\\My Documents\\g.zzz"}, ERROR_NO_ASSOCIATION, SE_ERR_NOASSOC},
        {"class without command", {u"\\My Documents\\f.kvx"}, ERROR_NO_ASSOCIATION, SE_ERR_NOASSOC},
        {"verb the type lacks", {u"\\My Documents\\a.kvt", nullptr, nullptr, u"print"}, ERROR_NO_ASSOCIATION,
         SE_ERR_NOASSOC},
        {"shortcut without a command", {u"\\broken.lnk"}, ERROR_BAD_FORMAT, ERROR_BAD_FORMAT},
        {"shortcut to itself", {u"\\loop.lnk"}, ERROR_BAD_FORMAT, ERROR_BAD_FORMAT},
        {"shortcut to a missing program", {u"\\gone.lnk"}, ERROR_FILE_NOT_FOUND, SE_ERR_FNF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = run(c.request);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(c.error, outcome.error);
        EXPECT_EQ(c.instApp, outcome.instApp);
    }
}

TEST_F(ShellExecute, ProgramThatIsNoImage)
{
    std::ofstream(device.hostPath(u"\\Windows\\fake.exe")) << "not a program";
    const Outcome outcome = run({u"fake.exe"});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(static_cast<DWORD>(ERROR_BAD_EXE_FORMAT), outcome.error);
    EXPECT_EQ(ERROR_BAD_FORMAT, outcome.instApp);
}

TEST_F(ShellExecute, HandleOnlyWhenAsked)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.lpFile = u"\\Windows\\echo.exe";
    info.hProcess = INVALID_HANDLE_VALUE;
    ASSERT_TRUE(ShellExecuteExW(&info));
    EXPECT_EQ(nullptr, info.hProcess);

    info.cbSize = sizeof(info) - 1;
    EXPECT_FALSE(ShellExecuteExW(&info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_FALSE(ShellExecuteExW(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(ShellExecuteFreshImage, TextDocumentsOpenInTheWordProcessor)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections.push_back({"program.pword", {{"Threads", "1"}}});
    testing_support::TestDevice device(profile, testing_support::TestDevice::Kind::Full);
    std::ofstream(device.hostPath(u"\\My Documents\\notes.txt")) << "text";
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = u"\\My Documents\\notes.txt";
    ASSERT_TRUE(ShellExecuteExW(&info)) << GetLastError();
    ASSERT_NE(nullptr, info.hProcess);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), exitCode);

    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        found = found || std::u16string(entry.szExeFile) == u"pword.exe";
    CloseToolhelp32Snapshot(snapshot);
    EXPECT_TRUE(found);
    TerminateProcess(info.hProcess, 0);
    CloseHandle(info.hProcess);
}

}  // namespace
