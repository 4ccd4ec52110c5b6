// Opening device files by name.
#include "DeviceFiles.h"

#include <string_view>

#include "CardTable.h"
#include "VolumeDevice.h"
#include "kernel/Device.h"
#include "store/files/HostNames.h"
#include "winerror.h"

namespace ce {
namespace {

constexpr std::u16string_view volumeSuffix = u"\\VOL:";

bool endsWithUpper(std::u16string_view upper, std::u16string_view suffix)
{
    return upper.size() >= suffix.size() && upper.substr(upper.size() - suffix.size()) == suffix;
}

// "\NAME\VOL:" for an inserted card NAME.
std::optional<CardState> volumeCard(std::u16string_view name)
{
    if (!endsWithUpper(upperName(name), volumeSuffix))
        return std::nullopt;
    std::u16string_view card = name.substr(0, name.size() - volumeSuffix.size());
    if (card.empty() || card.front() != u'\\')
        return std::nullopt;
    return insertedCardNamed(card.substr(1));
}

// "DSKn:", n from 1 to 9: the n-th inserted card.
std::optional<CardState> diskCard(std::u16string_view name)
{
    const std::u16string upper = upperName(name);
    if (upper.size() != 5 || upper.substr(0, 3) != u"DSK" || upper[3] < u'1' || upper[3] > u'9')
        return std::nullopt;
    std::vector<CardState> inserted = insertedCards();
    size_t number = upper[3] - u'0';
    if (number > inserted.size())
        return std::nullopt;
    return inserted[number - 1];
}

} // namespace

bool isDeviceFileName(LPCWSTR name)
{
    if (!name)
        return false;
    std::u16string_view text(name);
    return !text.empty() && text.back() == u':';
}

// Access, sharing and disposition do not matter to these devices: a volume opens however it
// is asked, as often as it is asked.
HANDLE openDeviceFile(LPCWSTR name, DWORD, DWORD, DWORD)
{
    if (!deviceOrFail())
        return INVALID_HANDLE_VALUE;
    const std::u16string_view text(name);
    std::optional<CardState> card = volumeCard(text);
    const bool disk = !card;
    if (disk)
        card = diskCard(text);
    if (!card) {
        SetLastError(ERROR_DEV_NOT_EXIST);
        return INVALID_HANDLE_VALUE;
    }
    return insertHandle(std::make_shared<VolumeDevice>(card->ref, disk));
}

} // namespace ce
