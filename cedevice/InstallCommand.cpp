// cedevice install: puts Kelvara on a device as its package installer would. The program, its
// high-resolution bitmaps (on high-resolution screens) and the language packs go into the install
// folder, the launcher and the help file into \Windows, and the installer's entry into the registry.
#include <filesystem>

#include "CommandSupport.h"
#include "Commands.h"
#include "DeviceFileTransfer.h"

namespace cedevice {
namespace {

// The product files built with this tool (their host paths come from the build).
constexpr const char* languagePacks[] = {KELVARA_LANGUAGE_PACK_FILES};

// Whether the device's screen is one of the high-resolution sizes: any but 240 or 320 pixels on
// a side, as the program itself decides.
bool highResolutionScreen()
{
    HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES);
    const int height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    return !(width == 240 || height == 240 || (width == 320 && height == 320));
}

void copyIn(const std::string& hostFile, const std::u16string& folder, std::ostream& out)
{
    const std::u16string target = folder + u"\\" + deviceText(std::filesystem::path(hostFile).filename().string());
    writeDeviceFile(target, readHostFile(hostFile));
    out << "  " << hostText(target) << '\n';
}

void writeInstallerEntry(const std::u16string& folder)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Quorvanta Kelvara", 0, nullptr, 0, 0, nullptr,
        &key, &disposition);
    if (result != ERROR_SUCCESS)
        failCall("HKLM\\SOFTWARE\\Apps\\Quorvanta Kelvara", static_cast<DWORD>(result));
    const DWORD installed = 1;
    result = RegSetValueExW(key, u"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
        static_cast<DWORD>((folder.size() + 1) * sizeof(char16_t)));
    if (result == ERROR_SUCCESS)
        result = RegSetValueExW(key, u"Instl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&installed), sizeof installed);
    RegFlushKey(key);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        failCall("HKLM\\SOFTWARE\\Apps\\Quorvanta Kelvara", static_cast<DWORD>(result));
}

}  // namespace

void runInstall(const CommandLine& line, std::ostream& out)
{
    const std::string* dirOption = line.option("--dir");
    const std::u16string folder = devicePath(dirOption ? *dirOption : "\\Program Files\\Kelvara");
    DeviceSession session(line.positional[0]);
    makeDeviceFolders(folder);
    out << "Installed:\n";
    copyIn(KELVARA_PROGRAM_FILE, folder, out);
    if (highResolutionScreen())
        copyIn(KELVARA_VGA_RESOURCES_FILE, folder, out);
    for (const char* pack : languagePacks)
        copyIn(pack, folder, out);
    copyIn(KELVARA_LAUNCHER_FILE, u"\\Windows", out);
    copyIn(KELVARA_HELP_FILE, u"\\Windows", out);
    writeInstallerEntry(folder);
    out << "  HKLM\\SOFTWARE\\Apps\\Quorvanta Kelvara: InstallDir = " << hostText(folder) << ", Instl = 1\n";
}

}  // namespace cedevice
