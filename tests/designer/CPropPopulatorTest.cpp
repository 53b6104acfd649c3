#include "designer/proptree/CPropPopulator.h"

#include <gtest/gtest.h>

#include "platform/CommonDialogs.h"
#include "platform/MessageBox.h"
#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportInvoiceField.h"
#include "template/TemplateHelpers.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace designer;

namespace {

// A container holding one entity, shown in a tree by the entity's populator.
class PopulatorTest : public ::testing::Test {
public:
  template <class Entity>
  Entity* Show(std::unique_ptr<Entity> made, double left = 10, double top = 20, double right = 110,
               double bottom = 80) {
    made->SetRect(left, top, right, bottom);
    Entity* entity = made.get();
    m_container.Add(std::move(made));
    m_container.SetModified(false);
    m_populator = MakePopulator(entity->GetPopulator());
    m_populator->SetEntity(entity);
    m_populator->SetRedraw([this] { ++m_redraws; });
    m_populator->Populate(m_tree);
    m_populator->UpdateFromEntity();
    return entity;
  }

  CPropTreeItem* Item(const std::wstring& label) {
    for (CPropTreeItem* item : m_tree.GetVisibleItems()) {
      if (item->GetLabelText() == label) return item;
    }
    ADD_FAILURE() << "no item " << std::string(label.begin(), label.end());
    return nullptr;
  }
  template <class Kind>
  Kind* ItemOf(const std::wstring& label) {
    auto* item = dynamic_cast<Kind*>(Item(label));
    EXPECT_NE(item, nullptr);
    return item;
  }

  std::vector<std::wstring> Labels() {
    std::vector<std::wstring> labels;
    for (CPropTreeItem* item : m_tree.GetVisibleItems()) labels.push_back(item->GetLabelText());
    return labels;
  }

  // What the property bar does when the user types into an edit item.
  void Type(const std::wstring& label, const std::wstring& text) {
    auto* edit = ItemOf<CPropTreeItemEdit>(label);
    edit->Activate();
    edit->SetText(text);
    edit->CommitChanges();
  }

  CDiagramEntityContainer m_container;
  CPropTree m_tree;
  std::unique_ptr<CPropPopulator> m_populator;
  int m_redraws = 0;
};

const std::vector<std::wstring> kPositions = {L"X1", L"Y1", L"X2", L"Y2"};

std::vector<std::wstring> Join(std::vector<std::vector<std::wstring>> parts) {
  std::vector<std::wstring> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

TEST_F(PopulatorTest, EachKindListsItsItemsUnderGeneral) {
  const std::vector<std::wstring> text = {L"Font Color", L"Font", L"Align"};
  struct Case {
    std::function<CDiagramEntity*(PopulatorTest&)> show;
    std::vector<std::wstring> labels;
  };
  const Case cases[] = {
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CReportInvoiceField>(100)); },
       Join({{L"General"}, kPositions, text})},
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CInvoiceRepeatField>(2)); },
       Join({{L"General"}, kPositions, text})},
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CReportEntityLabel>()); },
       Join({{L"General", L"Text"}, kPositions, text})},
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CReportEntityLine>()); },
       Join({{L"General", L"Thickness"}, kPositions, {L"Border Color"}})},
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CReportEntityBox>()); },
       Join({{L"General", L"Thickness"}, kPositions, {L"Border Color"}})},
      {[](PopulatorTest& t) { return t.Show(std::make_unique<CReportEntityPicture>()); },
       Join({{L"General"}, kPositions, {L"Picture"}})},
  };
  for (const Case& c : cases) {
    c.show(*this);
    EXPECT_EQ(Labels(), c.labels);
    EXPECT_EQ(Item(L"X1")->GetInfoText(), L"Horizontal Position for Point 1");
  }
  EXPECT_EQ(MakePopulator(PopulatorKind::None), nullptr);
}

TEST_F(PopulatorTest, AFieldShowsItsValuesAndWritesAnEditBackAsOneUndoStep) {
  auto* field = Show(std::make_unique<CReportInvoiceField>(100), 10.7, 20, 110, 80);
  field->SetTextColor(0x0000FF);
  field->SetAlignment(2);
  field->SetFontSize(90);
  field->SetBold(true);
  field->SetUnderline(true);
  m_populator->UpdateFromEntity();
  EXPECT_EQ(ItemOf<CPropTreeItemEdit>(L"X1")->GetText(), L"10") << "the edge truncated";
  EXPECT_EQ(ItemOf<CPropTreeItemEdit>(L"Y2")->GetText(), L"80");
  EXPECT_EQ(ItemOf<CPropTreeItemColor>(L"Font Color")->GetItemValue(), 0x0000FFu);
  EXPECT_EQ(ItemOf<CPropTreeItemCombo>(L"Align")->GetDisplayText(), L"Right");
  const auto& font = ItemOf<CPropTreeItemFont>(L"Font")->GetFont();
  EXPECT_EQ(font.height, 90);
  EXPECT_EQ(font.weight, 700);
  EXPECT_TRUE(font.underline);
  EXPECT_FALSE(font.italic);

  const int undo = m_container.GetUndoCount();
  Type(L"Y2", L"95");
  EXPECT_DOUBLE_EQ(field->GetBottom(), 95);
  EXPECT_DOUBLE_EQ(field->GetLeft(), 10.7) << "an edge that was not edited keeps its fraction";
  EXPECT_EQ(m_container.GetUndoCount(), undo + 1);
  EXPECT_TRUE(m_container.IsModified());
  EXPECT_EQ(m_redraws, 1);

  m_container.Undo();
  EXPECT_DOUBLE_EQ(m_container.GetAt(0)->GetBottom(), 80);
}

TEST_F(PopulatorTest, CommittingUnchangedValuesLeavesTheEntityAndTheTemplateAlone) {
  auto* field = Show(std::make_unique<CReportInvoiceField>(100), 10.7, 20.2, 110.9, 80.5);
  const int undo = m_container.GetUndoCount();
  for (const wchar_t* label : {L"X1", L"Y1", L"X2", L"Y2"}) {
    auto* edit = ItemOf<CPropTreeItemEdit>(label);
    edit->Activate();
    edit->CommitChanges();
  }
  EXPECT_DOUBLE_EQ(field->GetLeft(), 10.7);
  EXPECT_DOUBLE_EQ(field->GetRight(), 110.9);
  EXPECT_EQ(m_container.GetUndoCount(), undo);
  EXPECT_FALSE(m_container.IsModified());
  EXPECT_EQ(m_redraws, 0);
}

TEST_F(PopulatorTest, AnItemCommitsOncePerActivation) {
  auto* box = Show(std::make_unique<CReportEntityBox>());
  auto* thickness = ItemOf<CPropTreeItemEdit>(L"Thickness");
  const int undo = m_container.GetUndoCount();
  thickness->Activate();
  thickness->SetText(L"3");
  thickness->CommitChanges();  // Return
  thickness->SetText(L"5");
  thickness->CommitChanges();  // the focus leaves: nothing more
  EXPECT_EQ(box->GetBorderWidth(), 3);
  EXPECT_EQ(m_container.GetUndoCount(), undo + 1);
  thickness->Activate();
  thickness->CommitChanges();
  EXPECT_EQ(box->GetBorderWidth(), 5) << "a new activation commits again";
}

TEST_F(PopulatorTest, OnlyWeightSevenHundredIsBold) {
  auto* label = Show(std::make_unique<CReportEntityLabel>());
  auto* font = ItemOf<CPropTreeItemFont>(L"Font");
  for (const auto& [weight, bold] : std::vector<std::pair<int, bool>>{{600, false}, {700, true}, {800, false}}) {
    platform::SetFontHandler([weight = weight](const platform::FontRequest& request) {
      platform::FontChoice choice = request.initial;
      choice.weight = weight;
      return std::optional<platform::FontChoice>(choice);
    });
    font->Activate();
    font->Browse(nullptr);
    EXPECT_EQ(label->GetBold(), bold) << weight;
  }
  platform::SetFontHandler({});
}

TEST_F(PopulatorTest, ALabelEditsItsTextAndAPositionTakesOnlyAWholeNumberOnThePaper) {
  m_container.SetVirtualSize({816, 1056});
  auto* label = Show(std::make_unique<CReportEntityLabel>());
  EXPECT_EQ(ItemOf<CPropTreeItemEdit>(L"Text")->GetText(), label->GetTitle());
  Type(L"Text", L"Total, \"net\"");
  EXPECT_EQ(label->GetTitle(), L"Total, \"net\"");
  Type(L"X1", L" 42 ");
  EXPECT_DOUBLE_EQ(label->GetLeft(), 42);

  struct Case {
    const wchar_t* label;
    const wchar_t* typed;
    const wchar_t* told;
  } refused[] = {
      {L"X1", L"abc", L"X1 must be a whole number from 0 to 816."},
      {L"X1", L"42px", L"X1 must be a whole number from 0 to 816."},
      {L"X2", L"2147483647", L"X2 must be a whole number from 0 to 816."},
      {L"X2", L"99999999999", L"X2 must be a whole number from 0 to 816."},
      {L"Y2", L"-5000", L"Y2 must be a whole number from 0 to 1056."},
      {L"Y1", L"1057", L"Y1 must be a whole number from 0 to 1056."},
      {L"Y1", L"300", L"Y1 must not be greater than Y2."},
      {L"X1", L"500", L"X1 must not be greater than X2."},
  };
  const platform::gdi::Rect before = label->GetRect();
  for (const Case& c : refused) {
    SCOPED_TRACE(std::wstring(c.label) + L" = " + c.typed);
    platform::MessageBoxRecorder boxes;
    Type(c.label, c.typed);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, c.told);
    EXPECT_EQ(label->GetRect(), before);
    EXPECT_EQ(ItemOf<CPropTreeItemEdit>(c.label)->GetText(),
              std::to_wstring(std::wstring(c.label)[0] == L'X' ? (c.label[1] == L'1' ? before.left : before.right)
                                                               : (c.label[1] == L'1' ? before.top : before.bottom)))
        << "the item shows the entity again";
  }
}

TEST_F(PopulatorTest, ALineRunsEitherWay) {
  m_container.SetVirtualSize({816, 1056});
  auto* line = Show(std::make_unique<CReportEntityLine>(), 10, 20, 110, 80);
  platform::MessageBoxRecorder boxes;
  Type(L"X1", L"300");
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_DOUBLE_EQ(line->GetLeft(), 300);
}

TEST_F(PopulatorTest, ARepeatFieldsPlaceIsWhatIsSaved) {
  auto* field = Show(std::make_unique<CInvoiceRepeatField>(2), 100, 50, 300, 290);
  CInvoiceRepeatHeaderField* header = field->GetHeader();
  header->SetRect(100, 50, 300, 74);
  m_populator->UpdateFromEntity();
  auto saved = [&] {
    const TemplateItem item = *field->MakeTemplateItem();
    using namespace template_props;
    return platform::gdi::Rect{ModelInchesToPixels(item.GetProperty(kLeft).AsDouble()),
                               ModelInchesToPixels(item.GetProperty(kTop).AsDouble()),
                               ModelInchesToPixels(item.GetProperty(kRight).AsDouble()),
                               ModelInchesToPixels(item.GetProperty(kTop).AsDouble()) +
                                   item.GetProperty(kRepeatHeight).AsInt()};
  };
  Type(L"X2", L"400");
  EXPECT_EQ(field->GetRect(), (platform::gdi::Rect{100, 50, 400, 290}));
  EXPECT_EQ(saved(), field->GetRect());
  Type(L"X1", L"150");
  EXPECT_EQ(saved(), (platform::gdi::Rect{150, 50, 400, 290})) << "X1 leaves the right edge";
  Type(L"Y1", L"80");
  EXPECT_EQ(saved(), (platform::gdi::Rect{150, 80, 400, 290}));
  EXPECT_EQ(header->GetRect(), (platform::gdi::Rect{150, 80, 400, 104}));
  // Above the header's bottom: one row is kept.
  Type(L"Y2", L"90");
  EXPECT_EQ(field->GetRect(), (platform::gdi::Rect{150, 80, 400, 104}));
  EXPECT_EQ(field->GetRowCount(), 1);
  EXPECT_EQ(field->MakeTemplateItem()->GetProperty(template_props::kRepeatRows), Value(int32_t{1}));
  EXPECT_EQ(ItemOf<CPropTreeItemEdit>(L"Y2")->GetText(), L"104");
}

TEST_F(PopulatorTest, ARepeatFieldsTextGoesToItsHeaderAndX1MovesBoth) {
  auto* field = Show(std::make_unique<CInvoiceRepeatField>(2), 10, 20, 110, 200);
  CInvoiceRepeatHeaderField* header = field->GetHeader();
  ASSERT_NE(header, nullptr);
  header->SetRect(10, 20, 110, 50);
  header->SetItalic(true);
  m_populator->UpdateFromEntity();
  EXPECT_TRUE(ItemOf<CPropTreeItemFont>(L"Font")->GetFont().italic) << "the header's font";

  platform::SetFontHandler([](const platform::FontRequest& request) {
    platform::FontChoice choice = request.initial;
    choice.pointSize = 14;
    choice.strikeOut = true;
    return std::optional<platform::FontChoice>(choice);
  });
  auto* font = ItemOf<CPropTreeItemFont>(L"Font");
  font->Activate();
  font->Browse(nullptr);
  platform::SetFontHandler({});
  EXPECT_EQ(header->GetFontSize(), 140);
  EXPECT_TRUE(header->GetStrikeOut());

  Type(L"X1", L"40");
  EXPECT_DOUBLE_EQ(field->GetLeft(), 40);
  EXPECT_DOUBLE_EQ(header->GetLeft(), 40) << "the header follows the field's corner";
  EXPECT_DOUBLE_EQ(header->GetBottom() - header->GetTop(), 30) << "and keeps its height";
}

TEST_F(PopulatorTest, LinesAndPicturesWriteTheirOwnValues) {
  auto* line = Show(std::make_unique<CReportEntityLine>());
  Type(L"Thickness", L"4");
  auto* color = ItemOf<CPropTreeItemColor>(L"Border Color");
  color->Activate();
  color->PickPalette(13);
  EXPECT_EQ(line->GetPenWidth(), 4);
  EXPECT_EQ(line->GetPenColor(), 0xFF0000u);

  auto* picture = Show(std::make_unique<CReportEntityPicture>());
  auto* path = ItemOf<CPropTreeItemBrowseFile>(L"Picture");
  path->Activate();
  path->SetItemValue(L"/nonexistent/logo.bmp");
  path->CommitChanges();
  EXPECT_EQ(picture->GetPath(), L"/nonexistent/logo.bmp");
  EXPECT_FALSE(picture->HasBitmap()) << "a bitmap that cannot be read leaves none";
}

TEST_F(PopulatorTest, AnEntityThatLeftItsContainerIsNotTouched) {
  auto* box = Show(std::make_unique<CReportEntityBox>());
  auto* thickness = ItemOf<CPropTreeItemEdit>(L"Thickness");
  m_container.RemoveAll();  // the box is deleted
  thickness->Activate();
  thickness->SetText(L"9");
  thickness->CommitChanges();
  m_populator->UpdateFromEntity();
  EXPECT_EQ(m_container.GetUndoCount(), 0);
  EXPECT_EQ(m_redraws, 0);
  (void)box;
}

// A deleted entity's address may be taken by a new one; the bar's rows must
// not write into that one.
TEST_F(PopulatorTest, AnotherEntityAtTheAddressOfTheShownOneIsNotTouched) {
  auto* box = Show(std::make_unique<CReportEntityBox>());
  box->SetId(box->GetId() + 1000);  // as if a new entity now lived there
  auto* thickness = ItemOf<CPropTreeItemEdit>(L"Thickness");
  thickness->Activate();
  thickness->SetText(L"9");
  thickness->CommitChanges();
  EXPECT_EQ(box->GetBorderWidth(), 0);
  EXPECT_EQ(m_container.GetUndoCount(), 0);
}

// Each populator's rows are those of its own kind of entity; given another
// kind it shows and writes nothing, not even the positions every kind has.
TEST_F(PopulatorTest, APopulatorGivenAnotherKindOfEntityLeavesItAlone) {
  auto* box = Show(std::make_unique<CReportEntityBox>());
  for (PopulatorKind kind : {PopulatorKind::Line, PopulatorKind::Picture}) {
    auto populator = MakePopulator(kind);
    populator->SetEntity(box);
    populator->Populate(m_tree);
    populator->UpdateFromEntity();
    EXPECT_EQ(ItemOf<CPropTreeItemEdit>(L"X2")->GetText(), L"") << "nothing shown";
    Type(L"X1", L"5");
    EXPECT_DOUBLE_EQ(box->GetLeft(), 10);
    EXPECT_EQ(m_container.GetUndoCount(), 0);
  }
}
