// `cedevice run --script`: a script drives a test program end to end (typing, check boxes,
// list and tree check boxes, a combo box, a message box, a menu bar, the dump, OK), and failing
// or malformed lines end the run with exit code 2 and one line naming them.
#include <fstream>

#include "CedeviceTestSupport.h"

using namespace cedevice_test;

namespace {

class ScriptTest : public ImageTest {
protected:
    ScriptTest() { succeeds({"put", image, SCRIPTED_PROGRAM_IMAGE, "\\scripted.exe"}); }

    Result runScript(const std::string& text)
    {
        const std::string path = (folder.path() / "script.txt").string();
        std::ofstream(path) << text;
        return cedevice({"run", image, "--virtual-time", "--script", path, "\\scripted.exe"});
    }
};

TEST_F(ScriptTest, AScriptDrivesTheProgramAsAPersonWould)
{
    const Result result = runScript(R"(# every kind of action once
wait "Ready"
type 101 "abc"
check 102 on
check "Temp" on
check "Leaf" on
select 106 "High"
tap "Save"
expect "Save 2 items?"
answer Yes
wait "Saved abc"
menu "Tools/Clear"
wait "Cleared"
dump
ok
)");
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    // Every setting reached the program: 1 + 2 + 4 + 8 + 16.
    EXPECT_NE(result.out.find("exit code 31"), std::string::npos) << result.out;
    for (const char* line : {"Dialog \"Scripted\"", "STATIC 100 \"Cleared\"", "EDIT 101 \"abc\"",
             "BUTTON 102 \"Keep logs\" checked", "row 1 [checked]: \"Temp\"", "\"Leaf\" [checked]", "\"High\""})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
}

TEST_F(ScriptTest, TheProgramIsClosedWhenTheScriptEndsWithoutQuit)
{
    const Result result = runScript("wait \"Ready\"\n");
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("exit code 100"), std::string::npos) << result.out; // closing is Cancel
}

TEST_F(ScriptTest, AFailingLineEndsTheRunWithCodeTwoAndNamesTheLine)
{
    struct Case {
        const char* script;
        const char* message; // the one line printed
    };
    const Case cases[] = {
        {"tap 999\n", "script line 1: tap 999: no shown control 999 in the foreground window\n"},
        {"wait \"Ready\"\n\nwait \"Nowhere\"\n", "script line 3: wait \"Nowhere\": no shown window holds \"Nowhere\" after 10 s\n"},
        {"answer Yes\n", "script line 1: answer Yes: no message box is shown\n"},
        {"jump 3\n", "script line 1: jump 3: unknown command \"jump\"\n"},
        {"check 102 maybe\n", "script line 1: check 102 maybe: expected: check ID | \"TEXT\" on|off\n"},
        {"type 101 \"abc\n", "script line 1: type 101 \"abc: a quoted text is not closed\n"},
        {"expect \"Nothing like it\"\n",
            "script line 1: expect \"Nothing like it\": the foreground window \"Scripted\" does not hold \"Nothing like it\"\n"},
        {"menu \"Tools/Paint\"\n", "script line 1: menu \"Tools/Paint\": the menu has no item \"Tools/Paint\" to choose\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Result result = runScript(c.script);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(ScriptTest, AMissingScriptFileIsAnError)
{
    const Result result = cedevice(
        {"run", image, "--virtual-time", "--script", (folder.path() / "none.txt").string(), "\\scripted.exe"});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("cannot read the script"), std::string::npos) << result.err;
}

} // namespace
