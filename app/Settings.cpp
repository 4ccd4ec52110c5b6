// Loading and saving the settings in the registry, value by value in the order the stored format
// has always used. Failures are silent: what cannot be read keeps its value, what cannot be
// written is lost with that save.
#include <string>

#include "Settings.h"

#include <cstring>

#include "AppState.h"

namespace {

struct NumberValue {
    const char16_t* name;
    DWORD Settings::*field;
};

struct TextValue {
    const char16_t* name;
    std::u16string Settings::*field;
};

// Read in this order before the language is activated...
constexpr NumberValue firstNumbers[] = {
    {u"ShowProgress", &Settings::showProgress},
    {u"ShowReport", &Settings::showReport},
    {u"SecureDelete", &Settings::secureDelete},
    {u"DeadLinks", &Settings::deadLinks},
    {u"TmpFiles", &Settings::tmpFiles},
    {u"LogFiles", &Settings::logFiles},
    {u"BakFiles", &Settings::bakFiles},
    {u"CustomExt", &Settings::customExt},
    {u"SoftresetConfirm", &Settings::softresetConfirm},
    {u"AdvancedMode", &Settings::advancedMode},
    {u"CloseIE", &Settings::closeIE},
    {u"EnableLogging", &Settings::enableLogging},
    {u"LogHistory", &Settings::logHistory},
    {u"WarnDeleteDeny", &Settings::warnDeleteDeny},
    {u"PowerOff", &Settings::powerOff},
    {u"RememberView", &Settings::rememberView},
    {u"RememberTab", &Settings::rememberTab},
    {u"UseCustomExplorer", &Settings::useCustomExplorer},
    {u"ShowFilesIn", &Settings::showFilesIn},
    {u"Pie3D", &Settings::pie3D},
    {u"LastTab", &Settings::lastTab},
    {u"EnabledItems", &Settings::enabledItems},
    {u"CloseAppsOnReclaim", &Settings::closeAppsOnReclaim},
    {u"IncludeProfileThread", &Settings::includeProfileThread},
};
constexpr NumberValue lookNumbers[] = {
    {u"RRHibernate", &Settings::rrHibernate},
    {u"RRCloseAll", &Settings::rrCloseAll},
    {u"RRCompact", &Settings::rrCompact},
    {u"EnableAdvanced", &Settings::enableAdvanced},
    {u"ShowAdvModeSel", &Settings::showAdvModeSel},
    {u"SkinInfo", &Settings::skinInfo},
    {u"SkinColor", &Settings::skinColor},
    {u"ButtonColor", &Settings::buttonColor},
    {u"CtrlTextClr", &Settings::ctrlTextClr},
    {u"TitleColor", &Settings::titleColor},
};
constexpr NumberValue scheduleNumbers[] = {
    {u"ScheduleFreq", &Settings::scheduleFreq},
    {u"EnableSchedule", &Settings::enableSchedule},
    {u"ScheduleCleanItems", &Settings::scheduleCleanItems},
};
// ...and these after it.
constexpr NumberValue lastNumbers[] = {
    {u"SilentReclaim", &Settings::silentReclaim},
    {u"ExcludeCookies", &Settings::excludeCookies},
    {u"InstalledAppsSorting", &Settings::installedAppsSorting},
};
constexpr TextValue texts[] = {
    {u"CustomExtension", &Settings::customExtension},
    {u"CustomFolder1", &Settings::customFolder1},
    {u"CustomFolder2", &Settings::customFolder2},
    {u"CustomExplorer", &Settings::customExplorer},
    {u"Language", &Settings::language},
};

constexpr DWORD textBufferBytes = 512;
constexpr DWORD viewsBytes = 24;
constexpr DWORD scheduleTimeBytes = 16;

DWORD selection = 0;

// Reads a value into `data` of exactly `size` bytes' room; false when the read fails.
bool readBytes(HKEY key, const char16_t* name, void* data, DWORD size)
{
    DWORD got = size;
    return RegQueryValueExW(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &got) == ERROR_SUCCESS;
}

template <size_t N> void readNumbers(HKEY key, const NumberValue (&values)[N], Settings& s)
{
    for (const NumberValue& value : values) {
        DWORD number = 0;
        if (readBytes(key, value.name, &number, sizeof number))
            s.*value.field = number;
    }
}

void readTexts(HKEY key, Settings& s)
{
    for (const TextValue& value : texts) {
        // One more character than the buffer offers, so that even an unterminated text ends.
        char16_t buffer[textBufferBytes / sizeof(char16_t) + 1] {};
        if (readBytes(key, value.name, buffer, textBufferBytes))
            s.*value.field = buffer;
    }
}

void readCookies(HKEY key, Settings& s)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, u"CookiesList", nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0
        || type != REG_MULTI_SZ)
        return;
    std::u16string data(size / sizeof(char16_t) + 1, u'\0');
    if (!readBytes(key, u"CookiesList", data.data(), size))
        return;
    // Strings one after another, each ended; an empty one (or the end of the data) ends the list.
    for (size_t at = 0; at < size / sizeof(char16_t);) {
        const size_t end = data.find(u'\0', at);
        if (end == at || end == std::u16string::npos)
            break;
        s.cookiesList.push_back(data.substr(at, end - at));
        at = end + 1;
    }
}

void writeBytes(HKEY key, const char16_t* name, DWORD type, const void* data, DWORD size)
{
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

template <size_t N> void writeNumbers(HKEY key, const NumberValue (&values)[N], const Settings& s)
{
    for (const NumberValue& value : values)
        writeBytes(key, value.name, REG_DWORD, &(s.*value.field), sizeof(DWORD));
}

void writeCookies(HKEY key, const Settings& s)
{
    // An emptied list removes the stored one, so that it stays empty at the next start.
    if (s.cookiesList.empty()) {
        RegDeleteValueW(key, u"CookiesList");
        return;
    }
    std::u16string data;
    for (const std::u16string& cookie : s.cookiesList) {
        data += cookie;
        data += u'\0';
    }
    data += u'\0';
    writeBytes(key, u"CookiesList", REG_MULTI_SZ, data.data(), static_cast<DWORD>(data.size() * sizeof(char16_t)));
}

} // namespace

Settings& settings()
{
    static Settings record;
    return record;
}

DWORD cleaningSelection()
{
    return selection;
}

void loadSettings(bool interactive)
{
    Settings& s = settings();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, 0, &key) == ERROR_SUCCESS) {
        readNumbers(key, firstNumbers, s);
        readNumbers(key, lookNumbers, s);
        readTexts(key, s);
        activateUserLanguage(s.language);
        readNumbers(key, scheduleNumbers, s);
        readNumbers(key, lastNumbers, s);
        readCookies(key, s);
        if (!readBytes(key, u"ScheduleTime", &s.scheduleTime, scheduleTimeBytes))
            s.scheduleTime = SYSTEMTIME {};
        // Read over the current pages: a shorter value changes only the bytes it holds.
        readBytes(key, u"Views", s.views.data(), viewsBytes);
        RegCloseKey(key);
    }
    selection = interactive ? s.enabledItems : s.scheduleCleanItems;
}

void saveSettings()
{
    const Settings& s = settings();
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition)
        != ERROR_SUCCESS)
        return;
    writeNumbers(key, firstNumbers, s);
    for (const TextValue& value : texts) {
        const std::u16string& text = s.*value.field;
        writeBytes(key, value.name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
    }
    writeBytes(key, u"Views", REG_BINARY, s.views.data(), viewsBytes);
    writeNumbers(key, lookNumbers, s);
    writeNumbers(key, scheduleNumbers, s);
    writeBytes(key, u"ScheduleTime", REG_BINARY, &s.scheduleTime, scheduleTimeBytes);
    writeNumbers(key, lastNumbers, s);
    writeCookies(key, s);
    RegFlushKey(key);
    RegCloseKey(key);
}
