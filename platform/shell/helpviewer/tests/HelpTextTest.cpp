// HTML help as plain text: sections by anchor, tags, white space, line breaks, entities, and the
// encodings a help file may come in.
#include <gtest/gtest.h>

#include "../HelpText.h"

namespace {

using ce::shell::helpFileText;
using ce::shell::helpSectionText;

constexpr char16_t document[] = uR"(<html><head><title>Kelvara Help</title>
<style>p { color: red }</style></head>
<body>
<h1>Kelvara</h1>
<p>Intro   text
 over two lines.</p>
<a name="main"></a><h2>Main  screen</h2>
<p>Tap <b>Start</b> to begin.<br>Then wait.</p>
<ul><li>First</li><li>Second</li></ul>
<h2 id="Options">Options</h2>
<p>Choose &amp; confirm &lt;OK&gt;.</p>
<!-- <a name="hidden"> -->
<p>Still options.</p>
<A NAME='last'>Last</A> <script>var a = "<a name='x'>";</script>words
</body></html>)";

TEST(HelpTextTest, SectionsRunFromTheirAnchorToTheNext)
{
    struct Case {
        const char16_t* anchor;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"main", u"Main screen\r\n\r\nTap Start to begin.\r\nThen wait.\r\n\r\nFirst\r\nSecond"},
        {u"options", u"Options\r\n\r\nChoose & confirm <OK>.\r\n\r\nStill options."},
        {u"last", u"Last words"},
        {u"MAIN", u"Main screen\r\n\r\nTap Start to begin.\r\nThen wait.\r\n\r\nFirst\r\nSecond"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpSectionText(document, c.anchor), c.expected) << std::string(c.anchor, c.anchor + 4);
}

TEST(HelpTextTest, MissingOrEmptyAnchorShowsTheWholeDocument)
{
    const std::u16string whole = u"Kelvara\r\n\r\nIntro text over two lines.\r\n\r\nMain screen\r\n\r\n"
                                 u"Tap Start to begin.\r\nThen wait.\r\n\r\nFirst\r\nSecond\r\n\r\nOptions\r\n\r\n"
                                 u"Choose & confirm <OK>.\r\n\r\nStill options.\r\n\r\nLast words";
    EXPECT_EQ(helpSectionText(document, u""), whole);
    EXPECT_EQ(helpSectionText(document, u"nowhere"), whole);
    EXPECT_EQ(helpSectionText(document, u"hidden"), whole) << "an anchor inside a comment is none";
}

TEST(HelpTextTest, EntitiesAndWhiteSpace)
{
    struct Case {
        const char16_t* html;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"a&amp;b &lt;c&gt; &quot;d&quot; &apos;e&apos;", u"a&b <c> \"d\" 'e'"},
        {u"x&nbsp;&nbsp;y", u"x  y"},
        {u"&#65;&#x42;&#X43;&#228;&#x1F600;", u"ABC\u00E4\U0001F600"},
        {u"&unknown; & alone &#; &#xZZ; &#0; &#99999999;", u"&unknown; & alone &#; &#xZZ; &#0; &#99999999;"},
        {u"  lead\t\tand\n\ntrail  ", u"lead and trail"},
        {u"<pre>  kept\n    as is</pre>after", u"  kept\r\n    as is\r\n\r\nafter"},
        {u"one<br><br>two", u"one\r\n\r\ntwo"},
        {u"<div>a</div><div>b</div><p></p><p></p><p>c</p>", u"a\r\nb\r\n\r\nc"},
        {u"1 < 2 and <3", u"1 < 2 and <3"},
        {u"<b>bold", u"bold"},
        {u"<p>unclosed <a href=\"x>y\"", u"unclosed"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpSectionText(c.html, u""), c.expected);
}

TEST(HelpTextTest, AnchorsMatchNameOnLinksAndIdOnAnyTag)
{
    struct Case {
        const char16_t* html;
        const char16_t* anchor;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"<p name=\"n\">p</p><a name=n>here</a>", u"n", u"here"},
        {u"x<div id=\"d\">in div</div><a id=e>e</a>", u"d", u"in div"},
        {u"<a href=\"#b\" name = \"b\">link</a> tail", u"b", u"link tail"},
        {u"<a name=\"\">empty</a><a name=\"c\">c</a>", u"c", u"c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpSectionText(c.html, c.anchor), c.expected);
}

std::vector<BYTE> bytesOf(std::initializer_list<int> values)
{
    std::vector<BYTE> bytes;
    for (int v : values)
        bytes.push_back(static_cast<BYTE>(v));
    return bytes;
}

TEST(HelpTextTest, FileEncodings)
{
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"ascii", bytesOf({'a', 'b'}), u"ab"},
        {"utf-8", bytesOf({'a', 0xC3, 0xA4}), u"a\u00E4"},
        {"utf-8 mark", bytesOf({0xEF, 0xBB, 0xBF, 0xE2, 0x82, 0xAC}), u"\u20AC"},
        {"windows-1252", bytesOf({'a', 0xE4, 0x80}), u"a\u00E4\u20AC"},
        {"utf-16", bytesOf({0xFF, 0xFE, 'h', 0, 0xAC, 0x20}), u"h\u20AC"},
        {"empty", {}, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpFileText(c.bytes), c.text) << c.name;
}

} // namespace
