// SHGetFileInfo: a file's display name, type name (from HKEY_CLASSES_ROOT), shell attributes and
// its icon in the system image list. The image list holds one small and one large icon per file
// type, in the order the types are first asked for: unknown files and folders first, then one
// per extension, and one per program file (each .exe carries its own icon). It starts afresh
// at every boot; until then an icon's index and handles stay the same.
#include <map>
#include <mutex>
#include <string>

#include "kernel/DeviceParts.h"
#include "shellapi.h"
#include "text/CaseTable.h"
#include "winbase.h"
#include "winerror.h"
#include "winreg.h"

namespace ce {
namespace {

// Opaque handles of the two system image lists and the base of the icon handles.
constexpr ULONG_PTR smallImageList = 0x00C1F000;
constexpr ULONG_PTR largeImageList = 0x00C1E000;
constexpr ULONG_PTR firstIconHandle = 0x00C20000;

constexpr char16_t unknownFileKey[] = u"<file>";
constexpr char16_t folderKey[] = u"<folder>";

class SystemImageList {
public:
    static SystemImageList& instance()
    {
        static SystemImageList list;
        return list;
    }
    void reset()
    {
        std::lock_guard guard(m_lock);
        m_indexes.clear();
        indexOfLocked(unknownFileKey);
        indexOfLocked(folderKey);
    }
    int indexOf(const std::u16string& key)
    {
        std::lock_guard guard(m_lock);
        return indexOfLocked(key);
    }

private:
    int indexOfLocked(const std::u16string& key)
    {
        return m_indexes.try_emplace(key, static_cast<int>(m_indexes.size())).first->second;
    }
    std::mutex m_lock;
    std::map<std::u16string, int> m_indexes;
};

bool startImageList(Device&, std::string&)
{
    SystemImageList::instance().reset();
    return true;
}

void stopImageList()
{
    SystemImageList::instance().reset();
}

const DevicePartRegistration registration {{"system image list", 132, startImageList, stopImageList}};

std::u16string upper(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t& c : result)
        c = toUpperDevice(c);
    return result;
}

std::u16string_view fileNameOf(std::u16string_view path)
{
    while (path.size() > 1 && path.back() == u'\\')
        path.remove_suffix(1);
    const size_t slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

// ".ext" of a file name, or empty.
std::u16string_view extensionOf(std::u16string_view name)
{
    const size_t dot = name.rfind(u'.');
    return dot == std::u16string_view::npos || dot + 1 == name.size() ? std::u16string_view() : name.substr(dot);
}

// The text default value of HKEY_CLASSES_ROOT\key, or empty.
std::u16string classesRootDefault(const std::u16string& key)
{
    HKEY opened = nullptr;
    if (key.empty() || RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return {};
    WCHAR text[MAX_PATH] = {};
    DWORD type = 0;
    DWORD size = sizeof text - sizeof(WCHAR);
    const LONG read = RegQueryValueExW(opened, u"", nullptr, &type, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(opened);
    return read == ERROR_SUCCESS && type == REG_SZ ? std::u16string(text) : std::u16string();
}

std::u16string typeNameOf(std::u16string_view name, bool folder)
{
    if (folder)
        return u"Folder";
    const std::u16string_view extension = extensionOf(name);
    if (extension.empty())
        return u"File";
    const std::u16string friendly = classesRootDefault(classesRootDefault(std::u16string(extension)));
    if (!friendly.empty())
        return friendly;
    if (sameNameDevice(extension, u".exe"))
        return u"Application";
    return upper(extension.substr(1)) + u" File";
}

int iconIndexOf(std::u16string_view path, std::u16string_view name, bool folder)
{
    const std::u16string_view extension = extensionOf(name);
    if (folder)
        return SystemImageList::instance().indexOf(folderKey);
    if (extension.empty())
        return SystemImageList::instance().indexOf(unknownFileKey);
    return SystemImageList::instance().indexOf(upper(sameNameDevice(extension, u".exe") ? path : extension));
}

DWORD shellAttributesOf(std::u16string_view name, DWORD attributes)
{
    DWORD shell = SFGAO_FILESYSTEM | SFGAO_CANCOPY;
    if (!(attributes & FILE_ATTRIBUTE_INROM))
        shell |= SFGAO_CANMOVE | SFGAO_CANRENAME | SFGAO_CANDELETE;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        shell |= SFGAO_FOLDER;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        shell |= SFGAO_READONLY;
    if (attributes & FILE_ATTRIBUTE_HIDDEN)
        shell |= SFGAO_HIDDEN;
    if (sameNameDevice(extensionOf(name), u".lnk"))
        shell |= SFGAO_LINK;
    return shell;
}

template <size_t N> void copyText(WCHAR (&buffer)[N], std::u16string_view text)
{
    const size_t length = std::min(text.size(), N - 1);
    text.copy(buffer, length);
    buffer[length] = 0;
}

constexpr UINT outputFlags = SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_ATTRIBUTES | SHGFI_SYSICONINDEX;

} // namespace
} // namespace ce

DWORD_PTR SHGetFileInfo(LPCWSTR pszPath, DWORD dwFileAttributes, SHFILEINFO* psfi, UINT cbFileInfo, UINT uFlags)
{
    const bool needsInfo = uFlags & (ce::outputFlags & ~SHGFI_SYSICONINDEX);
    if (!pszPath || !*pszPath || (uFlags & SHGFI_PIDL) || (needsInfo && (!psfi || cbFileInfo < sizeof(SHFILEINFO)))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    DWORD attributes = dwFileAttributes;
    if (!(uFlags & SHGFI_USEFILEATTRIBUTES) && (attributes = GetFileAttributesW(pszPath)) == INVALID_FILE_ATTRIBUTES)
        return 0;
    const std::u16string_view path(pszPath);
    const std::u16string_view name = ce::fileNameOf(path);
    const bool folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    const int icon = ce::iconIndexOf(path, name, folder);
    const bool small = uFlags & SHGFI_SMALLICON;
    if (psfi && (uFlags & (SHGFI_ICON | SHGFI_SYSICONINDEX)))
        psfi->iIcon = icon;
    if (uFlags & SHGFI_ICON)
        psfi->hIcon = reinterpret_cast<HICON>(ce::firstIconHandle + 8 * static_cast<ULONG_PTR>(icon) + (small ? 4 : 0));
    if (uFlags & SHGFI_DISPLAYNAME)
        ce::copyText(psfi->szDisplayName, name);
    if (uFlags & SHGFI_TYPENAME)
        ce::copyText(psfi->szTypeName, ce::typeNameOf(name, folder));
    if (uFlags & SHGFI_ATTRIBUTES)
        psfi->dwAttributes = ce::shellAttributesOf(name, attributes);
    if (uFlags & SHGFI_SYSICONINDEX)
        return small ? ce::smallImageList : ce::largeImageList;
    return 1;
}
