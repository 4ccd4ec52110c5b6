// MultiByteToWideChar and WideCharToMultiByte for the device's code pages: the ANSI page
// (Windows-1252) and UTF-8.
#include <algorithm>
#include <string>
#include <string_view>

#include "Windows1252.h"
#include "emulator/Text.h"
#include "winbase.h"
#include "winerror.h"
#include "winnls.h"

namespace {

bool isAnsiPage(UINT codePage)
{
    // The OEM page is the ANSI page on this device.
    return codePage == CP_ACP || codePage == CP_OEMCP || codePage == 1252;
}

bool isKnownPage(UINT codePage)
{
    return isAnsiPage(codePage) || codePage == CP_UTF8;
}

std::u16string ansiToUtf16(std::string_view text)
{
    std::u16string out(text.size(), u'\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char c) { return ce::windows1252ToUtf16(static_cast<unsigned char>(c)); });
    return out;
}

std::string utf16ToAnsi(std::u16string_view text, char defaultChar, bool& usedDefault)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        unsigned char byte;
        if (ce::utf16ToWindows1252(c, byte)) {
            out += static_cast<char>(byte);
        } else {
            out += defaultChar;
            usedDefault = true;
        }
    }
    return out;
}

// Stores the converted text: a zero capacity asks for the size only.
template <typename Char>
int deliver(const std::basic_string<Char>& text, Char* out, int capacity)
{
    if (capacity == 0)
        return static_cast<int>(text.size());
    if (text.size() > static_cast<std::size_t>(capacity)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::copy(text.begin(), text.end(), out);
    return static_cast<int>(text.size());
}

// A length of -1 means null-terminated, terminator included.
template <typename Char>
std::basic_string_view<Char> sourceText(const Char* text, int length)
{
    if (length >= 0)
        return {text, static_cast<std::size_t>(length)};
    return {text, std::char_traits<Char>::length(text) + 1};
}

bool validArguments(const void* in, int inLength, const void* out, int outCapacity)
{
    return in && inLength != 0 && inLength >= -1 && outCapacity >= 0 && (out || outCapacity == 0);
}

}  // namespace

int MultiByteToWideChar(UINT CodePage, DWORD /*dwFlags*/, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar)
{
    if (!validArguments(lpMultiByteStr, cbMultiByte, lpWideCharStr, cchWideChar) || !isKnownPage(CodePage)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string_view text = sourceText(lpMultiByteStr, cbMultiByte);
    const std::u16string wide = CodePage == CP_UTF8 ? emulator::fromUtf8(text) : ansiToUtf16(text);
    return deliver(wide, lpWideCharStr, cchWideChar);
}

int WideCharToMultiByte(UINT CodePage, DWORD /*dwFlags*/, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar, LPBOOL lpUsedDefaultChar)
{
    const bool utf8 = CodePage == CP_UTF8;
    // UTF-8 has a byte sequence for everything, so it takes no default character.
    const bool defaultsAllowed = !utf8 || (!lpDefaultChar && !lpUsedDefaultChar);
    if (!validArguments(lpWideCharStr, cchWideChar, lpMultiByteStr, cbMultiByte) || !isKnownPage(CodePage) ||
        !defaultsAllowed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string_view text = sourceText(lpWideCharStr, cchWideChar);
    bool usedDefault = false;
    const std::string narrow =
        utf8 ? emulator::toUtf8(text) : utf16ToAnsi(text, lpDefaultChar ? *lpDefaultChar : '?', usedDefault);
    if (lpUsedDefaultChar)
        *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
    return deliver(narrow, lpMultiByteStr, cbMultiByte);
}
