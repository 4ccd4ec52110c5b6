// FormatMessageW: a message definition from the system table or the caller's string, with
// its escapes (%n, %%, %0 ...) and inserts (%1..%99, each optionally with a !printf format!)
// taken from a va_list or an array of DWORD_PTR.
#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "Format.h"
#include "MessageTable.h"
#include "winbase.h"
#include "winerror.h"

namespace {

using ce::text::ArgumentKind;
using ce::text::ConversionSpec;

struct Insert {
    int number = 0;  // 1..99
    ConversionSpec conv;
    std::size_t end = 0;  // position after the insert in the definition
};

enum class InsertParse { NotInsert, Insert, BadFormat };

// Parses "%N" or "%N!format!" at the '%' at `pos`. A bare insert is a wide string.
InsertParse parseInsert(std::u16string_view text, std::size_t pos, Insert& insert)
{
    std::size_t p = pos + 1;
    if (p >= text.size() || text[p] < u'1' || text[p] > u'9')
        return InsertParse::NotInsert;
    insert.number = text[p++] - u'0';
    if (p < text.size() && text[p] >= u'0' && text[p] <= u'9')
        insert.number = insert.number * 10 + (text[p++] - u'0');
    insert.conv.conversion = u's';
    insert.end = p;
    const std::size_t close = p < text.size() && text[p] == u'!' ? text.find(u'!', p + 1) : std::u16string_view::npos;
    if (close == std::u16string_view::npos)
        return InsertParse::Insert;
    const std::u16string_view format = text.substr(p + 1, close - p - 1);
    insert.conv = ConversionSpec();
    insert.end = close + 1;
    const bool whole = ce::text::parseConversion(format, 0, insert.conv) == format.size();
    return whole ? InsertParse::Insert : InsertParse::BadFormat;
}

// '*' fields take the insert's own argument and the following ones; the value comes last.
int starCount(const ConversionSpec& conv)
{
    return int(conv.widthFromArgument) + int(conv.precisionFromArgument);
}

// What "%c" stands for: a few letters name control characters, any other character (%%,
// %., %!, "% ") stands for itself.
std::u16string escapedText(char16_t escape)
{
    switch (escape) {
    case u'n':
        return u"\r\n";
    case u'r':
        return u"\r";
    case u't':
        return u"\t";
    case u'b':
        return u" ";
    default:
        return std::u16string(1, escape);
    }
}

struct ExpandOptions {
    bool ignoreInserts;
    bool joinLines;  // FORMAT_MESSAGE_MAX_WIDTH_MASK: the definition's own line breaks become spaces
};

// Writes the message with its escapes resolved, calling onInsert(insert) at each insert
// (copied verbatim when inserts are ignored). False for an insert with a bad !format!.
template <typename OnInsert>
bool expand(std::u16string_view text, const ExpandOptions& options, std::u16string& out, OnInsert onInsert)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const char16_t c = text[pos];
        if (options.joinLines && (c == u'\r' || c == u'\n')) {
            out += u' ';
            pos += text.substr(pos, 2) == u"\r\n" ? 2 : 1;
            continue;
        }
        if (c != u'%') {
            out += text[pos++];
            continue;
        }
        Insert insert;
        const InsertParse parsed = parseInsert(text, pos, insert);
        if (parsed != InsertParse::NotInsert) {
            if (options.ignoreInserts)
                out += text.substr(pos, insert.end - pos);
            else if (parsed == InsertParse::BadFormat)
                return false;
            else
                onInsert(insert);
            pos = insert.end;
            continue;
        }
        if (pos + 1 >= text.size()) {
            out += u'%';
            break;
        }
        const char16_t escape = text[pos + 1];
        pos += 2;
        if (escape == u'0')
            return true;  // ends the message, without its trailing line break
        out += escapedText(escape);
    }
    return true;
}

// One insert argument as read from the caller.
struct Slot {
    int64_t integer = 0;
    double real = 0;
    const void* pointer = nullptr;
};

// Supplies an insert's arguments from its slot onwards.
class SlotSource final : public ce::text::ArgumentSource {
public:
    SlotSource(const std::vector<Slot>& slots, std::size_t first) : m_slots(slots), m_next(first) {}
    int32_t int32() override { return static_cast<int32_t>(next().integer); }
    int64_t int64() override { return next().integer; }
    double real() override { return next().real; }
    const void* pointer() override { return next().pointer; }

private:
    const Slot& next() { return m_slots[m_next++]; }
    const std::vector<Slot>& m_slots;
    std::size_t m_next;
};

// The kind of every argument the inserts use, by argument number - 1.
bool collectKinds(std::u16string_view text, const ExpandOptions& options, std::vector<ArgumentKind>& kinds)
{
    std::u16string ignored;
    return expand(text, options, ignored, [&](const Insert& insert) {
        const std::size_t first = insert.number - 1;
        const std::size_t value = first + starCount(insert.conv);
        if (kinds.size() <= value)
            kinds.resize(value + 1, ArgumentKind::Pointer);
        for (std::size_t i = first; i < value; ++i)
            kinds[i] = ArgumentKind::Int32;
        kinds[value] = ce::text::argumentKind(insert.conv);
    });
}

std::vector<Slot> readVaList(va_list& args, const std::vector<ArgumentKind>& kinds)
{
    std::vector<Slot> slots(kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        Slot& slot = slots[i];
        switch (kinds[i]) {
        case ArgumentKind::Int32:
            slot.integer = va_arg(args, int32_t);
            break;
        case ArgumentKind::Int64:
            slot.integer = va_arg(args, int64_t);
            break;
        case ArgumentKind::Double:
            slot.real = va_arg(args, double);
            break;
        case ArgumentKind::Pointer:
            slot.pointer = va_arg(args, const void*);
            slot.integer = reinterpret_cast<intptr_t>(slot.pointer);
            break;
        }
    }
    return slots;
}

// FORMAT_MESSAGE_ARGUMENT_ARRAY: each argument is one DWORD_PTR.
std::vector<Slot> readArray(const DWORD_PTR* array, std::size_t count)
{
    std::vector<Slot> slots(count);
    for (std::size_t i = 0; i < count; ++i) {
        slots[i].integer = static_cast<int64_t>(array[i]);
        slots[i].pointer = reinterpret_cast<const void*>(array[i]);
        slots[i].real = std::bit_cast<double>(static_cast<uint64_t>(array[i]));
    }
    return slots;
}

DWORD fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

// The message definition named by the flags, or null with the last error set.
const char16_t* findDefinition(DWORD flags, LPCVOID source, DWORD messageId)
{
    const bool fromString = flags & FORMAT_MESSAGE_FROM_STRING;
    const bool fromSystem = flags & FORMAT_MESSAGE_FROM_SYSTEM;
    const bool fromModule = flags & FORMAT_MESSAGE_FROM_HMODULE;
    if (fromString) {
        if (fromSystem || fromModule || !source) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        return static_cast<const char16_t*>(source);
    }
    // Modules carry no message tables here, so only the system table can answer.
    if (!fromSystem) {
        SetLastError(fromModule ? ERROR_RESOURCE_TYPE_NOT_FOUND : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const char16_t* text = ce::systemMessageText(messageId);
    if (!text)
        SetLastError(ERROR_MR_MID_NOT_FOUND);
    return text;
}

DWORD store(const std::u16string& message, DWORD flags, LPWSTR lpBuffer, DWORD nSize)
{
    const std::size_t needed = message.size() + 1;
    LPWSTR out = lpBuffer;
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        // lpBuffer really is an LPWSTR* receiving the block; nSize is then a minimum.
        const std::size_t chars = std::max<std::size_t>(needed, nSize);
        out = static_cast<LPWSTR>(LocalAlloc(LMEM_FIXED, chars * sizeof(WCHAR)));
        if (!out)
            return fail(ERROR_NOT_ENOUGH_MEMORY);
        *reinterpret_cast<LPWSTR*>(lpBuffer) = out;
    } else if (nSize < needed) {
        return fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::copy(message.begin(), message.end(), out);
    out[message.size()] = u'\0';
    return static_cast<DWORD>(message.size());
}

}  // namespace

DWORD FormatMessageW(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD /*dwLanguageId*/, LPWSTR lpBuffer,
                     DWORD nSize, va_list* Arguments)
{
    if (!lpBuffer)
        return fail(ERROR_INVALID_PARAMETER);
    // Every language gets the English table: the device carries no other.
    const char16_t* definition = findDefinition(dwFlags, lpSource, dwMessageId);
    if (!definition)
        return 0;
    const ExpandOptions options{(dwFlags & FORMAT_MESSAGE_IGNORE_INSERTS) != 0,
                                (dwFlags & FORMAT_MESSAGE_MAX_WIDTH_MASK) == FORMAT_MESSAGE_MAX_WIDTH_MASK};

    std::vector<ArgumentKind> kinds;
    if (!collectKinds(definition, options, kinds))
        return fail(ERROR_INVALID_PARAMETER);
    std::vector<Slot> slots;
    if (!kinds.empty()) {
        if (!Arguments)
            return fail(ERROR_INVALID_PARAMETER);
        slots = (dwFlags & FORMAT_MESSAGE_ARGUMENT_ARRAY)
                    ? readArray(reinterpret_cast<const DWORD_PTR*>(Arguments), kinds.size())
                    : readVaList(*Arguments, kinds);
    }

    std::u16string message;
    expand(definition, options, message, [&](const Insert& insert) {
        SlotSource source(slots, insert.number - 1);
        ce::text::formatConversion(message, insert.conv, source);
    });
    return store(message, dwFlags, lpBuffer, nSize);
}
