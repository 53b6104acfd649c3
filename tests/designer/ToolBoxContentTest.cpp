#include "designer/bars/ToolBoxContent.h"

#include <gtest/gtest.h>

#include <set>

#include "designer/DesignerCommands.h"

using namespace designer;

TEST(ToolBoxContentTest, ThreeFoldersOfTwentyEightTools) {
  const auto& folders = ToolBoxFolders();
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders[0].name, L"Invoice Fields");
  EXPECT_EQ(folders[1].name, L"Repeatable Fields");
  EXPECT_EQ(folders[2].name, L"Drawing");
  size_t total = 0;
  for (size_t i = 0; i < folders.size(); ++i) {
    EXPECT_EQ(folders[i].data, static_cast<int32_t>(i));
    total += folders[i].tools.size();
  }
  EXPECT_EQ(total, 28u);
  EXPECT_EQ(folders[0].tools.size(), 13u);
  EXPECT_EQ(folders[1].tools.size(), 11u);
  EXPECT_EQ(folders[2].tools.size(), 4u);
}

// Each tool starts the entity its caption names.
TEST(ToolBoxContentTest, EveryToolCodeStartsTheEntityOfItsCaption) {
  struct Case {
    size_t folder, index;
    const wchar_t* caption;
    int32_t code;
    NewEntity entity;
  };
  const Case cases[] = {
      {0, 0, L"Invoice Number", 50, {NewEntityKind::InvoiceField, 100}},
      {0, 6, L"To (Client Name)", 61, {NewEntityKind::InvoiceField, 111}},
      {0, 8, L"From (Vendor Name)", 62, {NewEntityKind::InvoiceField, 112}},
      {0, 12, L"Total without Tax", 59, {NewEntityKind::InvoiceField, 109}},
      {1, 0, L"Item's Name", 100, {NewEntityKind::RepeatField, 1}},
      {1, 1, L"Code", 101, {NewEntityKind::RepeatField, 11}},
      {1, 2, L"Price", 102, {NewEntityKind::RepeatField, 2}},
      {1, 10, L"Total", 110, {NewEntityKind::RepeatField, 10}},
      {2, 0, L"Text", 1, {NewEntityKind::Label, 0}},
      {2, 1, L"Rectangle", 2, {NewEntityKind::Box, 0}},
      {2, 2, L"Line", 3, {NewEntityKind::Line, 0}},
      {2, 3, L"Picture", 4, {NewEntityKind::Picture, 0}},
  };
  for (const Case& c : cases) {
    const ToolBoxTool& tool = ToolBoxFolders()[c.folder].tools.at(c.index);
    EXPECT_EQ(tool.caption, c.caption);
    EXPECT_EQ(tool.code, c.code) << c.caption;
    ASSERT_TRUE(EntityForToolCode(tool.code).has_value()) << c.caption;
    EXPECT_EQ(EntityForToolCode(tool.code)->kind, c.entity.kind) << c.caption;
    if (c.entity.field != 0) {
      EXPECT_EQ(EntityForToolCode(tool.code)->field, c.entity.field) << c.caption;
    }
  }
}

TEST(ToolBoxContentTest, CodesAreDistinctAndAllStartSomething) {
  std::set<int32_t> codes;
  for (const auto& folder : ToolBoxFolders()) {
    for (const auto& tool : folder.tools) {
      EXPECT_TRUE(codes.insert(tool.code).second) << "code " << tool.code << " twice";
      EXPECT_TRUE(EntityForToolCode(tool.code).has_value()) << tool.code;
    }
  }
  // The invoice fields cover 100..112, the repeat fields the row fields 1..11.
  std::set<int32_t> invoiceFields, rowFields;
  for (int32_t code : codes) {
    const auto entity = EntityForToolCode(code);
    if (entity->kind == NewEntityKind::InvoiceField) invoiceFields.insert(entity->field);
    if (entity->kind == NewEntityKind::RepeatField) rowFields.insert(entity->field);
  }
  EXPECT_EQ(invoiceFields.size(), 13u);
  EXPECT_EQ(*invoiceFields.begin(), 100);
  EXPECT_EQ(*invoiceFields.rbegin(), 112);
  EXPECT_EQ(rowFields.size(), 11u);
  EXPECT_EQ(*rowFields.begin(), 1);
  EXPECT_EQ(*rowFields.rbegin(), 11);
}
