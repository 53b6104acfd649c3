#include "preview/ReportGenerator.h"

#include <gtest/gtest.h>

#include <fstream>

#include "PreviewFixtures.h"
#include "TestEnvironment.h"
#include "platform/MessageBox.h"
#include "platform/ResourceTable.h"
#include "platform/TextCodec.h"
#include "preview/DrawGrid.h"
#include "preview/DrawLabel.h"

using namespace platform::gdi;
using corvane::test::InchRect;

namespace {

std::wstring LabelRecord(const std::wstring& text, const std::wstring& name = L"") {
  return L"report_label:0,0,2,1," + text + L"," + name + L",0,Arial,100,0,0,0,0,0,0;";
}

// A grid of `capacity` rows (six rows per inch).
std::unique_ptr<CDrawGrid> Grid(const std::wstring& name, int32_t capacity) {
  auto grid = std::make_unique<CDrawGrid>(6);
  grid->SetName(name);
  grid->SetRect(0, 1, 4, 1 + capacity / 6.0 + 0.01);
  return grid;
}

// Watches the print calls; can be told to fail at one step.
class FakeTarget : public PrintTarget {
public:
  explicit FakeTarget(std::string failAt = "") : m_failAt(std::move(failAt)), m_page(Metrics(), m_measurer) {}

  bool StartDoc(const std::wstring& name) override { return Step("StartDoc:" + platform::ToUtf8(name)); }
  bool StartPage() override { return Step("StartPage"); }
  Canvas& PageCanvas() override { return m_page; }
  bool EndPage() override {
    m_texts.push_back(corvane::test::TextsOf(m_page.Take()));
    return Step("EndPage");
  }
  bool EndDoc() override { return Step("EndDoc"); }
  void AbortDoc() override { m_calls.push_back("AbortDoc"); }

  std::vector<std::string> m_calls;
  std::vector<std::vector<std::wstring>> m_texts;

private:
  static DeviceMetrics Metrics() { return corvane::test::Metrics(100); }
  bool Step(const std::string& call) {
    m_calls.push_back(call);
    return call.rfind(m_failAt, 0) != 0 || m_failAt.empty();
  }

  std::string m_failAt;
  FixedTextMeasurer m_measurer;
  PageRecorder m_page;
};

std::vector<std::wstring> Numbered(const wchar_t* prefix, int count) {
  std::vector<std::wstring> lines;
  for (int i = 0; i < count; ++i) lines.push_back(prefix + std::to_wstring(i));
  return lines;
}

std::vector<int32_t> PageKinds(const CReportGenerator& report) {
  std::vector<int32_t> kinds;
  for (const auto& page : report.GetPages()) kinds.push_back(page->GetPageKind());
  return kinds;
}

TEST(ReportGenerator, LoadsATemplateFileIntoOneMiddlePage) {
  corvane::test::TempDir dir;
  corvane::test::SaveTemplate({corvane::test::LabelItem(L"Invoice", InchRect{1, 1, 3, 1.5}, L"title"),
                               corvane::test::BoxItem(InchRect{1, 2, 3, 3}, true, true)},
                              dir / "one.zlt");
  CReportGenerator report;
  ASSERT_TRUE(report.LoadTemplate(dir / "one.zlt"));
  EXPECT_EQ(report.GetContainerCount(), 1);
  EXPECT_EQ(report.GetObjectCount(0), 2);
  EXPECT_EQ(report.GetObjectName(0, 0), L"title");
  EXPECT_EQ(report.GetObjectType(L"title"), kDrawLabel);
  EXPECT_EQ(report.GetPageCount(), 1);

  // A second template adds a second page template, in call order.
  ASSERT_TRUE(report.LoadTemplate(dir / "one.zlt"));
  EXPECT_EQ(PageKinds(report), (std::vector<int32_t>{kMiddlePage, kMiddlePage}));
  EXPECT_EQ(report.GetPageCount(), 2);
}

TEST(ReportGenerator, UnreadableTemplatesAreShownAndAddNoPage) {
  corvane::test::TempDir dir;
  std::ofstream(dir / "short.zlt", std::ios::binary) << "ab";
  corvane::test::SaveTemplate({corvane::test::LabelItem(L"Invoice", InchRect{1, 1, 3, 1.5})},
                              dir / "flipped.zlt");
  {
    std::fstream file(dir / "flipped.zlt", std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(120);
    file.put('\x7f');
  }
  platform::MessageBoxRecorder boxes;
  CReportGenerator report;
  EXPECT_FALSE(report.LoadTemplate(dir / "short.zlt"));
  EXPECT_FALSE(report.LoadTemplate(dir / "flipped.zlt"));
  EXPECT_FALSE(report.LoadTemplate(dir / "missing.zlt"));
  EXPECT_EQ(report.GetContainerCount(), 0);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Invalid file structure");
  EXPECT_EQ(boxes.Shown()[1].text, L"Invalid file structure");
  EXPECT_NE(boxes.Shown()[2].text.find(L"missing.zlt"), std::wstring::npos);
  for (const auto& shown : boxes.Shown()) {
    EXPECT_EQ(shown.caption, L"Corvane Preview");
    EXPECT_EQ(shown.style, platform::MB_OK | platform::MB_ICONERROR);
  }
  EXPECT_NE(report.GetErrorText().find(L"missing.zlt"), std::wstring::npos);
}

TEST(ReportGenerator, TemplateOfUnknownItemsAddsNoPageAndShowsNothing) {
  corvane::test::TempDir dir;
  TemplateItem strange(42);
  corvane::test::SetCommon(strange, L"x", L"y", InchRect{0, 0, 1, 1});
  corvane::test::SaveTemplate({strange}, dir / "strange.zlt");
  platform::MessageBoxRecorder boxes;
  CReportGenerator report;
  EXPECT_FALSE(report.LoadTemplate(dir / "strange.zlt"));
  EXPECT_EQ(report.GetContainerCount(), 0);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(ReportGenerator, PagesArePlacedByTheirKind) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"middle"), kMiddlePage));
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"last"), kLastPage));
  // A middle page added while the last page exists goes just before it.
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"middle 2"), kMiddlePage));
  // A first page goes to the front.
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"first"), kFirstPage));
  EXPECT_EQ(PageKinds(report), (std::vector<int32_t>{kFirstPage, kMiddlePage, kMiddlePage, kLastPage}));
  EXPECT_EQ(report.GetObject(0, 2)->GetText(), L"middle 2");
  // One first and one last page only.
  EXPECT_FALSE(report.LoadFromString(LabelRecord(L"first again"), kFirstPage));
  EXPECT_FALSE(report.LoadFromString(LabelRecord(L"last again"), kLastPage));
  EXPECT_EQ(report.GetContainerCount(), 4);
  // Records nobody takes make no page.
  EXPECT_FALSE(report.LoadFromStringArray({L"nothing:here;", L""}, kMiddlePage));
  EXPECT_EQ(report.GetContainerCount(), 4);
}

TEST(ReportGenerator, LookupsOutOfRangeGiveNothing) {
  CReportGenerator report;
  ASSERT_TRUE(
      report.LoadFromString(LabelRecord(L"a", L"same") + L"\r\n" + LabelRecord(L"b", L"same"), kMiddlePage));
  EXPECT_EQ(report.GetObjectCount(1), 0);
  EXPECT_EQ(report.GetObjectCount(-1), 0);
  EXPECT_EQ(report.GetObject(2, 0), nullptr);
  EXPECT_EQ(report.GetObject(-1, 0), nullptr);
  EXPECT_EQ(report.GetObjectName(0, 5), L"");
  EXPECT_EQ(report.GetObjectType(L"nobody"), 0);
  EXPECT_EQ(report.GetObjectType(L"same", 3), 0);
  EXPECT_EQ(report.GetObjectType(L"SAME"), 0);  // names compare exactly
  EXPECT_EQ(report.GetGridAttribute(L"same", 0), -1);
  report.AddObject(std::make_unique<CDrawLabel>(), 7);
  EXPECT_EQ(report.GetObjectCount(0), 2);
}

TEST(ReportGenerator, SetFieldTextSetsTheFirstFieldOfThatName) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(
      L"report_field:0,0,2,1,template,total,0,Arial,100,0,0,0,0,0,0;\n" + LabelRecord(L"label", L"caption"),
      kMiddlePage));
  report.SetFieldText(L"total", L"1.234,50");
  report.SetFieldText(L"caption", L"changed");
  EXPECT_EQ(report.GetObject(0, 0)->GetText(), L"1.234,50");
  EXPECT_EQ(report.GetObject(1, 0)->GetText(), L"label");  // labels keep their text
  report.ClearFieldTexts();
  EXPECT_EQ(report.GetObject(0, 0)->GetText(), L"");
  EXPECT_EQ(report.GetObject(1, 0)->GetText(), L"label");
}

TEST(ReportGenerator, LoadFromFileReadsATextWithoutTerminatorToItsEnd) {
  corvane::test::TempDir dir;
  std::vector<uint8_t> bytes = platform::ToUtf16Le(LabelRecord(L"from file"));  // no NUL at the end
  std::ofstream(dir / "records.txt", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::ofstream(dir / "empty.txt", std::ios::binary);
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromFile(dir / "records.txt", kMiddlePage));
  EXPECT_EQ(report.GetObject(0, 0)->GetText(), L"from file");
  EXPECT_FALSE(report.LoadFromFile(dir / "empty.txt", kMiddlePage));
  EXPECT_FALSE(report.LoadFromFile(dir / "missing.txt", kMiddlePage));
}

TEST(ReportGenerator, LoadFromTextFileKeepsTheFileError) {
  corvane::test::TempDir dir;
  std::ofstream(dir / "page.txt") << platform::ToUtf8(LabelRecord(L"first line")) << "\r\n\r\n"
                                  << platform::ToUtf8(LabelRecord(L"second line")) << "\r\n";
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromTextFile((dir / "page.txt").wstring(), kMiddlePage));
  EXPECT_EQ(report.GetObjectCount(0), 2);
  EXPECT_FALSE(report.LoadFromTextFile((dir / "missing.txt").wstring(), kMiddlePage));
  EXPECT_NE(report.GetErrorText().find(L"missing.txt"), std::wstring::npos);
}

// Report pages compiled into this program, as a module carries them: UTF-16
// text ending in a NUL, after which nothing belongs to the page.
constexpr char16_t kResourcePage[] =
    u"report_label:0,0,2,1,from resource,title,0,Arial,100,0,0,0,0,0,0;\r\n"
    u"report_field:0,1,2,2,template,total,0,Arial,100,0,0,0,0,0,0;\0"
    u"report_label:0,2,2,3,past the end,,0,Arial,100,0,0,0,0,0,0;";
constexpr char16_t kResourceWithoutRecords[] = u"nothing:here;";
const platform::Resource kResources[] = {
    {"RG_REPORT", 101, kResourcePage, sizeof kResourcePage},
    {"RG_OTHER", 102, kResourcePage, sizeof kResourcePage},
    {"RG_REPORT", 103, kResourcePage, 0},
    {"RG_REPORT", 104, kResourceWithoutRecords, sizeof kResourceWithoutRecords},
};
CORVANE_RESOURCE_TABLE(kResources);

TEST(ReportGenerator, LoadFromResourceReadsThePageUpToItsTerminator) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromResource(101, kMiddlePage));
  ASSERT_EQ(report.GetContainerCount(), 1);
  ASSERT_EQ(report.GetObjectCount(0), 2);
  EXPECT_EQ(report.GetObject(0, 0)->GetText(), L"from resource");
  EXPECT_EQ(report.GetObjectType(L"total"), kDrawField);
  EXPECT_EQ(report.GetObjectType(L"title"), kDrawLabel);

  // A first page goes before the middle one; a second first page is refused.
  ASSERT_TRUE(report.LoadFromResource(101, kFirstPage));
  EXPECT_EQ(PageKinds(report), (std::vector<int32_t>{kFirstPage, kMiddlePage}));
  EXPECT_FALSE(report.LoadFromResource(101, kFirstPage));
}

TEST(ReportGenerator, LoadFromResourceFailsWithoutAPageResource) {
  struct Case {
    int32_t id;
    const char* why;
  };
  for (const Case& c : {Case{999, "no resource of that id"}, Case{102, "a resource of another type"},
                        Case{103, "an empty resource"}, Case{104, "records that make no object"}}) {
    CReportGenerator report;
    EXPECT_FALSE(report.LoadFromResource(c.id, kMiddlePage)) << c.why;
    EXPECT_EQ(report.GetContainerCount(), 0) << c.why;
  }
}

// Page distribution over first, middle and last pages.
class Distribution : public ::testing::Test {
protected:
  void SetUp() override {
    for (int32_t kind : {kFirstPage, kMiddlePage, kLastPage}) {
      ASSERT_TRUE(
          m_report.LoadFromString(L"report_field:0,0,2,0.5,Page [%page%],header,0,A,100,0,0,0,0,0,0;", kind));
    }
    auto first = Grid(L"lines", 10);
    auto middle = Grid(L"lines", 10);
    auto last = Grid(L"lines", 8);
    m_first = first.get();
    m_middle = middle.get();
    m_last = last.get();
    m_report.AddObject(std::move(first), 0);
    m_report.AddObject(std::move(middle), 1);
    m_report.AddObject(std::move(last), 2);
  }

  CReportGenerator m_report;
  CDrawGrid* m_first = nullptr;
  CDrawGrid* m_middle = nullptr;
  CDrawGrid* m_last = nullptr;
};

TEST_F(Distribution, LastPageTakesTheRemainderOfTheMiddlePages) {
  EXPECT_EQ(m_middle->GetCapacity(), 10);
  EXPECT_EQ(m_report.GetGridAttribute(L"lines", 1), 6);
  ASSERT_TRUE(m_report.DistributeLines(L"lines", Numbered(L"line ", 25)));
  EXPECT_EQ(m_first->GetLines(), Numbered(L"line ", 10));
  EXPECT_EQ(m_middle->GetLines().front(), L"line 10");
  EXPECT_EQ(m_middle->GetLines().back(), L"line 19");
  EXPECT_EQ(m_last->GetLines().front(), L"line 20");
  EXPECT_EQ(m_last->GetLineCount(), 5);
  EXPECT_EQ(m_report.GetPageCount(), 3);

  FakeTarget target;
  ASSERT_TRUE(m_report.Print(target));
  ASSERT_EQ(target.m_texts.size(), 3u);
  EXPECT_EQ(target.m_texts[0].front(), L"Page 1");
  EXPECT_EQ(target.m_texts[0].back(), L"line 9");
  EXPECT_EQ(target.m_texts[1].at(1), L"line 10");
  EXPECT_EQ(target.m_texts[2].front(), L"Page 3");
  EXPECT_EQ(target.m_texts[2].back(), L"line 24");
}

TEST_F(Distribution, NoRemainderLeavesTheLastPageOut) {
  ASSERT_TRUE(m_report.DistributeLines(L"lines", Numbered(L"line ", 30)));
  EXPECT_EQ(m_middle->GetLineCount(), 20);
  EXPECT_EQ(m_last->GetLineCount(), 0);
  EXPECT_EQ(m_report.GetPageCount(), 3);  // first, and the middle page template twice
  const CContainer* middle = m_report.GetPages().Get(1);
  EXPECT_EQ(middle->GetFirstPage(), 2);
  EXPECT_EQ(middle->GetLastPage(), 3);
  EXPECT_EQ(m_report.GetPages().Get(2)->GetFirstPage(), -1);

  FakeTarget target;
  ASSERT_TRUE(m_report.Print(target));
  ASSERT_EQ(target.m_texts.size(), 3u);
  EXPECT_EQ(target.m_texts[2].front(), L"Page 3");
  EXPECT_EQ(target.m_texts[2].at(1), L"line 20");
  EXPECT_EQ(target.m_texts[2].back(), L"line 29");
}

TEST_F(Distribution, GridThatHoldsNoRowIsNeverDividedBy) {
  m_middle->SetRect(0, 1, 4, 1.1);  // less than one row at six rows per inch
  ASSERT_EQ(m_middle->GetCapacity(), 0);
  ASSERT_TRUE(m_report.DistributeLines(L"lines", Numbered(L"line ", 25)));
  EXPECT_EQ(m_last->GetLineCount(), 8);
  EXPECT_EQ(m_report.GetPageCount(), 3);
}

TEST(ReportGenerator, PageTemplatesWithoutGridsPrintOnePageEach) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"a"), kMiddlePage));
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"b"), kMiddlePage));
  EXPECT_EQ(report.GetPageCount(), 2);
  FakeTarget target;
  report.DrawPage(target.PageCanvas(), 3);  // no such page: nothing drawn
  EXPECT_TRUE(static_cast<PageRecorder&>(target.PageCanvas()).Page().ops.empty());
}

TEST(ReportGenerator, PrintWithoutPagesMakesAnEmptyDocument) {
  CReportGenerator report;
  report.SetDocumentName(L"Invoice 7");
  FakeTarget target;
  EXPECT_TRUE(report.Print(target));
  EXPECT_EQ(target.m_calls, (std::vector<std::string>{"StartDoc:Invoice 7", "EndDoc"}));
}

TEST(ReportGenerator, PrintReportsEveryFailure) {
  struct Case {
    const char* failAt;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"StartDoc", {"StartDoc:"}},
      {"StartPage", {"StartDoc:", "StartPage", "AbortDoc"}},
      {"EndPage", {"StartDoc:", "StartPage", "EndPage", "AbortDoc"}},
      {"EndDoc", {"StartDoc:", "StartPage", "EndPage", "EndDoc"}},
  };
  for (const Case& c : cases) {
    CReportGenerator report;
    ASSERT_TRUE(report.LoadFromString(LabelRecord(L"a"), kMiddlePage));
    FakeTarget target(c.failAt);
    EXPECT_FALSE(report.Print(target)) << c.failAt;
    EXPECT_EQ(target.m_calls, c.calls) << c.failAt;
  }
}

// A draw object that fails as a broken one would.
class ThrowingObject : public CDrawObject {
public:
  ThrowingObject() : CDrawObject(kDrawBase) {}
  void Draw(int32_t, Canvas&) const override { throw std::runtime_error("Field Caption not found"); }
};

TEST(ReportGenerator, AnObjectThatFailsToDrawCostsOnlyItself) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"before"), kMiddlePage));
  report.AddObject(std::make_unique<ThrowingObject>(), 0);
  auto after = std::make_unique<CDrawLabel>();
  after->SetRect(0, 1, 2, 2);
  after->SetText(L"after");
  report.AddObject(std::move(after), 0);
  FakeTarget target;
  EXPECT_NO_THROW(EXPECT_TRUE(report.Print(target)));
  EXPECT_EQ(target.m_texts.at(0), (std::vector<std::wstring>{L"before", L"after"}));
}

TEST(ReportGenerator, SettingADocumentNameOverAnotherClearsTheReport) {
  CReportGenerator report;
  ASSERT_TRUE(report.LoadFromString(LabelRecord(L"a"), kMiddlePage));
  report.SetDocumentName(L"first");
  EXPECT_EQ(report.GetContainerCount(), 1);
  report.SetDocumentName(L"second");
  EXPECT_EQ(report.GetContainerCount(), 0);
  EXPECT_EQ(report.GetDocumentName(), L"second");
}

}  // namespace
