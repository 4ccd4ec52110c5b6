// The system processes, the phone processes and ActiveSync's repllog.exe with the figures a
// freshly reset device shows for them.
#include "BuiltinPrograms.h"

namespace ce {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

emulator::IniSection program(const char* name, Entries entries)
{
    return {std::string("program.") + name, std::move(entries)};
}

}  // namespace

std::vector<emulator::IniSection> builtinProgramSections(bool phone)
{
    std::vector<emulator::IniSection> sections = {
        program("nk", {{"Kind", "system"}, {"Threads", "2"}, {"Modules", ""}, {"Heap", "default:40960:8192"},
                       {"CodeSize", "204800"}}),
        program("filesys", {{"Kind", "system"}, {"Threads", "4"}, {"Heap", "default:131072:16384"},
                            {"CodeSize", "147456"}}),
        program("device", {{"Kind", "system"}, {"Threads", "8"}, {"Heap", "default:196608:32768"},
                           {"CodeSize", "65536"}}),
        program("gwes", {{"Kind", "system"}, {"Threads", "5"}, {"ThreadLoad", "1"},
                         {"Heap", "default:262144:32768"}, {"CodeSize", "331776"}}),
        program("shell32", {{"Kind", "system"}, {"Threads", "4"}, {"Modules", "coredll.dll,commctrl.dll,aygshell.dll"},
                            {"Heap", "default:327680:65536"}, {"CodeSize", "98304"},
                            {"Window1", "DesktopExplorerWindow|Desktop|0x10000000|0"},
                            {"Window2", "HHTaskBar||0x10000000|0"}, {"OnClose", "ignore"}}),
    };
    if (phone) {
        sections.push_back(program("cprog", {{"Kind", "system"}, {"Threads", "3"},
                                             {"Modules", "coredll.dll,commctrl.dll,aygshell.dll"},
                                             {"Heap", "default:196608:16384"}, {"CodeSize", "163840"},
                                             {"Window", "MSCprog|Phone|0x10000000|0"}, {"OnClose", "ignore"}}));
        sections.push_back(program("phone", {{"Kind", "system"}, {"Threads", "2"},
                                             {"Heap", "default:65536:8192"}, {"CodeSize", "49152"}}));
    }
    sections.push_back(program("repllog", {{"AtBoot", "1"}, {"Threads", "2"}, {"Heap", "default:81920:8192"},
                                           {"CodeSize", "57344"}, {"Window", "repllog|ActiveSync|0|0"},
                                           {"OnClose", "ignore"}}));
    return sections;
}

}  // namespace ce
