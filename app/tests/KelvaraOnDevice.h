// A test device with Kelvara installed in "\Program Files\Kelvara", and what tests of the whole
// program need: starting it and other programs, waiting for their end in device time, reading
// and writing its settings in the registry.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Settings.h"
#include "TestDevice.h"
#include "emulator/Automation.h"
#include "windows.h"

namespace kelvara_testing {

inline constexpr const char16_t* programPath = u"\\Program Files\\Kelvara\\Kelvara.exe";
inline constexpr const char16_t* installFolder = u"\\Program Files\\Kelvara\\";
inline constexpr const char* languagePackImages[] = {LANGUAGE_PACK_IMAGES};

inline emulator::Profile profileOfSize(int width, int height)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.screenWidth = width;
    profile.screenHeight = height;
    return profile;
}

class KelvaraOnDevice : public ::testing::Test {
protected:
    explicit KelvaraOnDevice(const emulator::Profile& profile = testing_support::smallProfile()) : dev(profile)
    {
        dev.place(KELVARA_IMAGE, programPath);
    }
    ~KelvaraOnDevice() override
    {
        for (const auto& [id, process] : started) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }

    testing_support::TestDevice dev;
    std::vector<std::pair<DWORD, HANDLE>> started; // process ids and handles

    bool exists(const std::u16string& devicePath) const { return std::filesystem::exists(dev.hostPath(devicePath)); }
    void installPacks()
    {
        for (const char* image : languagePackImages)
            dev.place(image, installFolder + std::filesystem::path(image).filename().u16string());
    }

    // Starts a program; its process id (0 when it did not start). The test ends it if it still runs.
    DWORD start(const char16_t* path, const char16_t* commandLine)
    {
        std::u16string arguments = commandLine;
        PROCESS_INFORMATION info {};
        if (!CreateProcessW(path, arguments.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info))
            return 0;
        CloseHandle(info.hThread);
        started.emplace_back(info.dwProcessId, info.hProcess);
        return info.dwProcessId;
    }
    DWORD startKelvara(const char16_t* commandLine) { return start(programPath, commandLine); }
    // A stand-in instance holding a window of class and title `name` ("+name": visible).
    DWORD startHolder(const char16_t* name)
    {
        dev.place(MARKER_HOLDER_IMAGE, u"\\Windows\\MarkerHolder.exe");
        const DWORD id = start(u"\\Windows\\MarkerHolder.exe", name);
        emulator::Automation(id).settle();
        return id;
    }

    // Lets the device run until the process has ended or keeps waiting for input: its exit code
    // once it has ended, else nothing (a window or message box is holding it). Idle is asked a
    // few times over: a thread just starting may look idle for a moment.
    std::optional<DWORD> exitCodeOf(DWORD processId)
    {
        emulator::Automation automation(processId);
        for (int attempt = 0; attempt < 20 && !automation.ended(); ++attempt)
            automation.settle();
        if (!automation.ended())
            return std::nullopt;
        HANDLE process = handleOf(processId);
        DWORD code = 0;
        if (!process || WaitForSingleObject(process, INFINITE) != WAIT_OBJECT_0 || !GetExitCodeProcess(process, &code))
            return std::nullopt;
        return code;
    }
    HANDLE handleOf(DWORD processId) const
    {
        for (const auto& [id, process] : started) {
            if (id == processId)
                return process;
        }
        return nullptr;
    }
    bool running(DWORD processId) const
    {
        HANDLE process = handleOf(processId);
        return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    }

    static void setNumber(const char16_t* name, DWORD value)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition);
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    // A settings value's bytes, or nothing when it is missing.
    static std::optional<std::vector<BYTE>> value(const char16_t* name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, 0, &key) != ERROR_SUCCESS)
            return std::nullopt;
        std::vector<BYTE> data(512);
        DWORD size = static_cast<DWORD>(data.size());
        const LONG result = RegQueryValueExW(key, name, nullptr, nullptr, data.data(), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS)
            return std::nullopt;
        data.resize(size);
        return data;
    }
    static std::optional<DWORD> number(const char16_t* name)
    {
        const auto data = value(name);
        if (!data || data->size() != sizeof(DWORD))
            return std::nullopt;
        DWORD result;
        std::memcpy(&result, data->data(), sizeof result);
        return result;
    }
    static std::u16string text(const char16_t* name)
    {
        const auto data = value(name);
        if (!data)
            return u"<missing>";
        std::u16string result(data->size() / 2, u'\0');
        std::memcpy(result.data(), data->data(), result.size() * 2);
        while (!result.empty() && result.back() == u'\0')
            result.pop_back();
        return result;
    }
};

} // namespace kelvara_testing
