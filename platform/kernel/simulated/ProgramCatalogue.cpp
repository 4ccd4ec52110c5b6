// Reading [program.NAME] sections of device.ini.
//
// Keys (all optional; a section named like a built-in program changes only the keys it gives):
//   Path=\Windows\pword.exe       the executable; default \Windows\NAME.exe
//   Kind=system|user              system programs always run at boot; default user
//   AtBoot=0|1                    a user program started at boot; default 0
//   Threads=3                     thread count; default 1
//   ThreadLoad=2,0,0              CPU percent (0-100) per thread; missing threads use none
//   Modules=coredll.dll,aygshell.dll   built-in modules besides the program; default coredll.dll
//   Heap=default:65536:8192       NAME:USED:FREE bytes (in blocks : free, not yet returned);
//   Heap1=…, Heap2=…              further heaps (16 at most). One is named "default", the process heap; a
//                                 section that gives any Heap key replaces all heaps.
//                                 Default one heap default:65536:8192
//   CodeSize=65536                size of the program image; default 65536
//   Window=class|title|style|exstyle|owner   a top-level window (style and exstyle in hex,
//   Window1=…, Window2=…          owner the class of the program's window that owns it; title,
//                                 styles and owner may be left out). A section that gives any
//                                 Window key replaces all windows.
//   OnClose=close|after:500|dialog|ignore    the answer to WM_CLOSE: close at once, after 500 ms,
//                                 show an OK dialog, or nothing; default close
//   HibernateBytes=131072         heap bytes WM_HIBERNATE gives back; at most the used bytes
//   Hung=0|1                      1: the program makes its windows, then never reads its queue
//                                 again (sends to it time out); default 0
//   OpenDatabase=\pim.vol|Contacts Database   a database the program holds open while it runs
//   OpenDatabase1=…, OpenDatabase2=…          (VOLUME|NAME: the volume file's device path and the
//                                 database name, up to 31 characters); one the device lacks is
//                                 not held. A section that gives any OpenDatabase key replaces all.
#include "ProgramCatalogue.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "BuiltinPrograms.h"
#include "emulator/Text.h"
#include "text/CaseTable.h"

namespace ce {
namespace {

constexpr std::string_view sectionPrefix = "program.";
constexpr DWORD largestHeap = 256u << 20;
constexpr size_t maxHeaps = 16;
constexpr size_t maxDatabaseName = 31;

bool isProgramSection(const std::string& name)
{
    return name.size() > sectionPrefix.size() && name.compare(0, sectionPrefix.size(), sectionPrefix) == 0;
}

bool parseDword(std::string_view text, DWORD& value, int base = 10)
{
    if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool parseFlag(std::string_view text, bool& flag)
{
    flag = text == "1";
    return text == "0" || text == "1";
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// Keys named BASE or BASE followed by digits (Heap, Heap1, Window2 …).
bool isRepeatedKey(const std::string& key, std::string_view base)
{
    if (key.compare(0, base.size(), base) != 0)
        return false;
    for (size_t i = base.size(); i < key.size(); ++i)
        if (key[i] < '0' || key[i] > '9')
            return false;
    return true;
}

bool parseExePath(const std::string& value, std::u16string& path)
{
    std::u16string text = emulator::fromUtf8(value);
    if (text.size() < 2 || text.size() >= MAX_PATH || text[0] != u'\\' || text.back() == u'\\')
        return false;
    for (char16_t c : text)
        if (c < 0x20 || std::u16string_view(u"/:*?\"<>|").find(c) != std::u16string_view::npos)
            return false;
    path = std::move(text);
    return true;
}

bool parseLoads(const std::string& value, std::vector<DWORD>& loads)
{
    loads.clear();
    for (auto part : split(value, ',')) {
        DWORD load = 0;
        if (!parseDword(part, load) || load > 100)
            return false;
        loads.push_back(load);
    }
    return true;
}

bool parseModules(const std::string& value, std::vector<std::u16string>& modules)
{
    modules.clear();
    if (value.empty())
        return true;
    for (auto part : split(value, ',')) {
        std::u16string name = emulator::fromUtf8(part);
        if (name.empty() || name.size() >= MAX_PATH || name.find_first_of(u"\\/:*?\"<>|") != std::u16string::npos)
            return false;
        modules.push_back(std::move(name));
    }
    return true;
}

bool parseHeap(const std::string& value, SimulatedHeap& heap)
{
    auto parts = split(value, ':');
    if (parts.size() != 3 || parts[0].empty())
        return false;
    heap.name = parts[0];
    return parseDword(parts[1], heap.usedBytes) && parseDword(parts[2], heap.freeBytes)
        && heap.usedBytes <= largestHeap && heap.freeBytes <= largestHeap;
}

bool parseWindow(const std::string& value, SimulatedWindow& window)
{
    auto parts = split(value, '|');
    if (parts.size() > 5 || parts[0].empty())
        return false;
    window.className = emulator::fromUtf8(parts[0]);
    window.title = parts.size() > 1 ? emulator::fromUtf8(parts[1]) : u"";
    window.ownerClass = parts.size() > 4 ? emulator::fromUtf8(parts[4]) : u"";
    return (parts.size() <= 2 || parseDword(parts[2], window.style, 16))
        && (parts.size() <= 3 || parseDword(parts[3], window.exStyle, 16));
}

bool parseOnClose(const std::string& value, SimulatedDescription& program)
{
    static const std::pair<std::string_view, CloseBehaviour> plain[] = {
        {"close", CloseBehaviour::Close}, {"dialog", CloseBehaviour::Dialog}, {"ignore", CloseBehaviour::Ignore}};
    for (auto [word, behaviour] : plain)
        if (value == word) {
            program.onClose = behaviour;
            return true;
        }
    constexpr std::string_view after = "after:";
    program.onClose = CloseBehaviour::CloseAfter;
    return value.compare(0, after.size(), after) == 0
        && parseDword(std::string_view(value).substr(after.size()), program.closeDelayMs);
}

bool parseOpenDatabase(const std::string& value, SimulatedDatabase& database)
{
    auto parts = split(value, '|');
    if (parts.size() != 2)
        return false;
    database.volume = emulator::fromUtf8(parts[0]);
    database.name = emulator::fromUtf8(parts[1]);
    return database.volume.size() > 1 && database.volume.size() < MAX_PATH && database.volume[0] == u'\\'
        && !database.name.empty() && database.name.size() <= maxDatabaseName;
}

// The state of reading one section: the description and what the section gave so far.
struct SectionReader {
    SimulatedDescription& program;
    size_t baseThreads;  // the thread count before this section
    std::optional<DWORD> threadCount;
    bool gaveLoads = false;
    bool gaveHeap = false;
    bool gaveWindow = false;
    bool gaveDatabase = false;

    bool apply(const std::string& key, const std::string& value)
    {
        if (key == "Path")
            return parseExePath(value, program.exePath);
        if (key == "Kind") {
            program.system = value == "system";
            return value == "system" || value == "user";
        }
        if (key == "AtBoot")
            return parseFlag(value, program.atBoot);
        if (key == "Threads") {
            DWORD count = 0;
            if (!parseDword(value, count) || count < 1 || count > 64)
                return false;
            threadCount = count;
            return true;
        }
        if (key == "ThreadLoad") {
            gaveLoads = true;
            return parseLoads(value, program.threadLoads);
        }
        if (key == "Modules")
            return parseModules(value, program.modules);
        if (key == "CodeSize")
            return parseDword(value, program.codeSize) && program.codeSize <= largestHeap;
        if (key == "OnClose")
            return parseOnClose(value, program);
        if (key == "HibernateBytes")
            return parseDword(value, program.hibernateBytes);
        if (key == "Hung")
            return parseFlag(value, program.hung);
        if (isRepeatedKey(key, "Heap")) {
            if (!gaveHeap)
                program.heaps.clear();
            gaveHeap = true;
            return parseHeap(value, program.heaps.emplace_back());
        }
        if (isRepeatedKey(key, "Window")) {
            if (!gaveWindow)
                program.windows.clear();
            gaveWindow = true;
            return parseWindow(value, program.windows.emplace_back());
        }
        if (isRepeatedKey(key, "OpenDatabase")) {
            if (!gaveDatabase)
                program.openDatabases.clear();
            gaveDatabase = true;
            return parseOpenDatabase(value, program.openDatabases.emplace_back());
        }
        return false;
    }

    // Checks that span keys: "KEY: what is wrong", or empty when the section is sound.
    std::string finish()
    {
        const size_t given = program.threadLoads.size();
        const size_t threads = threadCount ? *threadCount : std::max(given, baseThreads);
        if (gaveLoads && given > threads)
            return "ThreadLoad: more loads than Threads";
        program.threadLoads.resize(threads, 0);
        size_t defaults = 0;
        for (size_t i = 0; i < program.heaps.size(); ++i) {
            defaults += program.heaps[i].name == "default";
            for (size_t j = 0; j < i; ++j)
                if (program.heaps[i].name == program.heaps[j].name)
                    return "Heap: two heaps named " + program.heaps[i].name;
        }
        if (defaults != 1)
            return "Heap: exactly one heap must be named default";
        if (program.heaps.size() > maxHeaps)
            return "Heap: more than 16 heaps";
        if (program.hibernateBytes > program.usedHeapBytes())
            return "HibernateBytes: more than the heaps hold in use";
        return {};
    }
};

SimulatedDescription defaultDescription(const std::string& name)
{
    SimulatedDescription program;
    program.name = name;
    program.exePath = u"\\Windows\\" + emulator::fromUtf8(name) + u".exe";
    program.threadLoads = {0};
    program.modules = {u"coredll.dll"};
    program.heaps = {{"default", 65536, 8192}};
    program.codeSize = 65536;
    return program;
}

bool applySection(const emulator::IniSection& section, std::vector<SimulatedDescription>& programs, std::string& error)
{
    std::string name = section.name.substr(sectionPrefix.size());
    auto known = std::find_if(programs.begin(), programs.end(), [&](const SimulatedDescription& program) {
        return sameNameDevice(emulator::fromUtf8(program.name), emulator::fromUtf8(name));
    });
    SimulatedDescription program = known == programs.end() ? defaultDescription(name) : *known;
    SectionReader reader{program, std::max<size_t>(program.threadLoads.size(), 1), std::nullopt};
    for (const auto& [key, value] : section.entries)
        if (!reader.apply(key, value)) {
            error = "[" + section.name + "] " + key + "=" + value + ": bad or unknown value";
            return false;
        }
    if (std::string problem = reader.finish(); !problem.empty()) {
        error = "[" + section.name + "] " + problem;
        return false;
    }
    for (auto other = programs.begin(); other != programs.end(); ++other)
        if (other != known && sameNameDevice(other->exePath, program.exePath)) {
            error = "[" + section.name + "] Path: another program has the same executable";
            return false;
        }
    if (known == programs.end())
        programs.push_back(std::move(program));
    else
        *known = std::move(program);
    return true;
}

}  // namespace

const SimulatedDescription* findProgram(const std::vector<SimulatedDescription>& programs,
                                        std::u16string_view exePath)
{
    for (const auto& program : programs)
        if (sameNameDevice(program.exePath, exePath))
            return &program;
    return nullptr;
}

bool readProgramCatalogue(const emulator::Profile& profile, std::vector<SimulatedDescription>& programs,
                          std::string& error)
{
    programs.clear();
    for (const auto& section : builtinProgramSections(profile.phone))
        if (!applySection(section, programs, error))
            return false;
    for (const auto& section : profile.otherSections)
        if (isProgramSection(section.name) && !applySection(section, programs, error)) {
            error = "device.ini " + error;
            return false;
        }
    return true;
}

}  // namespace ce
