#include "template/CInvoiceRepeatField.h"

#include <gtest/gtest.h>

#include "common/UnitConversions.h"
#include "platform/gdi/PageRecorder.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

// A repeat field of the field number with a header of the given height,
// added to the container.
CInvoiceRepeatField* AddField(CDiagramEntityContainer& container, Rect rect, int32_t headerHeight,
                              int32_t field = 3) {
  auto made = std::make_unique<CInvoiceRepeatField>(field);
  made->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  CInvoiceRepeatField* added = made.get();
  container.Add(std::move(made));
  added->GetHeader()->SetRect(rect.left, rect.top, rect.right, rect.top + headerHeight);
  return added;
}

int CountOf(const CDiagramEntityContainer& container, bool children) {
  int count = 0;
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) {
    if (entity->IsChild() == children) ++count;
  }
  return count;
}

class GridParent : public CDiagramParent {
public:
  bool GetSnapToGrid() const override { return true; }
  Size GetGridSize() const override { return {8, 8}; }
};

TEST(CInvoiceRepeatField, NinetyFivePixelsWithAThirtyPixelHeaderAreThreeRows) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {10, 20, 110, 115}, 30);
  EXPECT_EQ(field->GetRowHeight(), 30);
  EXPECT_EQ(field->GetRowCount(), 3);

  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  field->DrawObject(page, 1.0);
  std::vector<LineOp> rows;
  for (const PageOp& op : page.Page().ops) {
    if (const auto* line = std::get_if<LineOp>(&op); line && line->y1 == line->y2 && line->x1 == 10 &&
                                                      line->x2 == 110 && line->pen.style == PS_DOT)
      rows.push_back(*line);
  }
  // The outline's top side and the three row lines (the first on the top).
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].y1, 20);
  EXPECT_EQ(rows[2].y1, 50);
  EXPECT_EQ(rows[3].y1, 80);
  EXPECT_EQ(rows[3].pen, (Pen{PS_DOT, 1, RGB(100, 100, 255)}));
}

TEST(CInvoiceRepeatField, RowLinesFollowTheZoom) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 0, 100, 95}, 30);
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  field->DrawObject(page, 2.0);
  page.Take();
  field->Draw(page, Rect{0, 0, 200, 190});
  ASSERT_EQ(page.Page().ops.size(), 3u);
  EXPECT_EQ(std::get<LineOp>(page.Page().ops[2]).y1, 120);
}

TEST(CInvoiceRepeatField, AHeaderBelowTenPixelsDrawsNoRows) {
  CInvoiceRepeatField field;
  field.SetRect(0, 0, 100, 95);
  // Past the header's limits, as a damaged file could leave it.
  field.GetHeader()->SetConstraints({1, 1}, {-1, -1});
  field.GetHeader()->SetRect(0, 0, 100, 9);
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  field.Draw(page, field.GetRect());
  EXPECT_TRUE(page.Page().ops.empty());
}

TEST(CInvoiceRepeatField, ARowHeightOfZeroNeverDivides) {
  CInvoiceRepeatField field;
  field.GetHeader()->SetConstraints({1, 0}, {-1, -1});
  field.GetHeader()->SetRect(0, 0, 10, 0);
  EXPECT_EQ(field.GetRowHeight(), 0);
  EXPECT_EQ(field.GetRowCount(), 0);
}

TEST(CInvoiceRepeatField, TheFieldKeepsAtLeastOneRow) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 0, 100, 200}, 30);
  // A field of one row is a field of one row.
  field->SetRect(0, 0, 100, 30);
  EXPECT_EQ(field->GetRect().Height(), 30);
  EXPECT_EQ(field->GetRowCount(), 1);
  // Above the header's bottom it keeps the header's height.
  field->SetRect(0, 0, 100, 12);
  EXPECT_EQ(field->GetRect().Height(), 30);
  field->SetBottom(5);
  EXPECT_EQ(field->GetRect(), (Rect{0, 0, 100, 30}));
  EXPECT_EQ(field->GetRowCount(), 1);
  // The header grows to the field's bottom at most, and shrinks to 10.
  field->SetRect(0, 0, 100, 90);
  field->GetHeader()->SetRect(0, 0, 100, 150);
  EXPECT_EQ(field->GetRowHeight(), 90);
  EXPECT_EQ(field->GetRowCount(), 1);
  field->GetHeader()->SetRect(0, 0, 100, 5);
  EXPECT_EQ(field->GetRowHeight(), 10);
  EXPECT_EQ(field->GetRowCount(), 9);
}

TEST(CInvoiceRepeatField, FieldAndHeaderMoveAndSizeAsOneWhateverSetsThem) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {100, 50, 300, 290}, 24);
  CInvoiceRepeatHeaderField* header = field->GetHeader();
  // One edge of the field: the header spans the field still.
  field->SetRight(400);
  EXPECT_EQ(field->GetRect(), (Rect{100, 50, 400, 290}));
  EXPECT_EQ(header->GetRect(), (Rect{100, 50, 400, 74}));
  field->SetLeft(150);
  EXPECT_EQ(field->GetRect(), (Rect{150, 50, 400, 290}));
  EXPECT_EQ(header->GetRect(), (Rect{150, 50, 400, 74}));
  field->SetTop(80);
  EXPECT_EQ(header->GetRect(), (Rect{150, 80, 400, 104}));
  // The header set on its own stays on its field and keeps only its height.
  header->SetRect(0, 0, 50, 30);
  EXPECT_EQ(header->GetRect(), (Rect{150, 80, 400, 110}));
  header->SetRect(500, 600, 900, 624);
  EXPECT_EQ(header->GetRect(), (Rect{150, 80, 400, 104}));
  EXPECT_EQ(field->GetRowCount(), 8);
}

TEST(CInvoiceRepeatField, TheHeaderFollowsTheField) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {10, 20, 110, 115}, 30);
  CInvoiceRepeatHeaderField* header = field->GetHeader();
  EXPECT_EQ(header->GetContainer(), &container);
  EXPECT_EQ(header->GetOwner(), field);
  field->MoveRect(5, 7);
  EXPECT_EQ(header->GetRect(), (Rect{15, 27, 115, 57}));
  field->SetRect(15, 27, 215, 200);
  EXPECT_EQ(header->GetRect(), (Rect{15, 27, 215, 57}));  // width follows, height stays
  // Moving the header alone puts it back on its field.
  header->MoveRect(40, 40);
  EXPECT_EQ(header->GetRect(), (Rect{15, 27, 215, 57}));
  EXPECT_FALSE(header->CanMove());
  EXPECT_FALSE(header->CanDelete());
  EXPECT_TRUE(header->IsChild());
  EXPECT_FALSE(header->MakeTemplateItem().has_value());
}

TEST(CInvoiceRepeatField, AddingPlacesTheHeader) {
  CDiagramEntityContainer container;
  // The header keeps its height, also at the paper's corner.
  auto fresh = std::make_unique<CInvoiceRepeatField>(2);
  fresh->SetRect(0, 0, 100, 100);
  fresh->GetHeader()->SetRect(0, 0, 100, 30);
  CInvoiceRepeatField* first = fresh.get();
  container.Add(std::move(fresh));
  EXPECT_EQ(first->GetHeader()->GetRect(), (Rect{0, 0, 100, 30}));
  EXPECT_EQ(container.GetSize(), 2);
  EXPECT_EQ(container.GetAt(1), first->GetHeader());

  // Drawn by the user: created once the mouse is released.
  auto drawn = std::make_unique<CInvoiceRepeatField>(2);
  drawn->SetRectPixels(40, 50, 40, 50);
  CInvoiceRepeatField* second = drawn.get();
  container.Add(std::move(drawn));
  second->SetRect(40, 50, 140, 145);
  second->SetCreated(true);
  EXPECT_EQ(second->GetHeader()->GetRect(), (Rect{40, 50, 140, 80}));
  EXPECT_EQ(second->GetRowCount(), 3);
}

TEST(CInvoiceRepeatField, HeaderHitCodes) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 0, 100, 95}, 30);
  const CInvoiceRepeatHeaderField* header = field->GetHeader();
  EXPECT_EQ(header->GetHitCode({50, 30}), kHitBottom);
  EXPECT_EQ(header->GetHitCode({50, 33}), kHitBottom);  // just below the edge
  EXPECT_EQ(header->GetHitCode({20, 10}), kHitHeaderBody);
  EXPECT_EQ(header->GetHitCode({0, 29}), kHitHeaderBody);  // a corner is no marker
  EXPECT_EQ(header->GetHitCode({20, 40}), kHitNone);
}

TEST(CInvoiceRepeatField, HeaderMarkersAreTwoEllipsesAndASquare) {
  CInvoiceRepeatHeaderField header(3);
  header.SetRect(0, 0, 100, 30);
  header.Select(true);
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  header.DrawObject(page, 1.0);
  std::vector<PageOp> markers;
  for (const PageOp& op : page.Page().ops) {
    if (!std::holds_alternative<TextOp>(op)) markers.push_back(op);
  }
  // No outline: only the three markers.
  ASSERT_EQ(markers.size(), 3u);
  EXPECT_EQ(std::get<EllipseOp>(markers[0]).rect, (Rect{-4, 26, 4, 34}));
  EXPECT_EQ(std::get<EllipseOp>(markers[1]).rect, (Rect{96, 26, 104, 34}));
  EXPECT_EQ(std::get<RectangleOp>(markers[2]).rect, (Rect{46, 26, 54, 34}));
  EXPECT_EQ(std::get<RectangleOp>(markers[2]).brush, Brush::Solid(RGB(0, 0, 0)));
  // It draws as its invoice field.
  ASSERT_FALSE(page.Page().Texts().empty());
  EXPECT_EQ(page.Page().Texts()[0]->text, L"Quantity 1");
}

TEST(CInvoiceRepeatField, TheHeaderAloneIsNotDeletedAndTheFieldTakesItAlong) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 0, 100, 95}, 30);
  field->GetHeader()->Select(true);
  container.RemoveAllSelected();
  EXPECT_EQ(container.GetSize(), 2);
  field->Select(true);
  container.RemoveAllSelected();
  EXPECT_EQ(container.GetSize(), 0);
}

TEST(CInvoiceRepeatField, SnapshotsLeaveTheHeaderOutAndUndoRebuildsIt) {
  CDiagramEntityContainer container;
  AddField(container, {0, 0, 100, 95}, 30);
  container.Snapshot();
  container.RemoveAll();
  container.Undo();
  ASSERT_EQ(container.GetSize(), 2);
  EXPECT_EQ(CountOf(container, true), 1);
  auto* field = dynamic_cast<CInvoiceRepeatField*>(container.GetAt(0));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->GetHeader(), container.GetAt(1));
  EXPECT_EQ(field->GetHeader()->GetRect(), (Rect{0, 0, 100, 30}));
  EXPECT_EQ(field->GetHeader()->GetFieldId().GetKey(), L"FLD_003_000");
  EXPECT_EQ(field->GetRowCount(), 3);
}

TEST(CInvoiceRepeatField, BroughtToFrontThenUndoneOrClosedDeletesItsHeaderOnce) {
  for (bool undo : {true, false}) {
    auto container = std::make_unique<CDiagramEntityContainer>();
    CInvoiceRepeatField* field = AddField(*container, {0, 0, 100, 95}, 30);
    container->Add(std::make_unique<CDiagramEntity>());
    field->Select(true);
    container->Snapshot();
    container->FrontSelected();
    // The header now lies before its field in the list.
    EXPECT_EQ(container->GetAt(2), field);
    if (undo) {
      container->Undo();
      EXPECT_EQ(container->GetSize(), 3);
      EXPECT_EQ(CountOf(*container, true), 1);
    }
    container.reset();  // closing: under a sanitizer a double delete shows here
  }
}

TEST(CInvoiceRepeatField, CopyAndPasteRecreateTheHeader) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 0, 100, 95}, 30);
  field->Select(true);
  field->GetHeader()->Select(true);
  container.CopyAllSelected();
  EXPECT_EQ(container.ObjectsInPaste(), 1);  // the field; the header comes with it
  container.Paste();
  container.Paste();
  EXPECT_EQ(CountOf(container, false), 3);
  EXPECT_EQ(CountOf(container, true), 3);
  auto* pasted = dynamic_cast<CInvoiceRepeatField*>(container.GetAt(2));
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->GetHeader()->GetRect(), (Rect{10, 10, 110, 40}));
  EXPECT_EQ(pasted->GetHeader()->GetContainer(), &container);
  EXPECT_NE(pasted->GetHeader()->GetId(), field->GetHeader()->GetId());
}

TEST(CInvoiceRepeatField, TemplateItemCarriesTheHeaderAndTheRows) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {96, 192, 288, 287}, 30, 10);
  field->SetGroup(12);
  field->GetHeader()->SetTitle(L"Total");
  field->GetHeader()->SetFontSize(90);
  field->GetHeader()->SetBold(true);
  const std::optional<TemplateItem> item = field->MakeTemplateItem();
  ASSERT_TRUE(item.has_value());
  EXPECT_EQ(item->GetType(), 7);
  EXPECT_EQ(item->GetProperty(kLeft), Value(1.0));
  EXPECT_EQ(item->GetProperty(kTop), Value(2.0));
  EXPECT_EQ(item->GetProperty(kRight), Value(3.0));
  EXPECT_EQ(item->GetProperty(kBottom), Value(222.0 / 96));
  EXPECT_EQ(item->GetProperty(kName), Value(L"FLD_010_000"));
  EXPECT_EQ(item->GetProperty(kFieldKey), Value(L"FLD_010_000"));
  EXPECT_EQ(item->GetProperty(kText), Value(L"Total"));
  EXPECT_EQ(item->GetProperty(kGroup), Value(int32_t{12}));
  EXPECT_EQ(item->GetProperty(kRepeatHeight), Value(int32_t{95}));
  EXPECT_EQ(item->GetProperty(kRepeatRows), Value(int32_t{3}));
  EXPECT_EQ(item->GetProperty(kBold), Value::Boolean(true));

  CInvoiceRepeatField prototype;
  std::unique_ptr<CDiagramEntity> loaded = prototype.LoadTemplateItem(*item);
  auto* read = dynamic_cast<CInvoiceRepeatField*>(loaded.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetRect(), (Rect{96, 192, 288, 287}));
  EXPECT_EQ(read->GetHeader()->GetRect(), (Rect{96, 192, 288, 222}));
  EXPECT_EQ(read->GetRowCount(), 3);
  EXPECT_EQ(read->GetGroup(), 12);
  EXPECT_EQ(read->GetHeader()->GetTitle(), L"Total");
  EXPECT_EQ(read->GetHeader()->GetFontSize(), 90);
  EXPECT_EQ(read->GetHeader()->GetFieldId().GetField(), 10);
  EXPECT_EQ(read->MakeTemplateItem(), item);

  TemplateItem label(TemplateItemType::Label);
  EXPECT_EQ(prototype.LoadTemplateItem(label), nullptr);
  TemplateItem badKey = *item;
  badKey.SetProperty(kFieldKey, Value(L"FLD_200_000"));
  EXPECT_THROW(prototype.LoadTemplateItem(badKey), std::runtime_error);
}

TEST(CInvoiceRepeatField, TheRowCountDoesNotDependOnTheScreen) {
  SetScreenDpi(96);
  CDiagramEntityContainer container;
  const std::optional<TemplateItem> item = AddField(container, {0, 0, 100, 95}, 30)->MakeTemplateItem();
  SetScreenDpi(120);
  CInvoiceRepeatField prototype;
  std::unique_ptr<CDiagramEntity> loaded = prototype.LoadTemplateItem(*item);
  SetScreenDpi(0);
  auto* read = dynamic_cast<CInvoiceRepeatField*>(loaded.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetRowCount(), 3);
  EXPECT_EQ(read->MakeTemplateItem()->GetProperty(kRepeatRows), Value(int32_t{3}));
}

TEST(CInvoiceRepeatField, TextRecordRoundTrip) {
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {96, 192, 288, 287}, 30, 1);
  field->SetGroup(2);
  field->GetHeader()->SetFontFace(L"Arial");
  const std::wstring record = field->GetString();
  EXPECT_EQ(record,
            L"inv_repeat_fld:1.000000,2.000000,3.000000,2.312500,,FLD_001_000,2,Arial,120,0,0,0,0,0,0;"
            L"<inv_repeat_bgn>3,95;");

  CInvoiceRepeatField read;
  ASSERT_TRUE(read.FromString(record));
  EXPECT_EQ(read.GetRect(), (Rect{96, 192, 288, 287}));
  EXPECT_EQ(read.GetHeader()->GetRect(), (Rect{96, 192, 288, 222}));
  EXPECT_EQ(read.GetGroup(), 2);
  EXPECT_EQ(read.GetHeader()->GetGroup(), 0);
  EXPECT_EQ(read.GetHeader()->GetFontFace(), L"Arial");
  EXPECT_EQ(read.GetString(), record);

  EXPECT_FALSE(read.FromString(L"inv_repeat_fld:1,2,3,2.3,,FLD_001_000,0,Arial,120,0,0,0,0,0,0;"));
  EXPECT_FALSE(read.FromString(L"invoice_field:1,2,3,2.3,,FLD_001_000,0,A,1,0,0,0,0,0,0;<inv_repeat_bgn>3,95;"));
  EXPECT_THROW(read.FromString(L"inv_repeat_fld:1,2,3,2.3,,FLD_000_000,0,A,1,0,0,0,0,0,0;<inv_repeat_bgn>3,95;"),
               std::runtime_error);
}

TEST(CInvoiceRepeatField, DrawingWithSnapOnChangesNothing) {
  GridParent grid;
  CDiagramEntityContainer container;
  CInvoiceRepeatField* field = AddField(container, {0, 3, 100, 243}, 24);
  field->SetParent(&grid);
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  field->DrawObject(page, 1.0);
  field->GetHeader()->DrawObject(page, 1.0);
  EXPECT_EQ(field->GetRect(), (Rect{0, 3, 100, 243}));
  EXPECT_EQ(field->GetHeader()->GetRect(), (Rect{0, 3, 100, 27}));
  EXPECT_EQ(field->GetRowCount(), 10);
  EXPECT_EQ(field->MakeTemplateItem()->GetProperty(kRepeatRows), Value(int32_t{10}));
}

}  // namespace
