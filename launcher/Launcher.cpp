// The launcher's rules: "-noop" ends at once, "-Tweaks" applies the reset-time tweaks, "-reset"
// passes the reset guard first, "-Q" switches the power on; then the main program is started with
// the launcher's own command line, with ten attempts a second apart (a card holding it may mount
// late after a reset).
#include <string>

#include "Launcher.h"

#include <string_view>

#include "pm.h"

namespace {

constexpr const char16_t* settingsKey = u"Software\\Quorvanta\\Kelvara";
constexpr int startAttempts = 10;
constexpr DWORD attemptPauseMs = 1000;
constexpr DWORD resetDelayMs = 8000;
constexpr DWORD cleaningPending = 2;

bool holds(std::u16string_view text, std::u16string_view word)
{
    return text.find(word) != std::u16string_view::npos;
}

// Whether a value of the settings key can be read (with a 4-byte buffer), and its number.
bool readSetting(const char16_t* name, DWORD& number)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition)
        != ERROR_SUCCESS)
        return false;
    DWORD size = sizeof number;
    const bool read = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size)
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return read;
}

void setNumber(HKEY root, const char16_t* path, const char16_t* name, DWORD number)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegFlushKey(key);
    RegCloseKey(key);
}

void applyTweaks()
{
    DWORD number = 0;
    if (readSetting(u"DisableMessaging", number))
        setNumber(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\\"Messaging\"", u"Enabled", 0);
    if (readSetting(u"PIECache", number))
        setNumber(HKEY_CURRENT_USER, u"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\5.0\\Cache\\Content",
            u"CacheLimit", number);
    if (readSetting(u"CleanHistory", number)) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Microsoft\\Shell\\TaskSwitch", 0, KEY_ALL_ACCESS, &key)
            == ERROR_SUCCESS) {
            for (const char16_t* name : {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11"})
                RegDeleteValueW(key, name);
            RegFlushKey(key);
            RegCloseKey(key);
        }
    }
}

// The reset guard: false when the previous reset-time cleaning never finished (the marker is
// then removed and Kelvara is not started this time).
bool passResetGuard()
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition)
        != ERROR_SUCCESS)
        return true;
    DWORD active = 0;
    DWORD size = sizeof active;
    if (RegQueryValueExW(key, u"CleaningActive", nullptr, nullptr, reinterpret_cast<BYTE*>(&active), &size)
            == ERROR_SUCCESS
        && active == cleaningPending) {
        RegDeleteValueW(key, u"CleaningActive");
        RegFlushKey(key);
        RegCloseKey(key);
        return false;
    }
    RegSetValueExW(key, u"CleaningActive", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&cleaningPending),
        sizeof cleaningPending);
    RegCloseKey(key);
    Sleep(resetDelayMs);
    return true;
}

// The launcher's file name in lower case, cut before "launcher.exe"; empty when it has none.
std::u16string baseName()
{
    WCHAR path[MAX_PATH + 1] {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string name(path);
    name = name.substr(name.find_last_of(u'\\') + 1);
    for (char16_t& c : name) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    const size_t cut = name.find(u"launcher.exe");
    return cut == std::u16string::npos ? std::u16string {} : name.substr(0, cut);
}

// The main program's path from the installer's entry; empty while the entry is missing. The key
// is named without a leading "\": the registry refuses a subkey path that begins with one.
std::u16string programPath(const std::u16string& base)
{
    const std::u16string keyPath = u"SOFTWARE\\Apps\\Quorvanta " + base;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, 0, &key) != ERROR_SUCCESS)
        return {};
    char16_t folder[256] {};
    bool read = false;
    for (const char16_t* name : {u"InstallDir", u"InstlDir"}) {
        DWORD size = 510;
        if (!read)
            read = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return read ? std::u16string(folder) + u"\\" + base + u".exe" : std::u16string {};
}

bool startProgram(const std::u16string& path, LPCWSTR commandLine)
{
    WIN32_FIND_DATAW found {};
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    std::u16string arguments(commandLine);
    PROCESS_INFORMATION started {};
    if (!CreateProcessW(path.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

} // namespace

int runLauncher(LPCWSTR commandLine)
{
    if (!commandLine)
        return 0;
    const std::u16string_view text(commandLine);
    if (!text.empty() && holds(text, u"-noop"))
        return 0;
    if (holds(text, u"-Tweaks")) {
        applyTweaks();
        return 0;
    }
    if (holds(text, u"-reset")) {
        if (!passResetGuard())
            return 0;
    } else if (holds(text, u"-Q")) {
        SetSystemPowerState(nullptr, POWER_STATE_ON, 0);
    }
    const std::u16string base = baseName();
    if (base.empty())
        return 0;
    std::u16string path;
    for (int attempt = 0; attempt < startAttempts; ++attempt) {
        if (path.empty())
            path = programPath(base);
        if (!path.empty() && startProgram(path, commandLine))
            return 1;
        Sleep(attemptPauseMs);
    }
    const std::u16string message = u"Couldn't find \n " + base;
    MessageBoxW(nullptr, message.c_str(), u"Error", MB_ICONEXCLAMATION | MB_OK);
    return 0;
}
