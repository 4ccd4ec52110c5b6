// The lines of an edit control's text. A multi-line edit breaks lines at CR LF only (no word
// wrap); a single-line edit's text is one line whatever it holds.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ce::gwes::basic {

class EditLines {
public:
    EditLines(const std::u16string& text, bool multiline);

    int count() const { return static_cast<int>(m_starts.size()); }
    // The index of the first character of a line.
    size_t start(int line) const { return m_starts[static_cast<size_t>(line)]; }
    // The characters of a line, without its CR LF.
    size_t length(int line) const;
    size_t end(int line) const { return start(line) + length(line); }
    // The line that holds a character index (the last line past the end).
    int lineOf(size_t index) const;

private:
    std::vector<size_t> m_starts;
    size_t m_textLength;
};

// The index one character before / after `index`, taking CR LF as one step.
size_t stepBack(const std::u16string& text, size_t index);
size_t stepForward(const std::u16string& text, size_t index);

} // namespace ce::gwes::basic
