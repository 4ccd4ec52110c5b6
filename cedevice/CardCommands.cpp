// cedevice card IMAGE insert|remove NAME: a storage card of the profile goes in or out.
#include "CommandSupport.h"
#include "Commands.h"
#include "emulator/StorageCards.h"

namespace cedevice {
namespace {

void changeCard(const CommandLine& line, DWORD (*change)(const std::u16string&))
{
    const std::string& name = line.positional[1];
    const std::u16string card = deviceText(name);
    DeviceSession session(line.positional[0]);
    switch (DWORD error = change(card)) {
    case ERROR_SUCCESS:
        return;
    case ERROR_NOT_FOUND:
        throw CommandError("no storage card \"" + name + "\" in the profile");
    case ERROR_ALREADY_EXISTS:
        throw CommandError("storage card \"" + name + "\" is inserted already, or a folder holds its name");
    case ERROR_DEVICE_REMOVED:
        throw CommandError("storage card \"" + name + "\" is removed already");
    default:
        failCall("storage card \"" + name + "\"", error);
    }
}

} // namespace

void runCardInsert(const CommandLine& line, std::ostream&)
{
    changeCard(line, emulator::insertStorageCard);
}

void runCardRemove(const CommandLine& line, std::ostream&)
{
    changeCard(line, emulator::removeStorageCard);
}

} // namespace cedevice
