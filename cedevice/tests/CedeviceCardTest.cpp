// cedevice card IMAGE insert|remove NAME, and what info shows of a removed card.
#include <fstream>

#include "CedeviceTestSupport.h"

using namespace cedevice_test;

namespace {

TEST_F(ImageTest, CardRemoveAndInsertKeepTheCardsFiles)
{
    std::ofstream((folder.path() / "a.txt").string()) << "on the card";
    succeeds({"put", image, (folder.path() / "a.txt").string(), "\\Storage Card\\a.txt"});

    EXPECT_EQ("", succeeds({"card", image, "remove", "Storage Card"}));
    const std::string info = succeeds({"info", image});
    EXPECT_NE(std::string::npos, info.find("Storage card:   Storage Card\n  Inserted:     no\n")) << info;
    EXPECT_EQ(std::string::npos, info.find("  Free:")) << info;
    EXPECT_NE("", fails({"get", image, "\\Storage Card\\a.txt", (folder.path() / "out.txt").string()}));

    EXPECT_EQ("", succeeds({"card", image, "insert", "storage card"}));
    EXPECT_NE(std::string::npos, succeeds({"info", image}).find("  Inserted:     yes\n"));
    succeeds({"get", image, "\\Storage Card\\a.txt", (folder.path() / "back.txt").string()});
    std::ifstream back((folder.path() / "back.txt").string());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(back), {}), "on the card");
}

TEST_F(ImageTest, CardErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"card", image, "insert", "Storage Card"}, "cedevice: storage card \"Storage Card\" is inserted already"},
        {{"card", image, "remove", "Memory Stick"}, "cedevice: no storage card \"Memory Stick\" in the profile\n"},
        {{"card", image, "remove", "Storage Card"}, nullptr},
        {{"card", image, "remove", "Storage Card"}, "cedevice: storage card \"Storage Card\" is removed already\n"},
        {{"card", image, "eject", "Storage Card"}, "usage: cedevice card IMAGE insert|remove ...\n"},
        {{"card", image, "insert"}, "usage: cedevice card IMAGE insert NAME\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        if (!c.error) {
            succeeds(c.args);
            continue;
        }
        const std::string error = fails(c.args);
        EXPECT_EQ(0u, error.rfind(c.error, 0)) << error;
    }
}

} // namespace
