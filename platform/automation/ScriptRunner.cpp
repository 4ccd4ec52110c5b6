// Scripts for the automation: one action per line, texts in double quotes, '#' to the end of
// the line a comment. The first failing line ends the run.
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/Automation.h"
#include "emulator/Screen.h"
#include "emulator/Text.h"

namespace emulator {
namespace {

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts (\" and \\ inside quotes); false on an open quote.
bool splitLine(const std::string& line, std::vector<Word>& words)
{
    size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Word word {"", true};
            for (++at; at < line.size() && line[at] != '"'; ++at) {
                if (line[at] == '\\' && at + 1 < line.size())
                    ++at;
                word.text += line[at];
            }
            if (at >= line.size())
                return false;
            ++at;
            words.push_back(word);
        } else {
            const size_t end = line.find_first_of(" \t\r#\"", at);
            words.push_back({line.substr(at, end - at), false});
            at = end == std::string::npos ? line.size() : end;
        }
    }
    return true;
}

std::optional<int> numberOf(const Word& word)
{
    if (word.quoted || word.text.empty() || word.text.find_first_not_of("0123456789") != std::string::npos
        || word.text.size() > 9)
        return std::nullopt;
    return std::stoi(word.text);
}

std::u16string wide(const Word& word)
{
    return fromUtf8(word.text);
}

// Runs one parsed line: an empty text when it worked, else what went wrong.
std::string runLine(const std::vector<Word>& words, Automation& automation, std::ostream& out)
{
    const std::string& command = words[0].text;
    const size_t arguments = words.size() - 1;
    const auto expectArguments = [&](size_t count, const char* form) -> std::string {
        return arguments == count ? std::string {} : std::string("expected: ") + form;
    };
    const auto quotedAt = [&](size_t index) { return index < words.size() && words[index].quoted; };

    if (command == "wait") {
        if (auto error = expectArguments(1, "wait \"TEXT\""); !error.empty() || !quotedAt(1))
            return error.empty() ? "expected: wait \"TEXT\"" : error;
        return automation.waitFor(wide(words[1]));
    }
    if (command == "tap") {
        if (arguments != 1)
            return "expected: tap ID | \"TEXT\"";
        if (const auto id = numberOf(words[1]))
            return automation.tap(*id);
        return quotedAt(1) ? automation.tap(wide(words[1])) : "expected: tap ID | \"TEXT\"";
    }
    if (command == "menu") {
        if (arguments != 1 || !quotedAt(1))
            return "expected: menu \"A/B/C\"";
        return automation.menu(wide(words[1]));
    }
    if (command == "check") {
        if (arguments != 2 || (words[2].text != "on" && words[2].text != "off"))
            return "expected: check ID | \"TEXT\" on|off";
        const bool on = words[2].text == "on";
        if (const auto id = numberOf(words[1]))
            return automation.check(*id, on);
        return quotedAt(1) ? automation.check(wide(words[1]), on) : "expected: check ID | \"TEXT\" on|off";
    }
    if (command == "select" || command == "type") {
        const auto id = arguments == 2 ? numberOf(words[1]) : std::nullopt;
        if (!id || !quotedAt(2))
            return "expected: " + command + " ID \"TEXT\"";
        return command == "select" ? automation.select(*id, wide(words[2])) : automation.type(*id, wide(words[2]));
    }
    if (command == "ok") {
        if (auto error = expectArguments(0, "ok"); !error.empty())
            return error;
        return automation.ok();
    }
    if (command == "answer") {
        if (arguments != 1)
            return "expected: answer Yes|No|OK|Cancel";
        return automation.answer(wide(words[1]));
    }
    if (command == "file" || command == "expect") {
        if (arguments != 1 || !quotedAt(1))
            return "expected: " + command + (command == "file" ? " \"DEVPATH\"" : " \"TEXT\"");
        return command == "file" ? automation.file(wide(words[1])) : automation.expect(wide(words[1]));
    }
    if (command == "dump") {
        if (auto error = expectArguments(0, "dump"); !error.empty())
            return error;
        out << automation.dump();
        return {};
    }
    if (command == "screenshot") {
        if (arguments != 1 || !quotedAt(1))
            return "expected: screenshot \"OUT.png\"";
        std::string error;
        if (!saveScreenshot(std::filesystem::u8path(words[1].text), error))
            return error;
        return {};
    }
    if (command == "quit") {
        if (auto error = expectArguments(0, "quit"); !error.empty())
            return error;
        return automation.quit();
    }
    return "unknown command \"" + command + "\"";
}

} // namespace

int runScript(std::istream& script, Automation& automation, std::ostream& out, std::ostream& errors)
{
    automation.settle();
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        std::vector<Word> words;
        std::string error;
        if (!splitLine(line, words))
            error = "a quoted text is not closed";
        else if (words.empty())
            continue;
        else if (words[0].quoted)
            error = "a line starts with its command";
        else
            error = runLine(words, automation, out);
        if (!error.empty()) {
            errors << "script line " << number << ": " << line << ": " << error << '\n';
            return 2;
        }
    }
    return 0;
}

} // namespace emulator
