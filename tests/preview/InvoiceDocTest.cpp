#include "preview/InvoiceDoc.h"

#include <gtest/gtest.h>

#include "PreviewFixtures.h"
#include "TestEnvironment.h"
#include "platform/LocaleFormat.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/DrawRepeatField.h"
#include "preview/ReportRendering.h"

using corvane::test::InchRect;

namespace {

class InvoiceDocBinding : public ::testing::Test {
protected:
  void SetUp() override {
    platform::LocaleInfo locale;
    locale.decimalSeparator = L",";
    locale.thousandsSeparator = L".";
    locale.shortDatePattern = L"%d.%m.%Y";
    platform::SetUserLocaleOverride(locale);
  }
  void TearDown() override { platform::SetUserLocaleOverride(std::nullopt); }

  // Saves the items as the template, loads and binds the data.
  bool Load(const std::vector<TemplateItem>& items, const std::wstring& fileName = L"invoice.zlt") {
    const auto path = m_dir.Path() / platform::PathFromWide(fileName);
    corvane::test::SaveTemplate(items, path);
    m_doc.SetTemplatePath(platform::WideFromPath(path));
    m_doc.SetData(m_data);
    return m_doc.LoadAndBind();
  }
  const CDrawObject& Object(int32_t index) { return *m_doc.GetGenerator().GetObject(index, 0); }
  const std::vector<std::wstring>& Rows(int32_t index) {
    return static_cast<const CDrawRepeatField&>(Object(index)).GetRows();
  }
  void Put(int32_t field, int32_t row, const Value& value) { m_data.Insert(FieldId(field, row), value); }

  corvane::test::TempDir m_dir;
  FieldMap m_data;
  InvoiceDoc m_doc;
};

TEST_F(InvoiceDocBinding, DataFieldsTakeTheDisplayTextOrKeepTheTemplateText) {
  Put(100, 0, Value(L"2024-0042"));
  Put(103, 0, Value(1234.5));
  Put(101, 0, Value(platform::OleDateTime(2024, 3, 7)));
  Put(108, 0, Value(int32_t{15}));
  Put(110, 0, Value(L"Skopje"));
  ASSERT_TRUE(
      Load({corvane::test::FieldItem(L"FLD_100_000", L"Number", InchRect{0, 0, 2, 0.3}),
            corvane::test::FieldItem(L"FLD_103_000", L"Total", InchRect{0, 1, 2, 1.3}),
            corvane::test::FieldItem(L"FLD_101_000", L"Date", InchRect{0, 2, 2, 2.3}),
            corvane::test::FieldItem(L"FLD_108_000", L"Delay", InchRect{0, 3, 2, 3.3}),
            corvane::test::FieldItem(L"FLD_111_000", L"Client", InchRect{0, 4, 2, 4.3}),
            corvane::test::FieldItem(L"", L"No name", InchRect{0, 5, 2, 5.3}, TemplateItemType::DataField),
            corvane::test::LabelItem(L"Label", InchRect{0, 6, 2, 6.3}, L"FLD_110_000")}));
  EXPECT_EQ(Object(0).GetText(), L"2024-0042");
  EXPECT_EQ(Object(1).GetText(), L"1.234,50");
  EXPECT_EQ(Object(2).GetText(), L"07.03.2024");
  EXPECT_EQ(Object(3).GetText(), L"15");
  EXPECT_EQ(Object(4).GetText(), L"Client");   // no entry: the template text stays
  EXPECT_EQ(Object(5).GetText(), L"No name");  // no name: never bound
  EXPECT_EQ(Object(6).GetText(), L"Label");    // the first of its name is a label: not bound
  EXPECT_EQ(m_doc.HiddenLineCount(), 0);
  EXPECT_EQ(m_doc.HiddenLinesWarning(), L"");
}

TEST_F(InvoiceDocBinding, RepeatFieldsStopAtTheFirstMissingRow) {
  Put(3, 0, Value(int32_t{5}));
  Put(3, 1, Value(int32_t{6}));
  Put(3, 3, Value(int32_t{8}));
  ASSERT_TRUE(Load({corvane::test::RepeatItem(L"FLD_003_000", 5, InchRect{0, 0, 1, 0.2})}));
  EXPECT_EQ(Rows(0), (std::vector<std::wstring>{L"5", L"6"}));
  EXPECT_EQ(m_doc.HiddenLineCount(), 0);  // the row after the gap is no line of this invoice
}

TEST_F(InvoiceDocBinding, RepeatFieldsStartAtTheRowOfTheirName) {
  for (int32_t row = 0; row < 5; ++row) Put(2, row, Value(L"price " + std::to_wstring(row)));
  ASSERT_TRUE(Load({corvane::test::RepeatItem(L"FLD_002_002", 10, InchRect{0, 0, 1, 0.2}),
                    corvane::test::RepeatItem(L"FLD_002_000", 0, InchRect{2, 0, 3, 0.2})}));
  EXPECT_EQ(Rows(0), (std::vector<std::wstring>{L"price 2", L"price 3", L"price 4"}));
  EXPECT_TRUE(Rows(1).empty());  // limit 0: no rows, on purpose
  EXPECT_EQ(m_doc.HiddenLineCount(), 0);
  EXPECT_EQ(m_doc.HiddenLinesWarning(), L"");
}

TEST_F(InvoiceDocBinding, TheFirstObjectOfANameSaysHowAllOfThatNameAreBound) {
  Put(1, 0, Value(L"Apples"));
  Put(1, 1, Value(L"Pears"));
  const auto field = corvane::test::FieldItem(L"FLD_001_000", L"Item", InchRect{0, 0, 2, 0.2});
  const auto label = corvane::test::LabelItem(L"Label", InchRect{0, 2, 2, 2.2}, L"FLD_001_000");
  const auto repeat = corvane::test::RepeatItem(L"FLD_001_000", 10, InchRect{0, 1, 2, 1.2}, L"Rows");
  struct Case {
    const char* order;
    std::vector<TemplateItem> items;
    std::vector<std::wstring> texts;              // of each object after binding
    std::vector<std::vector<std::wstring>> rows;  // of each object that is a repeat field
  };
  const std::vector<std::wstring> none;
  const std::vector<std::wstring> both{L"Apples", L"Pears"};
  for (const Case& test : {
           Case{"field, label", {field, label}, {L"Apples", L"Apples"}, {}},
           Case{"label, field", {label, field}, {L"Label", L"Item"}, {}},
           Case{"field, repeat field", {field, repeat}, {L"Apples", L"Apples"}, {none, none}},
           Case{"repeat field, field", {repeat, field}, {L"Rows", L"Item"}, {both, none}},
           Case{"repeat field, label", {repeat, label}, {L"Rows", L"Label"}, {both, none}},
       }) {
    ASSERT_TRUE(Load(test.items)) << test.order;
    for (size_t i = 0; i < test.texts.size(); ++i) {
      EXPECT_EQ(Object(static_cast<int32_t>(i)).GetText(), test.texts[i]) << test.order << ", object " << i;
      if (Object(static_cast<int32_t>(i)).GetKind() == kDrawRepeatField) {
        EXPECT_EQ(Rows(static_cast<int32_t>(i)), test.rows.at(i)) << test.order << ", object " << i;
      }
    }
    m_doc.GetGenerator().Clear();
  }
}

TEST_F(InvoiceDocBinding, FieldsWithoutCaptionBindAndDraw) {
  // Field numbers 12..99 have no caption; they bind like any other key.
  Put(50, 0, Value(L"fifty"));
  Put(50, 1, Value(L"fifty-one"));
  Put(60, 0, Value(L"sixty"));
  ASSERT_TRUE(Load({corvane::test::FieldItem(L"FLD_060_000", L"Sixty", InchRect{0, 0, 2, 0.2}),
                    corvane::test::RepeatItem(L"FLD_050_000", 4, InchRect{0, 1, 2, 1.2}),
                    corvane::test::FieldItem(L"FLD_099_000", L"Template text", InchRect{0, 3, 2, 3.2})}));
  platform::gdi::FixedTextMeasurer measurer;
  platform::gdi::PageRecorder page(corvane::test::Metrics(96), measurer);
  EXPECT_NO_THROW(m_doc.GetGenerator().DrawPage(page, 1));
  EXPECT_EQ(corvane::test::TextsOf(page.Page()),
            (std::vector<std::wstring>{L"sixty", L"fifty", L"fifty-one", L"Template text"}));
}

TEST_F(InvoiceDocBinding, LinesBeyondTheRowLimitAreCountedAndWarnedOf) {
  for (int32_t row = 0; row < 35; ++row) {
    Put(1, row, Value(L"item " + std::to_wstring(row)));
    Put(10, row, Value(row * 1.0));
  }
  ASSERT_TRUE(Load({corvane::test::RepeatItem(L"FLD_001_000", 30, InchRect{0, 0, 2, 0.2}),
                    corvane::test::RepeatItem(L"FLD_010_000", 30, InchRect{3, 0, 4, 0.2})}));
  EXPECT_EQ(Rows(0).size(), 30u);
  EXPECT_EQ(m_doc.HiddenLineCount(), 5);
  EXPECT_EQ(m_doc.ShownLineCount(), 30);
  EXPECT_EQ(m_doc.HiddenLinesWarning(),
            L"5 invoice lines are not shown: the template has room for 30 lines only.");
  EXPECT_EQ(InvoiceDoc::FormatHiddenLinesWarning(1, 1),
            L"1 invoice line is not shown: the template has room for 1 line only.");
}

TEST_F(InvoiceDocBinding, RowsBelowTheLargestPageAreCountedAndWarnedOf) {
  // Rows of an eighth of an inch from 100 inches down: the largest page (200
  // inches) ends after 800 of them.
  for (int32_t row = 0; row < 2000; ++row) Put(1, row, Value(L"item " + std::to_wstring(row)));
  ASSERT_TRUE(Load({corvane::test::RepeatItem(L"FLD_001_000", 5000, InchRect{0, 100, 2, 100.125})}));
  EXPECT_EQ(Rows(0).size(), 2000u);
  EXPECT_EQ(m_doc.HiddenLineCount(), 1200);
  EXPECT_EQ(m_doc.ShownLineCount(), 800);
  EXPECT_EQ(m_doc.HiddenLinesWarning(),
            L"1200 invoice lines are not shown: the largest page has room for 800 lines only.");
  EXPECT_EQ(preview::ReportPaperSize(m_doc.GetGenerator()).heightInches, 200.0);

  // Rows that end on the page leave nothing out.
  m_doc.GetGenerator().Clear();
  ASSERT_TRUE(Load({corvane::test::RepeatItem(L"FLD_001_000", 5000, InchRect{0, 0, 2, 0.0625})}));
  EXPECT_EQ(m_doc.HiddenLineCount(), 0);
  EXPECT_EQ(preview::ReportPaperSize(m_doc.GetGenerator()).heightInches, 2000 * 0.0625 + 0.25);
}

TEST_F(InvoiceDocBinding, RepeatFieldWithABadKeyFailsTheLoadButNotTheRest) {
  Put(100, 0, Value(L"2024-0042"));
  platform::MessageBoxRecorder boxes;
  EXPECT_FALSE(Load({corvane::test::RepeatItem(L"Price column", 5, InchRect{0, 0, 1, 0.2}),
                     corvane::test::FieldItem(L"FLD_100_000", L"Number", InchRect{0, 1, 2, 1.3})}));
  EXPECT_TRUE(Rows(0).empty());
  EXPECT_EQ(Object(1).GetText(), L"2024-0042");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Field parse error");
  EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane Preview");
}

TEST_F(InvoiceDocBinding, TemplateUnderANonAsciiNameLoads) {
  Put(100, 0, Value(L"2024-0042"));
  ASSERT_TRUE(Load({corvane::test::FieldItem(L"FLD_100_000", L"Number", InchRect{0, 0, 2, 0.3})},
                   L"\u0424\u0430\u043a\u0442\u0443\u0440\u0430 \u00e9.zlt"));
  EXPECT_EQ(Object(0).GetText(), L"2024-0042");
}

TEST_F(InvoiceDocBinding, MissingTemplateLeavesNoPages) {
  platform::MessageBoxRecorder boxes;
  m_doc.SetTemplatePath((m_dir / "missing.zlt").wstring());
  EXPECT_FALSE(m_doc.LoadAndBind());
  EXPECT_EQ(m_doc.GetGenerator().GetPageCount(), 0);
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(InvoiceDocBinding, TheDocumentKeepsItsOwnCopyOfTheData) {
  Put(100, 0, Value(L"before"));
  m_doc.SetData(m_data);
  m_data.Clear();
  Put(100, 0, Value(L"after"));
  ASSERT_NE(m_doc.GetData().Find(L"FLD_100_000"), nullptr);
  EXPECT_EQ(m_doc.GetData().Find(L"FLD_100_000")->GetText(), L"before");
}

}  // namespace
