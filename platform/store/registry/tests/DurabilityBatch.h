// The numbered batches the durability writer puts in the registry and the test looks for:
// each batch makes one key and sets values spread over a few shared keys.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace durability {

constexpr DWORD kValuesPerBatch = 64;
constexpr DWORD kGroups = 5;

inline std::u16string text(DWORD n)
{
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

inline std::u16string groupKey(DWORD batch)
{
    return u"Software\\Durability\\Group" + text(batch % kGroups);
}

inline std::u16string batchKey(DWORD batch)
{
    return u"Software\\Durability\\Batches\\" + text(batch);
}

inline std::u16string valueName(DWORD batch, DWORD index)
{
    return u"B" + text(batch) + u"_" + text(index);
}

inline std::vector<BYTE> valueData(DWORD batch, DWORD index)
{
    std::vector<BYTE> data(40 + index);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<BYTE>(batch * 31 + index * 7 + i);
    return data;
}

}  // namespace durability
