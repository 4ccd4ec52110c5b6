// cedevice ls, mkdir, put, get, attrib and rm against a fresh image.
#include <fstream>
#include <iterator>
#include <regex>

#include "CedeviceTestSupport.h"

namespace cedevice_test {
namespace {

class FilesTest : public ImageTest {
protected:
    std::string hostFile(const std::string& name, const std::string& bytes)
    {
        const auto path = folder.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::string hostBytes(const std::string& name)
    {
        std::ifstream in(folder.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> lsLines(const std::string& path)
    {
        std::vector<std::string> lines;
        std::istringstream text(succeeds({"ls", image, path}));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    // The names in a listing, in the order printed.
    std::vector<std::string> lsNames(const std::string& path)
    {
        std::vector<std::string> names;
        for (const auto& line : lsLines(path))
            names.push_back(line.substr(line.rfind("  ") + 2));
        return names;
    }
};

const std::regex listingLine(R"([d-][r-][h-][s-][a-][t-][c-][i-][m-]  [ 0-9<>DIR]{10}  \d{4}-\d\d-\d\d \d\d:\d\d:\d\d  .+)");

TEST_F(FilesTest, LsListsSortedEntriesWithAttributesSizeAndTime)
{
    const std::vector<std::string> root = lsNames("\\");
    // A fresh root: its folders and the database volumes, sorted without regard to case.
    const std::vector<std::string> expected = {"Application Data\\", "cemail.vol", "My Documents\\", "pim.vol",
                                               "Program Files\\",    "Storage Card\\", "Temp\\", "Windows\\"};
    EXPECT_EQ(expected, root);
    for (const auto& line : lsLines("\\")) {
        EXPECT_TRUE(std::regex_match(line, listingLine)) << line;
        const bool folder = line.back() == '\\';
        EXPECT_EQ(folder ? "d" : "-", line.substr(0, 1)) << line;
        if (folder) {
            EXPECT_EQ("     <DIR>", line.substr(11, 10)) << line;
        }
    }

    succeeds({"put", image, hostFile("five.txt", "12345"), "\\Temp\\five.txt"});
    const auto temp = lsLines("/Temp/");
    ASSERT_EQ(1u, temp.size());
    EXPECT_TRUE(std::regex_match(temp[0], listingLine)) << temp[0];
    EXPECT_EQ("           5", temp[0].substr(9, 12)) << temp[0];
    EXPECT_EQ("five.txt", temp[0].substr(temp[0].rfind("  ") + 2));

    const auto nk = lsLines("\\Windows\\NK.EXE");  // a file lists as itself
    ASSERT_EQ(1u, nk.size());
    EXPECT_EQ("-r-----im", nk[0].substr(0, 9));
    EXPECT_EQ("nk.exe", nk[0].substr(nk[0].rfind("  ") + 2));
}

TEST_F(FilesTest, LsPatternsAndEmptyFolders)
{
    for (const auto& name : lsNames("\\Windows\\*.exe"))
        EXPECT_TRUE(name.ends_with(".exe")) << name;
    EXPECT_FALSE(lsNames("\\Windows\\*.exe").empty());
    EXPECT_TRUE(lsNames("\\Windows\\*.nothing").empty());
    EXPECT_TRUE(lsNames("\\My Documents").empty());
    EXPECT_EQ("cedevice: \\Nope: The system cannot find the file specified.\n", fails({"ls", image, "\\Nope"}));
}

TEST_F(FilesTest, MkdirMakesParentsAndAcceptsExistingFolders)
{
    EXPECT_EQ("", succeeds({"mkdir", image, "\\a\\b\\c"}));
    EXPECT_EQ(std::vector<std::string>{"c\\"}, lsNames("\\a\\b"));
    succeeds({"mkdir", image, "a/b/c/"});
    succeeds({"mkdir", image, "\\Windows"});
    EXPECT_EQ(std::vector<std::string>{"c\\"}, lsNames("\\a\\b"));

    succeeds({"put", image, hostFile("f", "x"), "\\a\\file"});
    EXPECT_EQ("cedevice: \\a\\file: Cannot create a file when that file already exists.\n",
              fails({"mkdir", image, "\\a\\file\\sub"}));
}

TEST_F(FilesTest, PutAndGetRoundTrip)
{
    std::string bytes;
    for (int i = 0; i < 3 * 1024 * 1024 / 2; ++i)  // spans more than one copy chunk
        bytes += static_cast<char>(i * 7 % 256);
    succeeds({"put", image, hostFile("data.bin", bytes), "\\My Documents\\data.bin"});
    succeeds({"get", image, "\\my documents\\DATA.BIN", (folder.path() / "back.bin").string()});
    EXPECT_TRUE(hostBytes("back.bin") == bytes);

    // Putting over an existing file replaces it; a folder target keeps the host name.
    succeeds({"put", image, hostFile("data.bin", "short"), "\\My Documents\\data.bin"});
    succeeds({"put", image, hostFile("named.txt", "named"), "\\Temp"});
    std::filesystem::create_directories(folder.path() / "out");
    succeeds({"get", image, "\\My Documents\\data.bin", (folder.path() / "out").string()});
    succeeds({"get", image, "\\Temp\\named.txt", (folder.path() / "out").string()});
    EXPECT_EQ("short", hostBytes("out/data.bin"));
    EXPECT_EQ("named", hostBytes("out/named.txt"));

    succeeds({"put", image, hostFile("empty", ""), "\\empty"});
    succeeds({"get", image, "\\empty", (folder.path() / "empty.back").string()});
    EXPECT_EQ("", hostBytes("empty.back"));
}

TEST_F(FilesTest, PutWithAttributes)
{
    succeeds({"put", image, hostFile("h.txt", "x"), "\\h.txt", "--attr", "0x23"});
    EXPECT_EQ("0x00000023 READONLY HIDDEN ARCHIVE\n", succeeds({"attrib", image, "\\h.txt"}));
    succeeds({"put", image, hostFile("rom.dll", "MZ"), "\\Windows\\extra.dll", "--attr=2041"});
    EXPECT_EQ("0x00002041 READONLY INROM ROMMODULE\n", succeeds({"attrib", image, "\\Windows\\extra.dll"}));
}

TEST_F(FilesTest, PutAndGetErrors)
{
    const std::string file = hostFile("f.txt", "x");
    EXPECT_EQ("cedevice: \\Windows\\nk.exe: Access is denied.\n", fails({"put", image, file, "\\Windows\\nk.exe"}));
    EXPECT_EQ("cedevice: \\No\\f.txt: The system cannot find the path specified.\n",
              fails({"put", image, file, "\\No\\f.txt"}));
    const std::string missing = (folder.path() / "missing").string();
    EXPECT_EQ("cedevice: " + missing + ": no such file on the host\n", fails({"put", image, missing, "\\x"}));
    EXPECT_EQ("cedevice: \"zz\": bad attributes (use hex, e.g. 0x21)\n",
              fails({"put", image, file, "\\x", "--attr", "zz"}));
    EXPECT_EQ("cedevice: \\x.txt: The system cannot find the file specified.\n",
              fails({"get", image, "\\x.txt", (folder.path() / "x").string()}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x"));
}

TEST_F(FilesTest, Attrib)
{
    struct Case {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"\\Windows\\nk.exe", "0x00002041 READONLY INROM ROMMODULE\n"},
        {"\\Windows\\tahoma.ttf", "0x00000041 READONLY INROM\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, succeeds({"attrib", image, c.path}));
    EXPECT_NE(std::string::npos, succeeds({"attrib", image, "\\Windows"}).find("DIRECTORY"));

    succeeds({"put", image, hostFile("a.txt", "x"), "\\a.txt"});
    EXPECT_EQ("", succeeds({"attrib", image, "\\a.txt", "21"}));
    EXPECT_EQ("0x00000021 READONLY ARCHIVE\n", succeeds({"attrib", image, "\\a.txt"}));
    EXPECT_EQ("", succeeds({"attrib", image, "\\a.txt", "0x0"}));
    EXPECT_EQ("0x00000080 NORMAL\n", succeeds({"attrib", image, "\\a.txt"}));  // no bits reads as NORMAL

    EXPECT_EQ("cedevice: \\none: The system cannot find the file specified.\n", fails({"attrib", image, "\\none"}));
    EXPECT_EQ("cedevice: \"0x1g\": bad attributes (use hex, e.g. 0x21)\n", fails({"attrib", image, "\\a.txt", "0x1g"}));
}

TEST_F(FilesTest, Rm)
{
    succeeds({"mkdir", image, "\\d\\sub"});
    succeeds({"put", image, hostFile("f", "x"), "\\d\\f"});
    EXPECT_EQ("cedevice: \\d: The directory is not empty.\n", fails({"rm", image, "\\d"}));
    EXPECT_EQ("cedevice: \\Windows\\gwes.exe: Access is denied.\n", fails({"rm", image, "\\Windows\\gwes.exe"}));
    EXPECT_EQ("cedevice: \\d\\nope: The system cannot find the file specified.\n", fails({"rm", image, "\\d\\nope"}));

    EXPECT_EQ("", succeeds({"rm", image, "\\d\\f"}));
    succeeds({"rm", image, "\\d\\sub"});
    succeeds({"rm", image, "\\d"});
    EXPECT_EQ("cedevice: \\d: The system cannot find the file specified.\n", fails({"ls", image, "\\d"}));
}

}  // namespace
}  // namespace cedevice_test
