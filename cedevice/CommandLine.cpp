// Parsing a command's arguments.
#include "CommandLine.h"

#include <algorithm>

namespace cedevice {

const std::string* CommandLine::option(std::string_view name) const
{
    auto it = options.find(name);
    return it == options.end() ? nullptr : &it->second;
}

bool parseCommandLine(std::span<const std::string> args, std::span<const OptionSpec> specs, CommandLine& line)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.starts_with("--")) {
            line.positional.push_back(arg);
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        auto option = std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& s) { return s.name == name; });
        if (option == specs.end())
            return false;
        if (!option->takesValue) {
            if (equals != std::string::npos)
                return false;
            line.options[name];
            continue;
        }
        if (equals != std::string::npos)
            line.options[name] = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            line.options[name] = args[++i];
        else
            return false;
    }
    return true;
}

}  // namespace cedevice
