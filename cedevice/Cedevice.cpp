// The command table of cedevice: each command's words, arguments, options and handler, and
// the usage text made from it.
#include "Cedevice.h"

#include <algorithm>
#include <iomanip>

#include "CommandSupport.h"
#include "Commands.h"
#include "ScriptedRun.h"

namespace cedevice {
namespace {

constexpr OptionSpec noOptions[] = {{"--help", false}};
constexpr OptionSpec newOptions[] = {{"--profile", true}};
constexpr OptionSpec putOptions[] = {{"--attr", true}};
constexpr OptionSpec listOptions[] = {{"--recursive", false}};
constexpr OptionSpec installOptions[] = {{"--dir", true}};
constexpr OptionSpec runOptions[] = {{"--virtual-time", false}, {"--script", true}, {"--headless", false}};
constexpr size_t anyNumber = SIZE_MAX;

struct CommandSpec {
    std::string_view words;  // "ls", or "reg get" for "reg IMAGE get ..."
    std::string_view synopsis;
    std::string_view summary;
    size_t minArguments, maxArguments;  // positional, the image included
    std::span<const OptionSpec> options;
    CommandFunction run;
};

const CommandSpec commands[] = {
    {"new", "new IMAGE [--profile NAME]", "make a device image (default profile: ppc2003)", 1, 1, newOptions, runNew},
    {"info", "info IMAGE", "describe the device: OS, screen, memory, stores, cards", 1, 1, noOptions, runInfo},
    {"ls", "ls IMAGE DEVPATH", "list a folder (or the files a pattern matches)", 2, 2, noOptions, runLs},
    {"mkdir", "mkdir IMAGE DEVPATH", "make a folder and its missing parents", 2, 2, noOptions, runMkdir},
    {"put", "put IMAGE HOSTFILE DEVPATH [--attr HEX]", "copy a host file into the device", 3, 3, putOptions, runPut},
    {"get", "get IMAGE DEVPATH HOSTFILE", "copy a device file to the host", 3, 3, noOptions, runGet},
    {"attrib", "attrib IMAGE DEVPATH [HEX]", "show or set a file's attributes", 2, 3, noOptions, runAttrib},
    {"rm", "rm IMAGE DEVPATH", "remove a file or an empty folder", 2, 2, noOptions, runRm},
    {"reg get", "reg IMAGE get KEY [NAME]", "show a value (\"\" or no NAME: the default value)", 2, 3, noOptions,
     runRegGet},
    {"reg set", "reg IMAGE set KEY NAME TYPE DATA", "set a value, making the key when missing", 5, 5, noOptions,
     runRegSet},
    {"reg del", "reg IMAGE del KEY [NAME]", "delete a value, or without NAME the key and its subkeys", 2, 3,
     noOptions, runRegDel},
    {"reg list", "reg IMAGE list KEY [--recursive]", "list a key's values and subkeys", 2, 2, listOptions,
     runRegList},
    {"reg deny", "reg IMAGE deny KEY", "make opening a key fail with access denied", 2, 2, noOptions, runRegDeny},
    {"boot", "boot IMAGE", "start the device (it stays on): its boot programs run", 1, 1, noOptions, runBoot},
    {"run", "run IMAGE [--virtual-time] [--script FILE | --headless] DEVPATH [ARGS...]",
     "run a program to its end (or start a simulated one): in a screen window when there is a display, driven "
     "by a script when given", 2, anyNumber, runOptions, runRun},
    {"install", "install IMAGE [--dir DEVPATH]",
     "install Kelvara: program, packs and VGA bitmaps into DEVPATH (default \\Program Files\\Kelvara), "
     "launcher and help into \\Windows", 1, 1, installOptions, runInstall},
    {"screenshot", "screenshot IMAGE OUT.png", "save the device's screen as a PNG file", 2, 2, noOptions,
     runScreenshot},
    {"rotate", "rotate IMAGE", "turn the screen: the device starts in the other orientation", 1, 1, noOptions,
     runRotate},
    {"ps", "ps IMAGE", "list the device's processes: id, threads, heap KB, program", 1, 1, noOptions, runPs},
    {"reset", "reset IMAGE", "soft reset: processes end, the device boots, StartUp entries start", 1, 1, noOptions,
     runReset},
    {"notify list", "notify IMAGE list", "list the notifications: handle, type, event, start, program, arguments", 1,
     1, noOptions, runNotifyList},
    {"notify add-time", "notify IMAGE add-time \"YYYY-MM-DD HH:MM:SS\" APP [ARGS]",
     "run a program at a local time", 3, 4, noOptions, runNotifyAddTime},
    {"notify add-event", "notify IMAGE add-event CODE APP [ARGS]", "run a program at a system event", 3, 4,
     noOptions, runNotifyAddEvent},
    {"notify clear", "notify IMAGE clear HANDLE", "remove a notification", 2, 2, noOptions, runNotifyClear},
    {"event", "event IMAGE CODE", "raise a system event (fires what is registered for it)", 2, 2, noOptions,
     runEvent},
    {"time get", "time IMAGE get", "show the device's local time", 1, 1, noOptions, runTimeGet},
    {"time set", "time IMAGE set \"YYYY-MM-DD HH:MM:SS\"", "set the local time (a time-change event)", 2, 2,
     noOptions, runTimeSet},
    {"time advance", "time IMAGE advance SECONDS", "let time pass (fires what falls due, in order)", 2, 2,
     noOptions, runTimeAdvance},
    {"card insert", "card IMAGE insert NAME", "insert a storage card of the profile", 2, 2, noOptions,
     runCardInsert},
    {"card remove", "card IMAGE remove NAME", "remove a storage card (its folder leaves the device)", 2, 2,
     noOptions, runCardRemove},
    {"db list", "db IMAGE list", "list the database volumes, databases, record counts and sizes", 1, 1, noOptions,
     runDbList},
    {"db dump", "db IMAGE dump VOLUME DBNAME", "print a database's records with their typed properties", 3, 3,
     noOptions, runDbDump},
};

// Commands written "GROUP IMAGE VERB ...".
constexpr std::string_view groupCommands[] = {"reg", "notify", "time", "card", "db"};

bool isGroup(const std::string& word)
{
    return std::find(std::begin(groupCommands), std::end(groupCommands), word) != std::end(groupCommands);
}

void printUsage(std::ostream& out)
{
    out << "usage: cedevice COMMAND IMAGE [ARGUMENTS]\n\n";
    for (const auto& command : commands)
        out << "  cedevice " << std::left << std::setw(46) << command.synopsis << command.summary << '\n';
    out << "\nKEY: HKEY_LOCAL_MACHINE\\... (or HKLM, HKCU, HKCR, HKU, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT,\n"
           "HKEY_USERS). TYPE: sz expand_sz multi_sz dword binary none, or a number. DATA: text for sz\n"
           "and expand_sz, strings separated by | for multi_sz, decimal or 0x-hex for dword, hex bytes\n"
           "(01,ff,3a or 01ff3a) for binary, none and numbered types. HEX attributes: e.g. 0x2041.\n"
           "\nA booted device stays on: simulated programs started by run (they never end by themselves;\n"
           "run prints their process id) start again at each later command, until reset. An image\n"
           "that is off boots fresh, with only its boot programs. ARGS after \"--\" may start with \"--\".\n";
}

// "get|set|del|list|deny" for "reg".
std::string verbsOf(const std::string& group)
{
    std::string verbs;
    for (const auto& command : commands) {
        if (command.words.size() > group.size() && command.words.starts_with(group + " "))
            verbs += (verbs.empty() ? "" : "|") + std::string(command.words.substr(group.size() + 1));
    }
    return verbs;
}

// The command's words and its arguments ("reg IMAGE get KEY" names "reg get" with IMAGE KEY).
std::pair<std::string, std::vector<std::string>> splitCommand(const std::vector<std::string>& args)
{
    if (!isGroup(args[0]) || args.size() < 3)
        return {args[0], {args.begin() + 1, args.end()}};
    std::vector<std::string> rest{args[1]};
    rest.insert(rest.end(), args.begin() + 3, args.end());
    return {args[0] + " " + args[2], rest};
}

}  // namespace
}  // namespace cedevice

int runCedevice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    using namespace cedevice;
    if (args.empty()) {
        printUsage(err);
        return 1;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(out);
        return 0;
    }
    const auto [words, rest] = splitCommand(args);
    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [&](const CommandSpec& c) { return c.words == words; });
    if (command == std::end(commands)) {
        if (isGroup(args[0]))
            err << "usage: cedevice " << args[0] << " IMAGE " << verbsOf(args[0]) << " ...\n";
        else
            err << "cedevice: unknown command \"" << args[0] << "\" (cedevice --help lists the commands)\n";
        return 1;
    }
    CommandLine line;
    if (!parseCommandLine(rest, command->options, line) || line.has("--help")
        || line.positional.size() < command->minArguments || line.positional.size() > command->maxArguments) {
        err << "usage: cedevice " << command->synopsis << '\n';
        return 1;
    }
    try {
        command->run(line, out);
        return 0;
    } catch (const ScriptFailure& e) {
        err << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "cedevice: " << e.what() << '\n';
        return 1;
    }
}
