#include "template/CPlandelDoc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestEnvironment.h"
#include "common/TemplateFileError.h"
#include "platform/MessageBox.h"
#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportInvoiceField.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename Entity>
Entity* Add(CPlandelDoc& doc, Rect rect, std::unique_ptr<Entity> entity) {
  entity->SetRectPixels(rect.left, rect.top, rect.right, rect.bottom);
  Entity* added = entity.get();
  doc.AddObject(std::move(entity));
  return added;
}

// Every kind the designer places, two of them grouped.
void BuildInvoice(CPlandelDoc& doc) {
  auto* title = Add(doc, {96, 48, 384, 96}, std::make_unique<CReportEntityLabel>());
  title->SetTitle(L"INVOICE");
  title->SetFontSize(200);
  title->SetBold(true);
  auto* box = Add(doc, {72, 40, 400, 104}, std::make_unique<CReportEntityBox>());
  box->SetBorderWidth(2);
  Add(doc, {432, 48, 720, 80}, std::make_unique<CReportInvoiceField>(100));
  Add(doc, {96, 130, 500, 130}, std::make_unique<CReportEntityLine>());
  auto* items = Add(doc, {96, 192, 384, 312}, std::make_unique<CInvoiceRepeatField>(1));
  items->GetHeader()->SetRect(96, 192, 384, 216);
  Add(doc, {400, 192, 520, 312}, std::make_unique<CInvoiceRepeatField>(10))
      ->GetHeader()
      ->SetRect(400, 192, 520, 216);
  auto* totalLabel = Add(doc, {300, 400, 400, 424}, std::make_unique<CReportEntityLabel>());
  totalLabel->SetTitle(L"Total:");
  Add(doc, {400, 400, 520, 424}, std::make_unique<CReportInvoiceField>(103));
  doc.GetContainer().UnselectAll();
  totalLabel->Select(true);
  doc.GetContainer().GetAt(doc.GetContainer().GetSize() - 1)->Select(true);
  doc.GetContainer().Group();
  doc.GetContainer().UnselectAll();
}

class PlandelDoc : public ::testing::Test {
protected:
  corvane::test::TempDir m_dir;
  std::filesystem::path m_path = m_dir / "invoice.zlt";
};

TEST_F(PlandelDoc, AnEmptyTemplateIsThe110ByteFile) {
  CPlandelDoc doc;
  doc.SetModifiedFlag(true);
  doc.Save(m_path);
  EXPECT_EQ(std::filesystem::file_size(m_path), 110u);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlandelDoc, SavedAndReloadedByteForByte) {
  CPlandelDoc doc;
  BuildInvoice(doc);
  EXPECT_TRUE(doc.IsModified());
  doc.Save(m_path);
  EXPECT_FALSE(doc.IsModified());
  const TemplateFile saved = doc.MakeTemplateFile();
  ASSERT_EQ(saved.GetCount(), 8u);  // repeat headers travel inside their fields

  CPlandelDoc reopened;
  const CPlandelDoc::LoadOutcome outcome = reopened.Load(m_path);
  ASSERT_TRUE(outcome.Ok()) << std::string(outcome.error.begin(), outcome.error.end());
  EXPECT_EQ(outcome.skippedItems, 0);
  EXPECT_FALSE(reopened.IsModified());
  EXPECT_EQ(reopened.GetContainer().GetSize(), 10);
  EXPECT_EQ(reopened.GetTextRecords(), doc.GetTextRecords());
  const std::filesystem::path again = m_dir / "again.zlt";
  reopened.Save(again);
  EXPECT_EQ(Bytes(again), Bytes(m_path));

  // The group survives, and a new group never merges with it.
  const int32_t group = reopened.GetContainer().GetAt(8)->GetGroup();
  EXPECT_NE(group, 0);
  EXPECT_EQ(reopened.GetContainer().GetAt(9)->GetGroup(), group);
  reopened.GetContainer().GetAt(0)->Select(true);
  reopened.GetContainer().Group();
  EXPECT_NE(reopened.GetContainer().GetAt(0)->GetGroup(), group);
}

TEST_F(PlandelDoc, OpeningReplacesEverythingAndClearsUndo) {
  CPlandelDoc first;
  BuildInvoice(first);
  first.Save(m_path);

  CPlandelDoc doc;
  Add(doc, {0, 0, 10, 10}, std::make_unique<CReportEntityBox>());
  doc.GetContainer().Snapshot();
  ASSERT_TRUE(doc.Load(m_path).Ok());
  EXPECT_EQ(doc.GetContainer().GetSize(), 10);
  EXPECT_EQ(doc.GetContainer().GetUndoCount(), 0);
  EXPECT_EQ(doc.GetContainer().GetAt(0)->GetTitle(), L"INVOICE");

  doc.GetContainer().Snapshot();
  EXPECT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.GetContainer().GetSize(), 0);
  EXPECT_EQ(doc.GetContainer().GetUndoCount(), 0);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlandelDoc, ItemsTheDesignerCannotShowAreCounted) {
  TemplateFile file;
  TemplateItem label(TemplateItemType::Label);
  label.SetProperty(kTitle, Value(L"kept"));
  file.AddItem(label);
  file.AddItem(TemplateItem(TemplateItemType::DataField));
  file.AddItem(TemplateItem(42));
  file.Save(m_path);
  CPlandelDoc doc;
  const CPlandelDoc::LoadOutcome outcome = doc.Load(m_path);
  EXPECT_TRUE(outcome.Ok());
  EXPECT_EQ(outcome.skippedItems, 2);
  EXPECT_EQ(doc.GetContainer().GetSize(), 1);
  EXPECT_NE(CPlandelDoc::SkippedItemsMessage(2).find(L"2 item(s)"), std::wstring::npos);
}

TEST_F(PlandelDoc, AFailedLoadLeavesAnEmptyDocumentAndTheMessage) {
  // A good item, then one with a bad field key.
  TemplateFile file;
  TemplateItem label(TemplateItemType::Label);
  file.AddItem(label);
  TemplateItem bad(TemplateItemType::InvoiceField);
  bad.SetProperty(kFieldKey, Value(L"FLD_999_000"));
  file.AddItem(bad);
  file.Save(m_path);
  const std::filesystem::path broken = m_dir / "broken.zlt";
  std::ofstream(broken) << "not a template";

  struct Case {
    std::filesystem::path path;
    std::wstring error;
  };
  const Case cases[] = {{m_path, L"Field parse error"},
                        {broken, L"Invalid file structure"},
                        {m_dir / "missing.zlt", L""}};
  for (const Case& c : cases) {
    CPlandelDoc doc;
    Add(doc, {0, 0, 10, 10}, std::make_unique<CReportEntityBox>());
    doc.GetContainer().Snapshot();
    const CPlandelDoc::LoadOutcome outcome = doc.Load(c.path);
    EXPECT_FALSE(outcome.Ok()) << c.path;
    if (!c.error.empty()) {
      EXPECT_EQ(outcome.error, c.error);
    }
    EXPECT_EQ(doc.GetContainer().GetSize(), 0) << c.path;
    EXPECT_EQ(doc.GetContainer().GetUndoCount(), 0);
    EXPECT_FALSE(doc.IsModified());
  }
}

TEST_F(PlandelDoc, AFailedSaveLeavesTheOldFileWhole) {
  CPlandelDoc doc;
  BuildInvoice(doc);
  doc.Save(m_path);
  const std::vector<char> before = Bytes(m_path);
  Add(doc, {0, 0, 10, 10}, std::make_unique<CReportEntityBox>());
  EXPECT_THROW(doc.Save(m_dir / "no-such-folder" / "x.zlt"), TemplateFileError);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Bytes(m_path), before);
}

TEST_F(PlandelDoc, SaveModifiedAsksOnlyWithChanges) {
  CPlandelDoc doc;
  std::vector<std::wstring> asked;
  int answer = platform::IDCANCEL;
  bool saved = false;
  bool saveWorks = true;
  auto ask = [&](const std::wstring& question) {
    asked.push_back(question);
    return answer;
  };
  auto save = [&] {
    saved = true;
    return saveWorks;
  };
  EXPECT_TRUE(doc.SaveModified(L"invoice.zlt", ask, save));
  EXPECT_TRUE(asked.empty());

  Add(doc, {0, 0, 10, 10}, std::make_unique<CReportEntityBox>());
  EXPECT_FALSE(doc.SaveModified(L"invoice.zlt", ask, save));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], L"Save changes to invoice.zlt?");
  EXPECT_FALSE(saved);
  answer = platform::IDNO;
  EXPECT_TRUE(doc.SaveModified(L"invoice.zlt", ask, save));
  EXPECT_FALSE(saved);
  answer = platform::IDYES;
  saveWorks = false;
  EXPECT_FALSE(doc.SaveModified(L"invoice.zlt", ask, save));
  EXPECT_TRUE(saved);
  saveWorks = true;
  EXPECT_TRUE(doc.SaveModified(L"invoice.zlt", ask, save));
}

TEST_F(PlandelDoc, TheEditorBecomesTheParentOfLoadedEntities) {
  struct Editor : CDiagramParent {
    bool GetSnapToGrid() const override { return false; }
    Size GetGridSize() const override { return {8, 8}; }
  } editor;
  CPlandelDoc first;
  BuildInvoice(first);
  first.Save(m_path);
  CPlandelDoc doc;
  doc.SetEditor(&editor);
  ASSERT_TRUE(doc.Load(m_path).Ok());
  for (int index = 0; CDiagramEntity* entity = doc.GetContainer().GetAt(index); ++index)
    EXPECT_EQ(entity->GetParent(), &editor) << index;
}

TEST_F(PlandelDoc, TextRecordsStartWithThePaper) {
  CPlandelDoc doc;
  doc.GetContainer().SetVirtualSize({816, 1056});
  Add(doc, {96, 96, 192, 120}, std::make_unique<CReportInvoiceField>(103));
  Add(doc, {96, 192, 192, 287}, std::make_unique<CInvoiceRepeatField>(2))->GetHeader()->SetRect(96, 192, 192, 222);
  const std::vector<std::wstring> records = doc.GetTextRecords();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], L"paper:816,1056;");
  EXPECT_EQ(records[1].rfind(L"invoice_field:1.000000,1.000000,2.000000,1.250000,,FLD_103_000,", 0), 0u);
  EXPECT_EQ(records[2].rfind(L"inv_repeat_fld:", 0), 0u);
  EXPECT_NE(records[2].find(L"<inv_repeat_bgn>3,95;"), std::wstring::npos);
}

}  // namespace
