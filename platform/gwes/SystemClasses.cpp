// The table of system window classes, filled by static registrations before main().
#include "SystemClasses.h"

#include <vector>

#include "text/CaseTable.h"

namespace ce::gwes {
namespace {

std::vector<SystemClass>& table()
{
    static std::vector<SystemClass> classes;
    return classes;
}

} // namespace

SystemClassRegistration::SystemClassRegistration(const SystemClass& systemClass)
{
    table().push_back(systemClass);
}

const SystemClass* findSystemClass(const char16_t* name)
{
    for (const SystemClass& systemClass : table()) {
        if (name && ce::sameNameDevice(systemClass.name, name))
            return &systemClass;
    }
    return nullptr;
}

} // namespace ce::gwes
