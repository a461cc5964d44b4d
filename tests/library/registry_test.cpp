// The registry routines through their entries, in both text forms, against
// the registry of the test prefix.
#include <gtest/gtest.h>

#include "runtime/library/registry.h"
#include "tests/library/text_forms.h"

namespace {

const std::string TestsKey = "Software\\QuenloTests";

HKEY OpenKey(HKEY root, const std::string &path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, TextOf<wchar_t>(path).c_str(), 0, KEY_ALL_ACCESS, &key)) return nullptr;
    return key;
}

bool KeyExists(const std::string &path) {
    HKEY key = OpenKey(HKEY_CURRENT_USER, path);
    if (key) RegCloseKey(key);
    return key != nullptr;
}

// Type and size of a value as the system call of the same text form reports it.
struct StoredValue {
    LONG Result;
    DWORD Type, Bytes;
};
StoredValue QueryStored(HKEY key, const char *name) {
    StoredValue v = {0, 0, 0};
    v.Result = RegQueryValueExA(key, name, nullptr, &v.Type, nullptr, &v.Bytes);
    return v;
}
StoredValue QueryStored(HKEY key, const wchar_t *name) {
    StoredValue v = {0, 0, 0};
    v.Result = RegQueryValueExW(key, name, nullptr, &v.Type, nullptr, &v.Bytes);
    return v;
}

template <class Ch> class RegistryRoutines : public TextForms<Ch> {
  protected:
    void SetUp() override {
        Base = TestsKey + "\\Library" + std::to_string(GetCurrentProcessId()) +
               (sizeof(Ch) == 1 ? "A" : "W");
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, TextOf<wchar_t>(Base).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, TextOf<wchar_t>(TestsKey).c_str()); // when empty
    }
    std::basic_string<Ch> Key(const std::string &below) { return TextOf<Ch>(Base + below); }
    std::string Base;
};
TYPED_TEST_SUITE(RegistryRoutines, CharTypes);

TYPED_TEST(RegistryRoutines, WriteReadAndDeleteValues) {
    auto t = TextOf<TypeParam>;
    const HKEY user = HKEY_CURRENT_USER;
    ASSERT_EQ(1,
              WriteRegString(user, this->Key("\\W").c_str(), t("Three").c_str(), t("abc").c_str()));
    HKEY key = OpenKey(user, this->Base + "\\W");
    ASSERT_TRUE(key);
    StoredValue stored = QueryStored(key, t("Three").c_str());
    EXPECT_EQ(ERROR_SUCCESS, stored.Result);
    EXPECT_EQ((DWORD)REG_SZ, stored.Type);
    EXPECT_EQ(4 * sizeof(TypeParam), stored.Bytes); // terminator included
    wchar_t keyClass[32] = L"?";
    DWORD classChars = 32;
    RegQueryInfoKeyW(key, keyClass, &classChars, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(sizeof(TypeParam) == 1 ? L"REG_SZ" : L"", keyClass);
    RegCloseKey(key);

    EXPECT_EQ(1, WriteRegString(user, this->Key("\\W").c_str(), nullptr, t("default").c_str()));
    TypeParam buffer[260];
    EXPECT_EQ(1, ReadRegValue(user, this->Key("\\W").c_str(), nullptr, buffer));
    EXPECT_EQ(t("default"), buffer);

    // The buffer may be the memory of the key path itself.
    std::basic_string<TypeParam> path = this->Key("\\W");
    std::copy(path.c_str(), path.c_str() + path.size() + 1, buffer);
    EXPECT_EQ(1, ReadRegValue(user, buffer, t("Three").c_str(), buffer));
    EXPECT_EQ(t("abc"), buffer);

    EXPECT_EQ(0, ReadRegValue(user, this->Key("\\W").c_str(), t("Missing").c_str(), nullptr));
    EXPECT_EQ(1, DeleteRegValue(user, this->Key("\\W").c_str(), t("Three").c_str()));
    EXPECT_EQ(0, DeleteRegValue(user, this->Key("\\W").c_str(), t("Three").c_str()));
    EXPECT_EQ(0, ReadRegValue(user, this->Key("\\W").c_str(), t("Three").c_str(), nullptr));
}

TYPED_TEST(RegistryRoutines, WriteNeedsAKeyPathAndAText) {
    auto t = TextOf<TypeParam>;
    EXPECT_EQ(0, WriteRegString(HKEY_CURRENT_USER, t("").c_str(), t("QuenloTestsValue").c_str(),
                                t("x").c_str()));
    EXPECT_EQ(0, WriteRegString(HKEY_CURRENT_USER, nullptr, t("QuenloTestsValue").c_str(),
                                t("x").c_str()));
    EXPECT_NE(ERROR_SUCCESS, QueryStored(HKEY_CURRENT_USER, L"QuenloTestsValue").Result);
    EXPECT_EQ(0, WriteRegString(HKEY_CURRENT_USER, this->Key("\\N").c_str(), nullptr, nullptr));
    EXPECT_FALSE(KeyExists(this->Base + "\\N"));
}

TYPED_TEST(RegistryRoutines, ReadCopiesAtMost260Characters) {
    const int capacity = 260 * sizeof(TypeParam);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, TextOf<wchar_t>(this->Base).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr));
    const struct {
        int Bytes, Result;
    } cases[] = {{capacity, 1}, {capacity + 1, 0}, {300, capacity >= 300}};
    for (auto c : cases) {
        std::string data(c.Bytes, '\x7F');
        RegSetValueExW(key, L"Blob", 0, REG_BINARY, (const BYTE *)data.data(), c.Bytes);
        uint8_t buffer[600];
        memset(buffer, 0xA5, sizeof buffer);
        EXPECT_EQ(c.Result, ReadRegValue(HKEY_CURRENT_USER, this->Key("").c_str(),
                                         TextOf<TypeParam>("Blob").c_str(), buffer))
            << c.Bytes;
        EXPECT_EQ(1, ReadRegValue(HKEY_CURRENT_USER, this->Key("").c_str(),
                                  TextOf<TypeParam>("Blob").c_str(), nullptr));
        if (c.Result) {
            EXPECT_EQ(0, memcmp(data.data(), buffer, c.Bytes));
        }
        EXPECT_EQ(0xA5, buffer[capacity]) << "written past the buffer for " << c.Bytes;
    }
    RegCloseKey(key);
}

TYPED_TEST(RegistryRoutines, DeleteKeyTreeRemovesEveryLevel) {
    auto t = TextOf<TypeParam>;
    for (const char *below : {"\\T\\a\\b\\c", "\\T\\a\\d", "\\T\\e", "\\T\\a\\b"})
        ASSERT_EQ(1, WriteRegString(HKEY_CURRENT_USER, this->Key(below).c_str(), t("v").c_str(),
                                    t("x").c_str()));
    EXPECT_EQ(1, DeleteRegKeyTree(HKEY_CURRENT_USER, this->Key("\\T").c_str()));
    EXPECT_FALSE(KeyExists(this->Base + "\\T"));
    EXPECT_TRUE(KeyExists(this->Base));
    EXPECT_EQ(0, DeleteRegKeyTree(HKEY_CURRENT_USER, this->Key("\\T").c_str()));

    // Thirty levels, whose deeper paths are far longer than MAX_PATH (made
    // by the wide call: the narrow ones take no longer path).
    std::string deep = this->Base + "\\T";
    for (int level = 0; level < 30; ++level)
        deep += "\\TreeLevelNumber" + std::to_string(level + 10);
    ASSERT_GT(deep.size(), 2u * MAX_PATH);
    HKEY made;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, TextOf<wchar_t>(deep).c_str(), 0,
                                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &made, nullptr));
    RegCloseKey(made);
    EXPECT_EQ(1, DeleteRegKeyTree(HKEY_CURRENT_USER, this->Key("\\T").c_str()));
    EXPECT_FALSE(KeyExists(this->Base + "\\T"));
}

TYPED_TEST(RegistryRoutines, DeleteKeyTreeRefusesAnEmptyPath) {
    auto t = TextOf<TypeParam>;
    ASSERT_EQ(1, WriteRegString(HKEY_CURRENT_USER, this->Key("\\Keep\\Child").c_str(),
                                t("v").c_str(), t("x").c_str()));
    HKEY keep = OpenKey(HKEY_CURRENT_USER, this->Base + "\\Keep");
    ASSERT_TRUE(keep);
    EXPECT_EQ(0, DeleteRegKeyTree(keep, t("").c_str()));
    EXPECT_EQ(0, DeleteRegKeyTree(keep, nullptr));
    RegCloseKey(keep);
    EXPECT_TRUE(KeyExists(this->Base + "\\Keep\\Child"));
    EXPECT_EQ(1, DeleteRegKeyTree(HKEY_CURRENT_USER, this->Key("\\Keep").c_str()));
}

TYPED_TEST(RegistryRoutines, OnlyReadAndWriteCheckTheRoot) {
    auto t = TextOf<TypeParam>;
    const HKEY beyondDynData = (HKEY)(uintptr_t)0x80000007;
    ASSERT_EQ(1, WriteRegString(HKEY_CURRENT_USER, this->Key("\\K").c_str(), t("v").c_str(),
                                t("x").c_str()));
    EXPECT_EQ(
        0, WriteRegString(beyondDynData, this->Key("\\K").c_str(), t("v").c_str(), t("x").c_str()));
    EXPECT_EQ(0, ReadRegValue(beyondDynData, this->Key("\\K").c_str(), t("v").c_str(), nullptr));
    EXPECT_EQ(0, DeleteRegValue(beyondDynData, this->Key("\\K").c_str(), t("v").c_str()));
    EXPECT_EQ(0, DeleteRegKeyTree(beyondDynData, this->Key("\\K").c_str()));

    // An opened key is a root outside the range too: the delete routines
    // hand it to the system, which accepts it.
    HKEY base = OpenKey(HKEY_CURRENT_USER, this->Base);
    ASSERT_TRUE(base);
    EXPECT_EQ(0, WriteRegString(base, t("K").c_str(), t("w").c_str(), t("x").c_str()));
    EXPECT_EQ(0, ReadRegValue(base, t("K").c_str(), t("v").c_str(), nullptr));
    EXPECT_EQ(1, DeleteRegValue(base, t("K").c_str(), t("v").c_str()));
    EXPECT_EQ(1, DeleteRegKeyTree(base, t("K").c_str()));
    RegCloseKey(base);
    EXPECT_FALSE(KeyExists(this->Base + "\\K"));
}

TYPED_TEST(RegistryRoutines, WriteUnderADeletedKeyFails) {
    HKEY gone = nullptr;
    std::wstring path = TextOf<wchar_t>(this->Base + "\\Gone");
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &gone, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, gone));
    int result = WriteRegString(HKEY_CURRENT_USER, TextOf<TypeParam>("Sub").c_str(),
                                TextOf<TypeParam>("v").c_str(), TextOf<TypeParam>("x").c_str());
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(gone);
    EXPECT_EQ(0, result);
}

} // namespace
