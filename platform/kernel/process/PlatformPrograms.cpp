// The table of the platform's own programs, filled by static registrations before main().
#include "PlatformPrograms.h"

#include <vector>

#include "text/CaseTable.h"

namespace ce {
namespace {

std::vector<PlatformProgram>& table()
{
    static std::vector<PlatformProgram> programs;
    return programs;
}

} // namespace

PlatformProgramRegistration::PlatformProgramRegistration(const PlatformProgram& program)
{
    table().push_back(program);
}

const PlatformProgram* findPlatformProgram(std::u16string_view exePath)
{
    const size_t slash = exePath.rfind(u'\\');
    const std::u16string_view name = slash == std::u16string_view::npos ? exePath : exePath.substr(slash + 1);
    for (const PlatformProgram& program : table()) {
        if (sameNameDevice(program.fileName, name))
            return &program;
    }
    return nullptr;
}

} // namespace ce
