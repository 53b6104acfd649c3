#include "template/diagram/CDiagramEntity.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/gdi/PageRecorder.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

struct RectCase {
  double left, top, right, bottom;
  Size minimum, maximum;
  double wantRight, wantBottom;
};

class SetRectLimits : public testing::TestWithParam<RectCase> {};

TEST_P(SetRectLimits, MoveRightAndBottomEdges) {
  const RectCase& c = GetParam();
  CDiagramEntity entity;
  entity.SetConstraints(c.minimum, c.maximum);
  entity.SetRect(c.left, c.top, c.right, c.bottom);
  EXPECT_DOUBLE_EQ(entity.GetLeft(), c.left);
  EXPECT_DOUBLE_EQ(entity.GetTop(), c.top);
  EXPECT_DOUBLE_EQ(entity.GetRight(), c.wantRight);
  EXPECT_DOUBLE_EQ(entity.GetBottom(), c.wantBottom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetRectLimits,
    testing::Values(RectCase{10, 10, 12, 12, {1, 1}, {-1, -1}, 12, 12},    // 2 x 2 stays
                    RectCase{10, 10, 10, 10, {1, 1}, {-1, -1}, 11, 11},    // 0 x 0 grows to 1 x 1
                    RectCase{0, 0, 300, 50, {1, 1}, {100, 20}, 100, 20},   // maximum applies
                    RectCase{0, 0, 300, 50, {-1, -1}, {-1, -1}, 300, 50},  // no limits
                    RectCase{5, 5, 5.9, 6, {1, 1}, {-1, -1}, 6, 6}));      // width truncates to 0

TEST(CDiagramEntity, SetRectPixelsOrdersTheEdges) {
  CDiagramEntity entity;
  entity.SetRectPixels(10, 20, 5, 8);
  EXPECT_EQ(entity.GetRect(), (Rect{5, 8, 10, 20}));
}

TEST(CDiagramEntity, GetRectTruncatesTowardZero) {
  CDiagramEntity entity;
  entity.SetConstraints({-1, -1}, {-1, -1});
  entity.SetRect(-1.7, 2.9, 10.5, 20.99);
  EXPECT_EQ(entity.GetRect(), (Rect{-1, 2, 10, 20}));
}

TEST(CDiagramEntity, RecordEscapesTitleAndReadsItBack) {
  CDiagramEntity entity;
  entity.SetRect(1, 2, 30, 40);
  entity.SetTitle(L"Total: 1,5; net\r\nend");
  entity.SetName(L"FLD_100_000");
  entity.SetGroup(4);
  const std::wstring record = entity.GetString();
  EXPECT_EQ(record,
            L"basic:1.000000,2.000000,30.000000,40.000000,Total\\colon 1\\comma5\\semicolon "
            L"net\\newlineend,FLD_100_000,4;");

  CDiagramEntity read;
  ASSERT_TRUE(read.FromString(record));
  EXPECT_EQ(read.GetTitle(), L"Total: 1,5; net\r\nend");
  EXPECT_EQ(read.GetName(), L"FLD_100_000");
  EXPECT_EQ(read.GetGroup(), 4);
  EXPECT_EQ(read.GetRect(), (Rect{1, 2, 30, 40}));
}

TEST(CDiagramEntity, RecordsOfAnotherShapeDoNotMatch) {
  CDiagramEntity entity;
  for (const wchar_t* record : {L"basic:1,2,3,4,a:b,c,0;", L"basic 1,2,3,4,a,c,0;", L"Basic:1,2,3,4,a,c,0;",
                                L"line:1,2,3,4,a,c,0;", L"basic:1,2,3,4,a,c;", L"basic:"}) {
    EXPECT_FALSE(entity.FromString(record)) << record;
  }
  EXPECT_TRUE(entity.FromString(L"  basic :1,2,3,4,a,c,0;"));
}

// Exposes the protected head reader.
class HeadReader : public CDiagramEntity {
public:
  bool Read(std::wstring& attributes) { return GetDefaultFromString(attributes); }
};

TEST(CDiagramEntity, HeadLeavesTheRestOfTheAttributes) {
  HeadReader entity;
  std::wstring seven = L"1,2,3,4,t,n,0;";
  ASSERT_TRUE(entity.Read(seven));
  EXPECT_EQ(seven, L"");
  std::wstring nine = L"1,2,3,4,t,n,0,x,y;";
  ASSERT_TRUE(entity.Read(nine));
  EXPECT_EQ(nine, L"x,y");
  std::wstring six = L"1,2,3,4,t,n;";
  EXPECT_FALSE(entity.Read(six));
  std::wstring empty;
  EXPECT_FALSE(entity.Read(empty));
  std::wstring letters = L"a,b,c,d,t,n,x;";
  ASSERT_TRUE(entity.Read(letters));
  EXPECT_EQ(entity.GetRect(), (Rect{0, 0, 1, 1}));  // not numbers read as 0, then the minimum size
  EXPECT_EQ(entity.GetGroup(), 0);
}

struct HitCase {
  Point point;
  int code;
};

class HitCodes : public testing::TestWithParam<HitCase> {};

TEST_P(HitCodes, AgainstRectangle100x60) {
  CDiagramEntity entity;
  entity.SetRect(100, 100, 200, 160);
  EXPECT_EQ(entity.GetHitCode(GetParam().point), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Cases, HitCodes,
                         testing::Values(HitCase{{150, 130}, kHitBody}, HitCase{{100, 100}, kHitTopLeft},
                                         HitCase{{96, 96}, kHitTopLeft},  // just outside the corner
                                         HitCase{{95, 95}, kHitNone}, HitCase{{150, 100}, kHitTop},
                                         HitCase{{200, 100}, kHitTopRight}, HitCase{{100, 160}, kHitBottomLeft},
                                         HitCase{{150, 160}, kHitBottom}, HitCase{{203, 163}, kHitBottomRight},
                                         HitCase{{100, 130}, kHitLeft}, HitCase{{200, 130}, kHitRight},
                                         HitCase{{195, 155}, kHitBody},  // inside, beside the corner marker
                                         HitCase{{200, 140}, kHitNone},  // right edge, between markers
                                         HitCase{{300, 300}, kHitNone}));

TEST(CDiagramEntity, CursorsOfTheHitCodes) {
  CDiagramEntity entity;
  const DiagramCursor expected[] = {DiagramCursor::None,     DiagramCursor::SizeAll,  DiagramCursor::SizeNWSE,
                                    DiagramCursor::SizeNS,   DiagramCursor::SizeNESW, DiagramCursor::SizeNESW,
                                    DiagramCursor::SizeNS,   DiagramCursor::SizeNWSE, DiagramCursor::SizeWE,
                                    DiagramCursor::SizeWE,   DiagramCursor::None};
  for (int code = 0; code <= 10; ++code) EXPECT_EQ(entity.GetCursor(code), expected[code]) << code;
}

TEST(CDiagramEntity, BodyInRectNeedsAnOverlap) {
  CDiagramEntity entity;
  entity.SetRect(10, 10, 20, 20);
  EXPECT_TRUE(entity.BodyInRect(Rect{30, 30, 15, 15}));  // ordered first
  EXPECT_FALSE(entity.BodyInRect(Rect{20, 10, 30, 20}));  // touching edges only
  EXPECT_TRUE(entity.BodyInRect(Rect{19, 19, 21, 21}));
}

TEST(CDiagramEntity, DrawObjectScalesAndDrawsOutlineBodyAndMarkers) {
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  CDiagramEntity entity;
  entity.SetRect(10.2, 20, 30, 40.3);
  entity.DrawObject(page, 1.5);
  EXPECT_DOUBLE_EQ(entity.GetZoom(), 1.5);
  const auto& ops = page.Page().ops;
  ASSERT_EQ(ops.size(), 5u);
  const auto& first = std::get<LineOp>(ops[0]);
  EXPECT_EQ(first.pen, (Pen{PS_DOT, 1, RGB(100, 100, 255)}));
  EXPECT_EQ((std::array{first.x1, first.y1, first.x2, first.y2}), (std::array{15, 30, 45, 30}));
  EXPECT_EQ(std::get<LineOp>(ops[3]).x2, 15);
  const auto& body = std::get<RectangleOp>(ops[4]);
  EXPECT_EQ(body.rect, (Rect{15, 30, 45, 60}));
  EXPECT_EQ(body.pen, Pen::StockBlack());
  EXPECT_EQ(body.brush, Brush::StockWhite());

  entity.Select(true);
  page.Take();
  entity.DrawObject(page, 1.0);
  const auto& selected = page.Page().ops;
  ASSERT_EQ(selected.size(), 13u);
  // Markers in the order 2, 3, 4, 5, 6, 7, 9, 8, black.
  const auto& topLeft = std::get<RectangleOp>(selected[5]);
  EXPECT_EQ(topLeft.rect, (Rect{6, 16, 14, 24}));
  EXPECT_EQ(topLeft.brush, Brush::Solid(RGB(0, 0, 0)));
  EXPECT_EQ(std::get<RectangleOp>(selected[11]).rect, (Rect{26, 26, 34, 34}));  // right marker
  EXPECT_EQ(std::get<RectangleOp>(selected[12]).rect, (Rect{6, 26, 14, 34}));   // left marker
}

TEST(CDiagramEntity, CommonPropertiesAreInchesAtTheModelResolution) {
  CDiagramEntity entity;
  entity.SetRect(48.7, 96, 144, 192);
  entity.SetTitle(L"t");
  entity.SetName(L"n");
  entity.SetGroup(7);
  TemplateItem item(TemplateItemType::Box);
  entity.WriteCommonProperties(item);
  EXPECT_EQ(item.GetProperty(kLeft), Value(0.5));  // truncated to 48 px first
  EXPECT_EQ(item.GetProperty(kTop), Value(1.0));
  EXPECT_EQ(item.GetProperty(kRight), Value(1.5));
  EXPECT_EQ(item.GetProperty(kBottom), Value(2.0));
  EXPECT_EQ(item.GetProperty(kGroup), Value(int32_t{7}));

  CDiagramEntity read;
  item.SetProperty(kLeft, Value(2.0));  // left past right: ordered
  read.ReadCommonProperties(item);
  EXPECT_EQ(read.GetRect(), (Rect{144, 96, 192, 192}));
  EXPECT_EQ(read.GetTitle(), L"t");
  EXPECT_EQ(read.GetName(), L"n");
  EXPECT_EQ(read.GetGroup(), 7);

  TemplateItem wrongTypes(TemplateItemType::Box);
  wrongTypes.SetProperty(kGroup, Value(L"5"));
  wrongTypes.SetProperty(kLeft, Value(int32_t{3}));
  wrongTypes.SetProperty(kTitle, Value(int32_t{3}));
  read.ReadCommonProperties(wrongTypes);
  EXPECT_EQ(read.GetGroup(), 0);
  EXPECT_EQ(read.GetTitle(), L"");
  EXPECT_EQ(read.GetRect(), (Rect{0, 0, 1, 1}));
}

TEST(CDiagramEntity, CopyKeepsTheGroupAndCloneIsOfTheSameKind) {
  CDiagramEntity entity;
  entity.SetRect(1, 2, 3, 4);
  entity.SetGroup(9);
  entity.SetTitle(L"x");
  entity.SetMaximumSize({50, 60});
  std::unique_ptr<CDiagramEntity> clone = entity.Clone();
  EXPECT_EQ(clone->GetGroup(), 9);
  EXPECT_EQ(clone->GetTitle(), L"x");
  EXPECT_EQ(clone->GetType(), L"basic");
  EXPECT_EQ(clone->GetMaximumSize(), (Size{50, 60}));
  EXPECT_EQ(clone->GetRect(), (Rect{1, 2, 3, 4}));
}

TEST(CDiagramEntity, SelectingAGroupMemberMarksTheWholeGroup) {
  CDiagramEntityContainer container;
  CDiagramEntity* members[3];
  for (auto*& member : members) {
    auto entity = std::make_unique<CDiagramEntity>();
    entity->SetGroup(3);
    member = entity.get();
    container.Add(std::move(entity));
  }
  auto loner = std::make_unique<CDiagramEntity>();
  CDiagramEntity* other = loner.get();
  container.Add(std::move(loner));

  members[1]->Select(true);
  EXPECT_TRUE(members[0]->IsSelected());
  EXPECT_TRUE(members[2]->IsSelected());
  EXPECT_FALSE(other->IsSelected());
  // Only the entity itself enters the selection order.
  EXPECT_EQ(container.GetSelectionOrder(), std::deque<int32_t>{members[1]->GetId()});

  members[1]->Select(false);
  EXPECT_TRUE(members[0]->IsSelected());
  EXPECT_TRUE(members[2]->IsSelected());
  EXPECT_TRUE(container.GetSelectionOrder().empty());
}

TEST(CDiagramEntity, ControlPutsTheEntityAtTheFrontOfTheSelectionOrder) {
  CDiagramEntityContainer container;
  container.Add(std::make_unique<CDiagramEntity>());
  container.Add(std::make_unique<CDiagramEntity>());
  container.Add(std::make_unique<CDiagramEntity>());
  bool control = false;
  CDiagramEntity::SetControlKeyQuery([&] { return control; });
  container.GetAt(0)->Select(true);
  container.GetAt(1)->Select(true);
  control = true;
  container.GetAt(2)->Select(true);
  CDiagramEntity::SetControlKeyQuery(nullptr);
  EXPECT_EQ(container.GetSelectionOrder(),
            (std::deque<int32_t>{container.GetAt(2)->GetId(), container.GetAt(0)->GetId(),
                                 container.GetAt(1)->GetId()}));
  EXPECT_EQ(container.GetSelectedObject(), container.GetAt(2));
}

TEST(CDiagramEntity, SetCreatedRunsOnCreated) {
  struct Counting : CDiagramEntity {
    int created = 0;
    void OnCreated() override { ++created; }
  } entity;
  EXPECT_TRUE(entity.GetCreated());
  entity.SetCreated(false);
  EXPECT_EQ(entity.created, 0);
  entity.SetCreated(true);
  EXPECT_EQ(entity.created, 1);
}

}  // namespace
