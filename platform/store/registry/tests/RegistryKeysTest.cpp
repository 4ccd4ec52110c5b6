// Keys: opening and creating by path, case rules, handles, deleting subtrees, handles of
// deleted keys and keys the device denies.
#include "RegistryTestSupport.h"

namespace registry_test {
namespace {

struct PathCase {
    const char16_t* path;  // relative to HKEY_LOCAL_MACHINE, where Software\Vendor\App exists
    LONG openResult;
    LONG createResult;
    DWORD disposition;
};

TEST_F(RegistryTest, OpensAndCreatesByPath)
{
    const std::u16string longName(255, u'n');
    const std::u16string tooLong = u"Software\\" + std::u16string(256, u'n');
    const PathCase cases[] = {
        {u"Software\\Vendor\\App", ERROR_SUCCESS, ERROR_SUCCESS, REG_OPENED_EXISTING_KEY},
        {u"SOFTWARE\\vendor\\aPP", ERROR_SUCCESS, ERROR_SUCCESS, REG_OPENED_EXISTING_KEY},
        {u"Software\\\\Vendor\\App\\", ERROR_SUCCESS, ERROR_SUCCESS, REG_OPENED_EXISTING_KEY},
        {u"Software\\Vendor\\Other", ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, REG_CREATED_NEW_KEY},
        {u"Missing\\Deeper\\Still", ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, REG_CREATED_NEW_KEY},
        {u"", ERROR_SUCCESS, ERROR_SUCCESS, REG_OPENED_EXISTING_KEY},
        {nullptr, ERROR_SUCCESS, ERROR_SUCCESS, REG_OPENED_EXISTING_KEY},
        {u"\\Software", ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER, 0},
        {longName.c_str(), ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, REG_CREATED_NEW_KEY},
        {tooLong.c_str(), ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER, 0},
    };
    RegCloseKey(createKey(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\App"));
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path ? std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path)) : "null");
        HKEY key = nullptr;
        EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, c.path, key), c.openResult);
        if (c.openResult == ERROR_SUCCESS) {
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        }
        DWORD disposition = 0;
        EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, c.path, 0, nullptr, 0, 0, nullptr, &key, &disposition),
                  c.createResult);
        EXPECT_EQ(disposition, c.disposition);
        if (c.createResult == ERROR_SUCCESS) {
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        }
    }
    // Missing intermediate keys were made on the way.
    HKEY key = nullptr;
    EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, u"Missing\\Deeper", key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryTest, NamesCompareWithoutCaseAndKeepTheirCase)
{
    RegCloseKey(createKey(HKEY_CURRENT_USER, u"MyApp\\Ärger"));
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"MYAPP\\ärger", 0, nullptr, 0, 0, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(key);
    HKEY app = createKey(HKEY_CURRENT_USER, u"myapp");
    EXPECT_EQ(subKeyNames(app), Names{u"Ärger"});
    EXPECT_EQ(subKeyNames(HKEY_CURRENT_USER), Names{u"MyApp"});
    RegCloseKey(app);
}

TEST_F(RegistryTest, RootsAreSeparateAndAlwaysOpen)
{
    const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS};
    for (DWORD i = 0; i < 4; ++i)
        EXPECT_EQ(setDword(roots[i], u"Which", i), ERROR_SUCCESS);
    for (DWORD i = 0; i < 4; ++i) {
        EXPECT_EQ(RegCloseKey(roots[i]), ERROR_SUCCESS);
        DWORD expected = i;
        EXPECT_EQ(queryBytes(roots[i], u"Which"), std::vector<BYTE>(reinterpret_cast<BYTE*>(&expected),
                                                                    reinterpret_cast<BYTE*>(&expected) + 4));
    }
}

TEST_F(RegistryTest, BadHandlesAreRejected)
{
    HKEY closed = createKey(HKEY_LOCAL_MACHINE, u"Closed");
    ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    const HKEY bad[] = {closed, nullptr, reinterpret_cast<HKEY>(0x1234), reinterpret_cast<HKEY>(0x80000004)};
    for (HKEY key : bad) {
        HKEY out = nullptr;
        WCHAR name[8];
        DWORD length = 8;
        EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(openKey(key, u"", out), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCreateKeyExW(key, u"a", 0, nullptr, 0, 0, nullptr, &out, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(setDword(key, u"v", 1), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExW(key, u"v", nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegDeleteKeyW(key, u"a"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegDeleteValueW(key, u"v"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegFlushKey(key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr),
                  ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Closed", 0, 0, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubtreeAndKillsItsHandles)
{
    HKEY inner = createKey(HKEY_LOCAL_MACHINE, u"Tree\\Branch\\Leaf");
    HKEY branch = createKey(HKEY_LOCAL_MACHINE, u"Tree\\Branch");
    ASSERT_EQ(setDword(inner, u"v", 1), ERROR_SUCCESS);
    RegCloseKey(createKey(HKEY_LOCAL_MACHINE, u"Tree\\Sibling"));

    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Tree\\Nothing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"tree\\BRANCH"), ERROR_SUCCESS);
    HKEY key = nullptr;
    EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, u"Tree\\Branch\\Leaf", key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, u"Tree\\Branch", key), ERROR_FILE_NOT_FOUND);
    HKEY tree = createKey(HKEY_LOCAL_MACHINE, u"Tree");
    EXPECT_EQ(subKeyNames(tree), Names{u"Sibling"});

    for (HKEY dead : {inner, branch}) {
        WCHAR name[8];
        DWORD length = 8;
        DWORD size = 4;
        BYTE data[4];
        EXPECT_EQ(setDword(dead, u"v", 2), ERROR_KEY_DELETED);
        EXPECT_EQ(RegQueryValueExW(dead, u"v", nullptr, nullptr, data, &size), ERROR_KEY_DELETED);
        EXPECT_EQ(RegEnumKeyExW(dead, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
        EXPECT_EQ(RegEnumValueW(dead, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
        EXPECT_EQ(RegCreateKeyExW(dead, u"x", 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_KEY_DELETED);
        EXPECT_EQ(openKey(dead, nullptr, key), ERROR_KEY_DELETED);
        EXPECT_EQ(RegDeleteValueW(dead, u"v"), ERROR_KEY_DELETED);
        EXPECT_EQ(RegCloseKey(dead), ERROR_SUCCESS);
    }
    // A key made again under the old name starts empty.
    HKEY again = createKey(tree, u"Branch");
    EXPECT_EQ(subKeyNames(again), Names{});
    EXPECT_EQ(subKeyNames(tree), (Names{u"Sibling", u"Branch"}));
    RegCloseKey(again);
    // Deleting through an empty sub-key deletes the key itself; roots cannot go.
    EXPECT_EQ(RegDeleteKeyW(tree, u""), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u""), ERROR_ACCESS_DENIED);
    RegCloseKey(tree);
}

TEST_F(RegistryTest, DeniedKeysCannotBeOpenedButAreListed)
{
    RegCloseKey(createKey(HKEY_LOCAL_MACHINE, u"Secure\\Vault\\Inner"));
    ASSERT_EQ(emulator::denyRegistryKey(HKEY_LOCAL_MACHINE, u"Secure\\Vault"), ERROR_SUCCESS);
    ASSERT_EQ(emulator::denyRegistryKey(HKEY_LOCAL_MACHINE, u"Secure\\NewlyMade"), ERROR_SUCCESS);
    EXPECT_EQ(emulator::denyRegistryKey(HKEY_LOCAL_MACHINE, u""), ERROR_INVALID_PARAMETER);

    const char16_t* denied[] = {u"Secure\\Vault", u"secure\\VAULT\\Inner", u"Secure\\NewlyMade"};
    for (const char16_t* path : denied) {
        HKEY key = nullptr;
        EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, path, key), ERROR_ACCESS_DENIED);
        EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, 0, nullptr, &key, nullptr),
                  ERROR_ACCESS_DENIED);
    }
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Secure\\Vault\\New", 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Secure"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Secure\\Vault"), ERROR_ACCESS_DENIED);

    HKEY secure = createKey(HKEY_LOCAL_MACHINE, u"Secure");
    EXPECT_EQ(subKeyNames(secure), (Names{u"Vault", u"NewlyMade"}));
    RegCloseKey(secure);

    dev.reboot();
    EXPECT_EQ(openKey(HKEY_LOCAL_MACHINE, u"Secure\\Vault", key), ERROR_ACCESS_DENIED);
}

}  // namespace
}  // namespace registry_test
