#include "common/FieldMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FieldMapTest, InsertingAPresentKeyKeepsTheFirstValue) {
  FieldMap map;
  EXPECT_TRUE(map.Insert(FieldId(100, 0), Value(L"INV-1")));
  EXPECT_FALSE(map.Insert(FieldId(100, 0), Value(L"INV-2")));
  ASSERT_NE(nullptr, map.Find(L"FLD_100_000"));
  EXPECT_EQ(L"INV-1", map.Find(L"FLD_100_000")->AsString());
  EXPECT_EQ(1u, map.Size());
}

TEST(FieldMapTest, LooksKeysUpExactlyWithCaseCounting) {
  FieldMap map;
  map.Insert(FieldId(1, 2), Value(2.5));
  EXPECT_TRUE(map.Contains(L"FLD_001_002"));
  EXPECT_FALSE(map.Contains(L"fld_001_002"));
  EXPECT_FALSE(map.Contains(L"FLD_001_002 "));
  EXPECT_EQ(nullptr, map.Find(L"FLD_001_003"));
}

TEST(FieldMapTest, IteratesInKeyOrderAndCopiesWhole) {
  FieldMap map;
  map.Insert(FieldId(109, 0), Value(25.5));
  map.Insert(FieldId(1, 1), Value(L"b"));
  map.Insert(FieldId(1, 0), Value(L"a"));
  std::vector<std::wstring> keys;
  for (const auto& [key, value] : map) keys.push_back(key);
  EXPECT_EQ((std::vector<std::wstring>{L"FLD_001_000", L"FLD_001_001", L"FLD_109_000"}), keys);

  FieldMap copy = map;
  map.Clear();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(3u, copy.Size());
  EXPECT_EQ(25.5, copy.Find(L"FLD_109_000")->AsDouble());
}

TEST(FieldMapTest, OrdersTextsAsUtf16CodeUnits) {
  const Utf16Less less;
  EXPECT_TRUE(less(L"A", L"B"));
  EXPECT_TRUE(less(L"FLD", L"FLD_"));
  EXPECT_FALSE(less(L"a", L"a"));
  // U+10000 is D800 DC00 in UTF-16, so it sorts before U+E000 and after U+D7FF.
  EXPECT_TRUE(less(L"\U00010000", L"\uE000"));
  EXPECT_FALSE(less(L"\uE000", L"\U00010000"));
  EXPECT_TRUE(less(L"\uD7FF", L"\U00010000"));
  EXPECT_TRUE(less(L"\U00010000", L"\U00010001"));
}

}  // namespace
