// What the help viewer shows: one section of an HTML help file as plain text, and the file's
// bytes as text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ceapi.h"
#include "windef.h"

namespace ce::shell {

// The section of `html` that starts at the tag naming `anchor` (<a name="ANCHOR"> or any tag
// with id="ANCHOR", compared without case) and runs to the next such tag, as plain text: tags
// removed, the contents of head, title, script and style left out, white space collapsed
// (except in pre), line breaks for br and block tags (a blank line around paragraphs, headings,
// lists and tables), entities decoded (&amp; &lt; &gt; &quot; &apos; &nbsp; &#NNN; &#xHH;).
// Lines end in "\r\n". The whole document when `anchor` is empty or names no tag.
CEAPI std::u16string helpSectionText(std::u16string_view html, std::u16string_view anchor);

// The text of a help file: UTF-16 after a little-endian byte-order mark, UTF-8 after its mark or
// when the bytes are valid UTF-8, Windows-1252 otherwise.
CEAPI std::u16string helpFileText(const std::vector<BYTE>& bytes);

} // namespace ce::shell
