// The system message table as plain data, sorted by code. Texts end in "\r\n" as the
// system's message definitions do.
#include "MessageTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct SystemMessage {
    uint32_t code;
    const char16_t* text;
};

constexpr SystemMessage kMessages[] = {
    {0, u"The operation completed successfully.\r\n"},
    {1, u"Incorrect function.\r\n"},
    {2, u"The system cannot find the file specified.\r\n"},
    {3, u"The system cannot find the path specified.\r\n"},
    {4, u"The system cannot open the file.\r\n"},
    {5, u"Access is denied.\r\n"},
    {6, u"The handle is invalid.\r\n"},
    {8, u"Not enough storage is available to process this command.\r\n"},
    {11, u"An attempt was made to load a program with an incorrect format.\r\n"},
    {12, u"The access code is invalid.\r\n"},
    {13, u"The data is invalid.\r\n"},
    {14, u"Not enough storage is available to complete this operation.\r\n"},
    {15, u"The system cannot find the drive specified.\r\n"},
    {17, u"The system cannot move the file to a different disk drive.\r\n"},
    {18, u"There are no more files.\r\n"},
    {19, u"The media is write protected.\r\n"},
    {21, u"The device is not ready.\r\n"},
    {25, u"The drive cannot locate a specific area or track on the disk.\r\n"},
    {29, u"The system cannot write to the specified device.\r\n"},
    {30, u"The system cannot read from the specified device.\r\n"},
    {31, u"A device attached to the system is not functioning.\r\n"},
    {32, u"The process cannot access the file because it is being used by another process.\r\n"},
    {33, u"The process cannot access the file because another process has locked a portion of the file.\r\n"},
    {38, u"Reached the end of the file.\r\n"},
    {39, u"The disk is full.\r\n"},
    {50, u"The request is not supported.\r\n"},
    {52, u"You were not connected because a duplicate name exists on the network. If joining a domain, go to System in Control Panel to change the computer name and try again.\r\n"},
    {55, u"The specified network resource or device is no longer available.\r\n"},
    {80, u"The file exists.\r\n"},
    {87, u"The parameter is incorrect.\r\n"},
    {109, u"The pipe has been ended.\r\n"},
    {112, u"There is not enough space on the disk.\r\n"},
    {120, u"This function is not supported on this system.\r\n"},
    {122, u"The data area passed to a system call is too small.\r\n"},
    {123, u"The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {126, u"The specified module could not be found.\r\n"},
    {127, u"The specified procedure could not be found.\r\n"},
    {131, u"An attempt was made to move the file pointer before the beginning of the file.\r\n"},
    {145, u"The directory is not empty.\r\n"},
    {161, u"The specified path is invalid.\r\n"},
    {170, u"The requested resource is in use.\r\n"},
    {183, u"Cannot create a file when that file already exists.\r\n"},
    {193, u"%1 is not a valid Win32 application.\r\n"},
    {206, u"The filename or extension is too long.\r\n"},
    {234, u"More data is available.\r\n"},
    {259, u"No more data is available.\r\n"},
    {267, u"The directory name is invalid.\r\n"},
    {288, u"Attempt to release mutex not owned by caller.\r\n"},
    {298, u"Too many posts were made to a semaphore.\r\n"},
    {317, u"The system cannot find message text for message number 0x%1 in the message file for %2.\r\n"},
    {487, u"Attempt to access invalid address.\r\n"},
    {534, u"Arithmetic result exceeded 32 bits.\r\n"},
    {998, u"Invalid access to memory location.\r\n"},
    {1004, u"Invalid flags.\r\n"},
    {1005, u"The volume does not contain a recognized file system.\r\nPlease make sure that all required file system drivers are loaded and that the volume is not corrupted.\r\n"},
    {1009, u"The configuration registry database is corrupt.\r\n"},
    {1010, u"The configuration registry key is invalid.\r\n"},
    {1011, u"The configuration registry key could not be opened.\r\n"},
    {1012, u"The configuration registry key could not be read.\r\n"},
    {1013, u"The configuration registry key could not be written.\r\n"},
    {1015, u"The registry is corrupted. The structure of one of the files containing registry data is corrupted, "
           u"or the system's memory image of the file is corrupted, or the file could not be recovered because the "
           u"alternate copy or log was absent or corrupted.\r\n"},
    {1018, u"Illegal operation attempted on a registry key that has been marked for deletion.\r\n"},
    {1056, u"An instance of the service is already running.\r\n"},
    {1058, u"The service cannot be started, either because it is disabled or because it has no enabled devices associated with it.\r\n"},
    {1060, u"The specified service does not exist as an installed service.\r\n"},
    {1062, u"The service has not been started.\r\n"},
    {1117, u"The request could not be performed because of an I/O device error.\r\n"},
    {1155, u"No application is associated with the specified file for this operation.\r\n"},
    {1168, u"Element not found.\r\n"},
    {1223, u"The operation was canceled by the user.\r\n"},
    {1392, u"The file or directory is corrupted and unreadable.\r\n"},
    {1393, u"The disk structure is corrupted and unreadable.\r\n"},
    {1400, u"Invalid window handle.\r\n"},
    {1401, u"Invalid menu handle.\r\n"},
    {1407, u"Cannot find window class.\r\n"},
    {1410, u"Class already exists.\r\n"},
    {1411, u"Class does not exist.\r\n"},
    {1412, u"Class still has open windows.\r\n"},
    {1413, u"Invalid index.\r\n"},
    {1421, u"Control ID not found.\r\n"},
    {1444, u"Invalid thread identifier.\r\n"},
    {1460, u"This operation returned because the timeout period expired.\r\n"},
    {1617, u"The device has been removed.\r\n"},
    {1812, u"The specified image file did not contain a resource section.\r\n"},
    {1813, u"The specified resource type cannot be found in the image file.\r\n"},
    {1814, u"The specified resource name cannot be found in the image file.\r\n"},
    {0x80004005, u"Unspecified error\r\n"},
};

constexpr bool sortedByCode()
{
    return std::is_sorted(std::begin(kMessages), std::end(kMessages),
                          [](const SystemMessage& a, const SystemMessage& b) { return a.code < b.code; });
}
static_assert(sortedByCode(), "the message table is searched by bisection");

constexpr uint32_t kWin32FacilityMask = 0xFFFF0000;
constexpr uint32_t kWin32Facility = 0x80070000;

}  // namespace

namespace ce {

const char16_t* systemMessageText(uint32_t code)
{
    if ((code & kWin32FacilityMask) == kWin32Facility)
        code &= ~kWin32FacilityMask;
    const auto* found = std::lower_bound(std::begin(kMessages), std::end(kMessages), code,
                                         [](const SystemMessage& m, uint32_t c) { return m.code < c; });
    return found != std::end(kMessages) && found->code == code ? found->text : nullptr;
}

}  // namespace ce
