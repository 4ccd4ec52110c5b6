// The command line of one cedevice command: positional arguments and "--name [value]" options.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cedevice {

struct OptionSpec {
    std::string_view name;  // with its leading "--"
    bool takesValue;
};

struct CommandLine {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;

    // The option's value, or null when it was not given.
    const std::string* option(std::string_view name) const;
    bool has(std::string_view name) const { return options.count(name) != 0; }
};

// Splits args into positional arguments and the options in specs, as "--name value" or
// "--name=value"; "--" ends the options. False on an unknown option or a missing value.
bool parseCommandLine(std::span<const std::string> args, std::span<const OptionSpec> specs, CommandLine& line);

}  // namespace cedevice
