// Services: the profile's sections become keys of a fresh image; a boot runs every service whose
// DLL exists and whose Flags lack DEVFLAGS_NOLOAD; GetServiceHandle finds running services by
// instance name; ActivateService and DeregisterService start and stop them; a soft reset starts
// the set afresh from the registry.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "emulator/Reset.h"
#include "emulator/Text.h"
#include "service.h"
#include "windows.h"

using testing_support::TestDevice;

namespace {

emulator::IniSection service(const std::string& name, std::vector<std::pair<std::string, std::string>> keys)
{
    return {"service." + name, std::move(keys)};
}

emulator::Profile profileWithServices()
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections = {
        service("HTTPD", {{"Dll", "httpd.dll"}, {"Prefix", "HTP"}, {"Order", "8"}, {"Display", "Web Server"}}),
        service("Telnetd", {{"Dll", "telnetd.dll"}, {"Prefix", "TEL"}, {"Flags", "4"}}),
        service("Missing", {{"Dll", "gone.dll"}, {"Prefix", "GON"}}),
        service("FTPD", {{"Dll", "\\Windows\\ftpd.dll"}, {"Prefix", "FTP"}, {"Index", "1"}, {"Order", "1"}}),
        service("Serial", {{"Dll", "serial.dll"}}),
        service("Second", {{"Dll", "httpd.dll"}, {"Prefix", "HTP"}, {"Order", "20"}}),
    };
    return profile;
}

HANDLE handleOf(std::u16string instance)
{
    return GetServiceHandle(instance.data(), nullptr, nullptr);
}

bool running(const std::u16string& instance)
{
    return handleOf(instance) != INVALID_HANDLE_VALUE;
}

void setFlags(const std::u16string& service, DWORD flags)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, (u"Services\\" + service).c_str(), 0, 0, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, u"Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), 4));
    RegCloseKey(key);
}

class ServicesTest : public ::testing::Test {
protected:
    ServicesTest()
        : device(profileWithServices(), TestDevice::Kind::Full)
    {
    }

    TestDevice device;
};

TEST_F(ServicesTest, TheProfileDescribesTheServiceKeys)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Services\\HTTPD", 0, 0, &key));
    const struct {
        const char16_t* name;
        DWORD type;
        std::vector<BYTE> data;
    } values[] = {
        {u"Dll", REG_SZ, {'h', 0, 't', 0, 't', 0, 'p', 0, 'd', 0, '.', 0, 'd', 0, 'l', 0, 'l', 0, 0, 0}},
        {u"Prefix", REG_SZ, {'H', 0, 'T', 0, 'P', 0, 0, 0}},
        {u"Index", REG_DWORD, {0, 0, 0, 0}},
        {u"Flags", REG_DWORD, {0, 0, 0, 0}},
        {u"Order", REG_DWORD, {8, 0, 0, 0}},
        {u"Keep", REG_DWORD, {1, 0, 0, 0}},
    };
    for (const auto& value : values) {
        SCOPED_TRACE(emulator::toUtf8(value.name));
        BYTE data[64];
        DWORD type = 0, size = sizeof data;
        ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, value.name, nullptr, &type, data, &size));
        EXPECT_EQ(value.type, type);
        EXPECT_EQ(value.data, std::vector<BYTE>(data, data + size));
    }
    RegCloseKey(key);
}

TEST_F(ServicesTest, BootRunsTheServicesThatLoad)
{
    const struct {
        const char16_t* instance;
        bool running;
    } cases[] = {
        {u"HTP0:", true},    // auto start
        {u"htp0:", true},    // names compare without case
        {u"TEL0:", false},   // manual start
        {u"GON0:", false},   // its DLL is missing
        {u"FTP1:", true},    // index 1, DLL named by path
        {u"FTP0:", false},
        {u"Unknown0:", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(emulator::toUtf8(c.instance));
        SetLastError(0);
        EXPECT_EQ(c.running, running(c.instance));
        EXPECT_EQ(c.running ? 0u : static_cast<DWORD>(ERROR_SERVICE_NOT_ACTIVE), GetLastError());
    }
    // "Second" has HTTPD's instance name and a later Order: it could not start.
    SetLastError(0);
    EXPECT_EQ(nullptr, ActivateService(u"Second", 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_ALREADY_RUNNING), GetLastError());
}

TEST_F(ServicesTest, GetServiceHandleNamesTheDll)
{
    WCHAR dll[32];
    DWORD size = sizeof dll;
    std::u16string instance = u"HTP0:";
    const HANDLE handle = GetServiceHandle(instance.data(), dll, &size);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    EXPECT_EQ(u"httpd.dll", std::u16string(dll));
    EXPECT_EQ(20u, size);
    EXPECT_EQ(handle, handleOf(u"HTP0:"));  // one handle per running service

    size = 19;
    SetLastError(0);
    EXPECT_EQ(INVALID_HANDLE_VALUE, GetServiceHandle(instance.data(), dll, &size));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(20u, size);
    size = 0;
    EXPECT_EQ(handle, GetServiceHandle(instance.data(), nullptr, &size));
    EXPECT_EQ(20u, size);

    for (const char16_t* bad : {u"HTP0", u"0:", u"HTP:", u""}) {
        SCOPED_TRACE(emulator::toUtf8(bad));
        SetLastError(0);
        EXPECT_FALSE(running(bad));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    EXPECT_EQ(INVALID_HANDLE_VALUE, GetServiceHandle(nullptr, nullptr, nullptr));
}

TEST_F(ServicesTest, ActivateServiceStartsWhatCanStart)
{
    HKEY empty = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Services\\Empty", 0, nullptr, 0, 0, nullptr, &empty, nullptr));
    RegCloseKey(empty);
    const struct {
        const char16_t* name;
        DWORD error;
    } failures[] = {
        {u"Telnetd", ERROR_SERVICE_DISABLED},
        {u"Missing", ERROR_FILE_NOT_FOUND},
        {u"Nothing", ERROR_SERVICE_DOES_NOT_EXIST},
        {u"Empty", ERROR_SERVICE_DOES_NOT_EXIST},
        {u"HTTPD", ERROR_SERVICE_ALREADY_RUNNING},
        {u"Services\\HTTPD", ERROR_INVALID_PARAMETER},
        {u"", ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(emulator::toUtf8(c.name));
        SetLastError(0);
        EXPECT_EQ(nullptr, ActivateService(c.name, 0));
        EXPECT_EQ(c.error, GetLastError());
    }

    // A manual-start service: the flag comes off for the start and goes back on, as a service
    // manager does it; the service keeps running.
    setFlags(u"Telnetd", 0);
    const HANDLE telnet = ActivateService(u"Telnetd", 0);
    setFlags(u"Telnetd", DEVFLAGS_NOLOAD);
    ASSERT_NE(nullptr, telnet);
    EXPECT_EQ(telnet, handleOf(u"TEL0:"));
    SetLastError(0);
    EXPECT_EQ(nullptr, ActivateService(u"telnetd", 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DISABLED), GetLastError());
}

TEST_F(ServicesTest, DeregisterServiceStopsIt)
{
    const HANDLE web = handleOf(u"HTP0:");
    ASSERT_NE(INVALID_HANDLE_VALUE, web);
    EXPECT_TRUE(DeregisterService(web));
    EXPECT_FALSE(running(u"HTP0:"));
    for (HANDLE bad : {web, INVALID_HANDLE_VALUE, static_cast<HANDLE>(nullptr)}) {
        SetLastError(0);
        EXPECT_FALSE(DeregisterService(bad));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    }
    // Started again, it has a new handle; "Second" may now take the instance name instead.
    const HANDLE second = ActivateService(u"Second", 0);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(web, second);
    EXPECT_EQ(second, handleOf(u"HTP0:"));
}

TEST_F(ServicesTest, ASoftResetStartsTheSetAfreshFromTheRegistry)
{
    EXPECT_TRUE(DeregisterService(handleOf(u"HTP0:")));
    setFlags(u"Telnetd", 0);
    ASSERT_NE(nullptr, ActivateService(u"Telnetd", 0));
    setFlags(u"Telnetd", DEVFLAGS_NOLOAD);
    setFlags(u"FTPD", DEVFLAGS_NOLOAD);

    ASSERT_TRUE(emulator::softResetDevice().done);
    EXPECT_TRUE(running(u"HTP0:"));
    EXPECT_FALSE(running(u"TEL0:"));
    EXPECT_FALSE(running(u"FTP1:"));
}

TEST(Services, BadServiceSectionsStopTheImage)
{
    const struct {
        const char* name;
        emulator::IniSection section;
        std::string error;
    } cases[] = {
        {"no Dll", service("A", {{"Prefix", "AAA"}}), "[service.A]: Dll is missing"},
        {"bad index", service("A", {{"Dll", "a.dll"}, {"Index", "ten"}}), "[service.A]: bad or unknown value Index=ten"},
        {"index above 9", service("A", {{"Dll", "a.dll"}, {"Index", "10"}}), "[service.A]: bad or unknown value Index=10"},
        {"unknown key", service("A", {{"Dll", "a.dll"}, {"Colour", "red"}}),
         "[service.A]: bad or unknown value Colour=red"},
        {"no name", service("", {{"Dll", "a.dll"}}), "[service.]: a service needs a plain key name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        emulator::Profile profile = testing_support::smallProfile();
        profile.otherSections = {c.section};
        testing_support::TempFolder folder;
        std::string error;
        EXPECT_FALSE(emulator::createDeviceImage(folder.path() / "image", profile, error));
        EXPECT_EQ("services: " + c.error, error);
    }
}

TEST(Services, BuiltinProfilesRunTheWebServer)
{
    testing_support::TempFolder folder;
    std::string error;
    ASSERT_TRUE(emulator::createDeviceImage(folder.path() / "image", *emulator::builtinProfile("ppc2003"), error))
        << error;
    emulator::BootOptions options;
    options.virtualTime = true;
    ASSERT_TRUE(emulator::bootDevice(folder.path() / "image", options, error)) << error;
    EXPECT_TRUE(running(u"HTP0:"));
    EXPECT_FALSE(running(u"TEL0:"));
    EXPECT_FALSE(running(u"FTP0:"));
    emulator::shutdownDevice();
}

}  // namespace
