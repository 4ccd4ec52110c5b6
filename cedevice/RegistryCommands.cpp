// cedevice reg get, set, del, list and deny: the device registry through the SDK calls.
#include <vector>

#include "CommandSupport.h"
#include "Commands.h"
#include "RegistryKeyPath.h"
#include "RegistryValueText.h"
#include "emulator/Device.h"

namespace cedevice {
namespace {

constexpr DWORD maxNameChars = 16384;
constexpr const char* defaultValueName = "(default)";

// A key open for one command; a root key is used as it is and never closed.
class KeyHandle {
public:
    KeyHandle(HKEY key, bool owned)
        : m_key(key)
        , m_owned(owned)
    {
    }
    ~KeyHandle()
    {
        if (m_owned)
            RegCloseKey(m_key);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key;
    bool m_owned;
};

struct Value {
    std::u16string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

HKEY openSubKey(HKEY parent, const std::u16string& subKey, const std::string& display)
{
    HKEY key = nullptr;
    if (const LONG result = RegOpenKeyExW(parent, subKey.c_str(), 0, 0, &key); result != ERROR_SUCCESS)
        failCall(display, static_cast<DWORD>(result));
    return key;
}

HKEY openKey(const KeyPath& path)
{
    return path.subKey.empty() ? path.root : openSubKey(path.root, path.subKey, path.display);
}

HKEY createKey(const KeyPath& path)
{
    if (path.subKey.empty())
        return path.root;
    HKEY key = nullptr;
    DWORD disposition = 0;
    const LONG result = RegCreateKeyExW(path.root, path.subKey.c_str(), 0, nullptr, 0, 0, nullptr, &key, &disposition);
    if (result != ERROR_SUCCESS)
        failCall(path.display, static_cast<DWORD>(result));
    return key;
}

std::string valueSubject(const KeyPath& path, const std::u16string& name)
{
    return path.display + (name.empty() ? " default value" : " value \"" + hostText(name) + "\"");
}

std::string shownName(const std::u16string& name)
{
    return name.empty() ? defaultValueName : hostText(name);
}

void flush(HKEY key, const std::string& display)
{
    if (const LONG result = RegFlushKey(key); result != ERROR_SUCCESS)
        failCall(display, static_cast<DWORD>(result));
}

// Reads one value, growing the buffer while the registry asks for more.
LONG queryValue(HKEY key, Value& value)
{
    value.data.resize(256);
    for (;;) {
        DWORD size = static_cast<DWORD>(value.data.size());
        const LONG result = RegQueryValueExW(key, value.name.c_str(), nullptr, &value.type, value.data.data(), &size);
        if (result == ERROR_MORE_DATA && size > value.data.size()) {
            value.data.resize(size);
            continue;
        }
        value.data.resize(result == ERROR_SUCCESS ? size : 0);
        return result;
    }
}

// The index-th value of a key; false after the last one.
bool enumValue(HKEY key, DWORD index, Value& value, const std::string& display)
{
    std::vector<WCHAR> name(maxNameChars);
    value.data.resize(256);
    for (;;) {
        DWORD nameChars = maxNameChars;
        DWORD size = static_cast<DWORD>(value.data.size());
        const LONG result =
            RegEnumValueW(key, index, name.data(), &nameChars, nullptr, &value.type, value.data.data(), &size);
        if (result == ERROR_MORE_DATA && size > value.data.size()) {
            value.data.resize(size);
            continue;
        }
        if (result == ERROR_NO_MORE_ITEMS)
            return false;
        if (result != ERROR_SUCCESS)
            failCall(display, static_cast<DWORD>(result));
        value.name.assign(name.data(), nameChars);
        value.data.resize(size);
        return true;
    }
}

std::vector<std::u16string> subKeyNames(HKEY key, const std::string& display)
{
    std::vector<std::u16string> names;
    std::vector<WCHAR> name(maxNameChars);
    for (DWORD index = 0;; ++index) {
        DWORD chars = maxNameChars;
        const LONG result = RegEnumKeyExW(key, index, name.data(), &chars, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            return names;
        if (result != ERROR_SUCCESS)
            failCall(display, static_cast<DWORD>(result));
        names.emplace_back(name.data(), chars);
    }
}

void listValues(HKEY key, const std::string& display, std::string_view indent, std::ostream& out)
{
    Value value;
    for (DWORD index = 0; enumValue(key, index, value, display); ++index) {
        const std::string data = formatValueData(value.type, value.data, "|");
        out << indent << shownName(value.name) << " = " << valueTypeName(value.type) << (data.empty() ? "" : " ")
            << data << '\n';
    }
}

void listTree(HKEY key, const std::string& display, std::ostream& out)
{
    out << display << '\n';
    listValues(key, display, "  ", out);
    for (const auto& name : subKeyNames(key, display)) {
        const std::string childDisplay = display + "\\" + hostText(name);
        KeyHandle child(openSubKey(key, name, childDisplay), true);
        listTree(child.get(), childDisplay, out);
    }
}

std::u16string valueNameArgument(const CommandLine& line, size_t index)
{
    return line.positional.size() > index ? deviceText(line.positional[index]) : std::u16string();
}

}  // namespace

void runRegGet(const CommandLine& line, std::ostream& out)
{
    const KeyPath path = parseKeyPath(line.positional[1]);
    Value value;
    value.name = valueNameArgument(line, 2);
    DeviceSession session(line.positional[0]);
    KeyHandle key(openKey(path), !path.subKey.empty());
    if (const LONG result = queryValue(key.get(), value); result != ERROR_SUCCESS)
        failCall(valueSubject(path, value.name), static_cast<DWORD>(result));
    if (value.type == REG_MULTI_SZ) {
        // One line per string.
        const std::string strings = formatValueData(value.type, value.data, "\n");
        out << valueTypeName(value.type) << '\n' << strings << (strings.empty() ? "" : "\n");
        return;
    }
    const std::string data = formatValueData(value.type, value.data, "|");
    out << valueTypeName(value.type) << (data.empty() ? "" : " ") << data << '\n';
}

void runRegSet(const CommandLine& line, std::ostream&)
{
    const KeyPath path = parseKeyPath(line.positional[1]);
    const std::u16string name = deviceText(line.positional[2]);
    DWORD type = 0;
    if (!parseValueType(line.positional[3], type))
        throw CommandError("\"" + line.positional[3]
                           + "\": bad type (use sz, expand_sz, multi_sz, dword, binary, none or a number)");
    const std::vector<BYTE> data = encodeValueData(type, line.positional[4]);
    DeviceSession session(line.positional[0]);
    KeyHandle key(createKey(path), !path.subKey.empty());
    const LONG result =
        RegSetValueExW(key.get(), name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    if (result != ERROR_SUCCESS)
        failCall(valueSubject(path, name), static_cast<DWORD>(result));
    flush(key.get(), path.display);
}

void runRegDel(const CommandLine& line, std::ostream&)
{
    const KeyPath path = parseKeyPath(line.positional[1]);
    const bool deletingValue = line.positional.size() > 2;
    const std::u16string name = valueNameArgument(line, 2);
    if (!deletingValue && path.subKey.empty())
        throw CommandError(path.display + ": a root key cannot be deleted");
    DeviceSession session(line.positional[0]);
    if (!deletingValue) {
        if (const LONG result = RegDeleteKeyW(path.root, path.subKey.c_str()); result != ERROR_SUCCESS)
            failCall(path.display, static_cast<DWORD>(result));
        flush(path.root, path.display);
        return;
    }
    KeyHandle key(openKey(path), !path.subKey.empty());
    if (const LONG result = RegDeleteValueW(key.get(), name.c_str()); result != ERROR_SUCCESS)
        failCall(valueSubject(path, name), static_cast<DWORD>(result));
    flush(key.get(), path.display);
}

void runRegList(const CommandLine& line, std::ostream& out)
{
    const KeyPath path = parseKeyPath(line.positional[1]);
    DeviceSession session(line.positional[0]);
    KeyHandle key(openKey(path), !path.subKey.empty());
    if (line.has("--recursive")) {
        listTree(key.get(), path.display, out);
        return;
    }
    listValues(key.get(), path.display, "", out);
    for (const auto& name : subKeyNames(key.get(), path.display))
        out << hostText(name) << "\\\n";
}

void runRegDeny(const CommandLine& line, std::ostream&)
{
    const KeyPath path = parseKeyPath(line.positional[1]);
    if (path.subKey.empty())
        throw CommandError(path.display + ": a root key cannot be denied");
    DeviceSession session(line.positional[0]);
    if (const LONG result = emulator::denyRegistryKey(path.root, path.subKey.c_str()); result != ERROR_SUCCESS)
        failCall(path.display, static_cast<DWORD>(result));
    flush(path.root, path.display);
}

}  // namespace cedevice
