// CMapStringToPtr: many keys, replacing, indexing and null keys.
#include "afxtempl.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {

TEST(CMapStringToPtrTest, ManyKeys)
{
    const int kKeys = 20000;
    CMapStringToPtr map;
    CString key;
    for (int i = 0; i < kKeys; ++i) {
        key.Format("key%d", i);
        map.SetAt(key, reinterpret_cast<void*>(static_cast<INT_PTR>(i + 1)));
    }
    EXPECT_EQ(kKeys, map.GetCount());
    map.SetAt("key7", reinterpret_cast<void*>(7000));  // replaces
    EXPECT_EQ(kKeys, map.GetCount());

    void* value = nullptr;
    for (int i = 0; i < kKeys; i += 97) {
        key.Format("key%d", i);
        ASSERT_TRUE(map.Lookup(key, value)) << i;
        EXPECT_EQ(i == 7 ? 7000 : i + 1, static_cast<int>(reinterpret_cast<INT_PTR>(value)));
    }
    EXPECT_FALSE(map.Lookup("KEY1", value));  // keys are case-sensitive
    EXPECT_FALSE(map.Lookup("missing", value));

    // Iteration visits each key once.
    std::string seen(kKeys, '-');
    int visits = 0;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        map.GetNextAssoc(pos, key, value);
        int i = std::atoi(key.GetString() + 3);
        ASSERT_TRUE(i >= 0 && i < kKeys);
        EXPECT_EQ('-', seen[i]);
        seen[i] = '+';
        ++visits;
    }
    EXPECT_EQ(kKeys, visits);

    for (int i = 0; i < kKeys; i += 2) {
        key.Format("key%d", i);
        ASSERT_TRUE(map.RemoveKey(key));
    }
    EXPECT_FALSE(map.RemoveKey("key0"));
    EXPECT_EQ(kKeys / 2, map.GetCount());
    EXPECT_FALSE(map.Lookup("key2", value));
    EXPECT_TRUE(map.Lookup("key3", value));

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMapStringToPtrTest, IndexingAndNullKeys)
{
    CMapStringToPtr map;
    void*& slot = map["new"];
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(1, map.GetCount());
    slot = &map;
    void* value = nullptr;
    EXPECT_TRUE(map.Lookup("new", value));
    EXPECT_EQ(&map, value);

    map.SetAt(nullptr, &value);
    EXPECT_TRUE(map.Lookup("", value));
    LPCSTR storedKey = nullptr;
    EXPECT_TRUE(map.LookupKey("new", storedKey));
    EXPECT_STREQ("new", storedKey);
    EXPECT_TRUE(map.RemoveKey(nullptr));
    EXPECT_EQ(1, map.GetCount());
}

}  // namespace
