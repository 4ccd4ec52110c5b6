// wcstol, wcstoul, _wtoi and _wtol. Results saturate at the device's 32-bit long, as its
// C runtime does, whatever the host's long is.
#include <cerrno>
#include <cstdint>

#include "cewchar.h"

namespace {

constexpr uint64_t kLongMax = INT32_MAX;
constexpr uint64_t kUnsignedLongMax = UINT32_MAX;

struct ParsedNumber {
    uint64_t magnitude = 0;  // saturated just above the 32-bit range
    bool negative = false;
    const WCHAR* end;
};

bool isSpace(WCHAR c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

int digitValue(WCHAR c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    return 99;
}

bool hasHexPrefix(const WCHAR* p)
{
    return p[0] == u'0' && (p[1] == u'x' || p[1] == u'X') && digitValue(p[2]) < 16;
}

// Leading spaces, a sign, an optional 0x for base 16 (base 0 also detects octal), digits.
// With no digits the end is the start of the text and the value 0.
ParsedNumber parseNumber(const WCHAR* s, int base)
{
    ParsedNumber result;
    result.end = s;
    if (base < 0 || base == 1 || base > 36) {
        errno = EINVAL;
        return result;
    }
    const WCHAR* p = s;
    while (isSpace(*p))
        ++p;
    if (*p == u'+' || *p == u'-')
        result.negative = *p++ == u'-';
    if ((base == 0 || base == 16) && hasHexPrefix(p)) {
        p += 2;
        base = 16;
    } else if (base == 0) {
        base = *p == u'0' ? 8 : 10;
    }
    const WCHAR* digits = p;
    for (int d; (d = digitValue(*p)) < base; ++p) {
        result.magnitude = result.magnitude * base + d;
        if (result.magnitude > kUnsignedLongMax)
            result.magnitude = kUnsignedLongMax + 1;
    }
    if (p != digits)
        result.end = p;
    return result;
}

void storeEnd(WCHAR** end, const ParsedNumber& parsed)
{
    if (end)
        *end = const_cast<WCHAR*>(parsed.end);
}

}  // namespace

long wcstol(const WCHAR* s, WCHAR** end, int base)
{
    const ParsedNumber parsed = parseNumber(s, base);
    storeEnd(end, parsed);
    const uint64_t limit = parsed.negative ? kLongMax + 1 : kLongMax;
    if (parsed.magnitude > limit) {
        errno = ERANGE;
        return parsed.negative ? INT32_MIN : INT32_MAX;
    }
    const auto value = static_cast<long>(parsed.magnitude);
    return parsed.negative ? -value : value;
}

unsigned long wcstoul(const WCHAR* s, WCHAR** end, int base)
{
    const ParsedNumber parsed = parseNumber(s, base);
    storeEnd(end, parsed);
    if (parsed.magnitude > kUnsignedLongMax) {
        errno = ERANGE;
        return kUnsignedLongMax;
    }
    // A minus sign negates in the unsigned range: "-1" is 0xFFFFFFFF.
    const auto value = static_cast<uint32_t>(parsed.magnitude);
    return parsed.negative ? static_cast<uint32_t>(0u - value) : value;
}

int _wtoi(const WCHAR* s)
{
    return static_cast<int>(wcstol(s, nullptr, 10));
}

long _wtol(const WCHAR* s)
{
    return wcstol(s, nullptr, 10);
}
