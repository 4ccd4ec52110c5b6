// KernelIoControl: the hardware layer's control codes the device answers, the soft reset and
// the processor's description from the profile.
#include "pkfuncs.h"

#include <algorithm>

#include "SoftReset.h"
#include "kernel/Device.h"
#include "winerror.h"

namespace ce {
namespace {

template <size_t N>
void copyText(WCHAR (&field)[N], const std::u16string& text)
{
    const size_t length = std::min(text.size(), N - 1);  // the profile keeps them shorter
    std::copy_n(text.begin(), length, field);
    field[length] = u'\0';
}

PROCESSOR_INFO processorInfo(const emulator::ProcessorProfile& processor)
{
    PROCESSOR_INFO info{};
    info.wVersion = PROCESSOR_INFO_VERSION;
    copyText(info.szProcessCore, processor.core);
    info.wCoreRevision = processor.coreRevision;
    copyText(info.szProcessorName, processor.name);
    info.wProcessorRevision = processor.revision;
    copyText(info.szCatalogNumber, processor.catalogNumber);
    copyText(info.szVendor, processor.vendor);
    info.dwInstructionSet = processor.instructionSet;
    info.dwClockSpeed = processor.clockSpeed;
    return info;
}

BOOL answerProcessorInformation(const Device& device, LPVOID out, DWORD outSize, LPDWORD bytesReturned)
{
    // The size needed is reported even when the buffer is too small.
    if (bytesReturned)
        *bytesReturned = sizeof(PROCESSOR_INFO);
    if (!out || outSize < sizeof(PROCESSOR_INFO)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const PROCESSOR_INFO info = processorInfo(device.profile().processor);
    std::copy_n(reinterpret_cast<const BYTE*>(&info), sizeof info, static_cast<BYTE*>(out));
    return TRUE;
}

}  // namespace
}  // namespace ce

BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID, DWORD, LPVOID lpOutBuf, DWORD nOutBufSize,
                     LPDWORD lpBytesReturned)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    switch (dwIoControlCode) {
    case IOCTL_HAL_REBOOT:
        return ce::requestSoftReset() ? TRUE : FALSE;
    case IOCTL_PROCESSOR_INFORMATION:
        return ce::answerProcessorInformation(*device, lpOutBuf, nOutBufSize, lpBytesReturned);
    default:
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
}
