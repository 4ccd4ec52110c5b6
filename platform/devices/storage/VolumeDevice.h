// A storage card opened as a device: its volume answers the FAT and medium control codes, its
// disk only the storage identification. A handle opened before the card was removed answers
// ERROR_DEVICE_REMOVED.
#pragma once

#include "CardTable.h"
#include "DeviceFiles.h"

namespace ce {

class VolumeDevice : public DeviceObject {
public:
    VolumeDevice(CardRef card, bool disk)
        : m_card(card)
        , m_disk(disk)
    {
    }

    DWORD control(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize, DWORD& returned) override;

private:
    const CardRef m_card;
    const bool m_disk;
};

} // namespace ce
