#include "template/diagram/CDiagramEntity.h"

#include <utility>

#include "common/RecordNumbers.h"
#include "common/TextEscapes.h"
#include "common/TextSplitter.h"
#include "common/UnitConversions.h"
#include "template/ReportEditorNotifications.h"
#include "template/TemplateHelpers.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

std::function<bool()>& ControlKeyQuery() {
  static std::function<bool()> query;
  return query;
}

}  // namespace

void CDiagramEntity::SetControlKeyQuery(std::function<bool()> query) {
  ControlKeyQuery() = std::move(query);
}

bool CDiagramEntity::IsControlKeyDown() {
  const auto& query = ControlKeyQuery();
  return query && query();
}

CDiagramEntity::CDiagramEntity() {
  Clear();
}

CDiagramEntity::~CDiagramEntity() = default;

void CDiagramEntity::Clear() {
  SetRect(0, 0, 0, 0);
  m_markerSize = Size{8, 8};
  SetConstraints(Size{1, 1}, Size{-1, -1});
  Select(false);
  m_container = nullptr;
  m_name.clear();
}

std::unique_ptr<CDiagramEntity> CDiagramEntity::Clone() const {
  auto clone = std::make_unique<CDiagramEntity>();
  clone->Copy(*this);
  return clone;
}

void CDiagramEntity::Copy(const CDiagramEntity& other) {
  Clear();
  m_markerSize = other.m_markerSize;
  m_minimumSize = other.m_minimumSize;
  m_maximumSize = other.m_maximumSize;
  // Cleared above: selecting touches no container's selection order.
  Select(other.IsSelected());
  m_container = other.m_container;
  m_parent = other.m_parent;
  m_type = other.m_type;
  m_title = other.m_title;
  m_name = other.m_name;
  SetRect(other.m_left, other.m_top, other.m_right, other.m_bottom);
  m_id = other.m_id;
  // Groups survive undo and copying; pasting gives them new ids.
  m_group = other.m_group;
}

bool CDiagramEntity::FromString(const std::wstring& record) {
  std::wstring rest;
  return ReadRecordHead(record, rest, RecordUnits::Pixels);
}

std::wstring CDiagramEntity::GetString() const {
  return GetDefaultGetString() + L";";
}

std::unique_ptr<CDiagramEntity> CDiagramEntity::LoadTemplateItem(const TemplateItem& item) {
  return nullptr;
}

std::optional<TemplateItem> CDiagramEntity::MakeTemplateItem() const {
  return std::nullopt;
}

Rect CDiagramEntity::GetRect() const {
  return Rect{TruncateToInt32(m_left), TruncateToInt32(m_top), TruncateToInt32(m_right),
              TruncateToInt32(m_bottom)};
}

void CDiagramEntity::SetRect(double left, double top, double right, double bottom) {
  m_left = left;
  m_top = top;
  m_right = right;
  m_bottom = bottom;
  const Rect rect = GetRect();
  if (m_minimumSize.cx != -1 && static_cast<int64_t>(rect.right) - rect.left < m_minimumSize.cx)
    m_right = m_left + m_minimumSize.cx;
  if (m_minimumSize.cy != -1 && static_cast<int64_t>(rect.bottom) - rect.top < m_minimumSize.cy)
    m_bottom = m_top + m_minimumSize.cy;
  if (m_maximumSize.cx != -1 && static_cast<int64_t>(rect.right) - rect.left > m_maximumSize.cx)
    m_right = m_left + m_maximumSize.cx;
  if (m_maximumSize.cy != -1 && static_cast<int64_t>(rect.bottom) - rect.top > m_maximumSize.cy)
    m_bottom = m_top + m_maximumSize.cy;
}

void CDiagramEntity::SetRectPixels(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  SetRect(left, top, right, bottom);
}

void CDiagramEntity::MoveRect(double dx, double dy) {
  SetRect(m_left + dx, m_top + dy, m_right + dx, m_bottom + dy);
}

void CDiagramEntity::SetConstraints(Size minimum, Size maximum) {
  SetMinimumSize(minimum);
  SetMaximumSize(maximum);
}

void CDiagramEntity::SetGroup(int32_t group) {
  m_group = group;
  if (group != 0) NoteGroupId(group);
}

void CDiagramEntity::Select(bool selected) {
  m_selected = selected;
  if (!m_container) return;
  if (!selected) {
    m_container->RemoveFromSelectionOrder(m_id);
    return;
  }
  m_container->AddToSelectionOrder(m_id, IsControlKeyDown());
  if (m_group == 0) return;
  for (int index = 0; CDiagramEntity* entity = m_container->GetAt(index); ++index) {
    if (entity != this && entity->GetGroup() == m_group && !entity->IsSelected())
      entity->SetSelectedFlag(true);
  }
}

bool CDiagramEntity::BodyInRect(Rect rect) const {
  const Rect mine = GetRect().Normalized();
  rect = rect.Normalized();
  const int32_t left = std::max(mine.left, rect.left);
  const int32_t right = std::min(mine.right, rect.right);
  const int32_t top = std::max(mine.top, rect.top);
  const int32_t bottom = std::min(mine.bottom, rect.bottom);
  return left < right && top < bottom;
}

int CDiagramEntity::GetHitCodeInRect(Point point, Rect rect) const {
  int result = kHitNone;
  if (rect.Contains(point)) result = kHitBody;
  for (int code = kHitTopLeft; code <= kHitRight; ++code) {
    if (GetSelectionMarkerRect(code, rect).Contains(point)) result = code;
  }
  return result;
}

int CDiagramEntity::GetHitCode(Point point) const {
  return GetHitCodeInRect(point, GetRect());
}

void CDiagramEntity::ShowProperties(ReportEditorNotifications* editor, bool show) {
  CDiagramEntity& edited = *GetEditedEntity();
  const PopulatorKind populator = edited.GetPopulator();
  if (populator == PopulatorKind::None || editor == nullptr) return;
  if (show)
    editor->ShowEntityProperties(edited, populator);
  else
    editor->ClearProperties();
}

void CDiagramEntity::Draw(Canvas& dc, Rect rect) {
  dc.SelectPen(Pen::StockBlack());
  dc.SelectBrush(Brush::StockWhite());
  dc.Rectangle(rect);
}

DiagramCursor CDiagramEntity::GetCursor(int hitCode) const {
  switch (hitCode) {
    case kHitBody:
      return DiagramCursor::SizeAll;
    case kHitTopLeft:
    case kHitBottomRight:
      return DiagramCursor::SizeNWSE;
    case kHitTopRight:
    case kHitBottomLeft:
      return DiagramCursor::SizeNESW;
    case kHitTop:
    case kHitBottom:
      return DiagramCursor::SizeNS;
    case kHitLeft:
    case kHitRight:
      return DiagramCursor::SizeWE;
    default:
      return DiagramCursor::None;
  }
}

void CDiagramEntity::DrawObject(Canvas& dc, double zoom) {
  m_zoom = zoom;
  const Rect rect{TruncateToInt32(m_left * zoom + 0.5), TruncateToInt32(m_top * zoom + 0.5),
                  TruncateToInt32(m_right * zoom + 0.5), TruncateToInt32(m_bottom * zoom + 0.5)};
  DrawOutline(dc, rect);
  Draw(dc, rect);
  if (IsSelected()) DrawSelectionMarkers(dc, rect);
}

Rect CDiagramEntity::GetDrawnBounds(double zoom) const {
  // Borders are drawn centred on the rectangle, so half a thick pen lies
  // outside it; text may reach a line's height past a box it overflows.
  constexpr int32_t kInkSlack = 32;
  const Rect rect = Rect{TruncateToInt32(m_left * zoom + 0.5), TruncateToInt32(m_top * zoom + 0.5),
                         TruncateToInt32(m_right * zoom + 0.5), TruncateToInt32(m_bottom * zoom + 0.5)}
                        .Normalized();
  const int32_t dx = m_markerSize.cx + kInkSlack, dy = m_markerSize.cy + kInkSlack;
  return Rect{rect.left - dx, rect.top - dy, rect.right + dx, rect.bottom + dy};
}

void CDiagramEntity::DrawSelectionMarkers(Canvas& dc, Rect rect) {
  const Brush old = dc.SelectBrush(Brush::Solid(RGB(0, 0, 0)));
  for (int code : {kHitTopLeft, kHitTop, kHitTopRight, kHitBottomLeft, kHitBottom, kHitBottomRight,
                   kHitRight, kHitLeft}) {
    dc.Rectangle(GetSelectionMarkerRect(code, rect));
  }
  dc.SelectBrush(old);
}

Rect CDiagramEntity::GetSelectionMarkerRect(int hitCode, Rect rect) const {
  const int32_t centreX = rect.left + (rect.right - rect.left) / 2;
  const int32_t centreY = rect.top + (rect.bottom - rect.top) / 2;
  Point centre;
  switch (hitCode) {
    case kHitTopLeft:
      centre = {rect.left, rect.top};
      break;
    case kHitTop:
      centre = {centreX, rect.top};
      break;
    case kHitTopRight:
      centre = {rect.right, rect.top};
      break;
    case kHitBottomLeft:
      centre = {rect.left, rect.bottom};
      break;
    case kHitBottom:
      centre = {centreX, rect.bottom};
      break;
    case kHitBottomRight:
      centre = {rect.right, rect.bottom};
      break;
    case kHitLeft:
      centre = {rect.left, centreY};
      break;
    case kHitRight:
      centre = {rect.right, centreY};
      break;
    default:
      return Rect{};
  }
  const int32_t halfWidth = m_markerSize.cx / 2;
  const int32_t halfHeight = m_markerSize.cy / 2;
  return Rect{centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};
}

void CDiagramEntity::DrawOutline(Canvas& dc, Rect rect) {
  const Pen old = dc.SelectPen(Pen{PS_DOT, 1, RGB(100, 100, 255)});
  dc.MoveTo(rect.left, rect.top);
  dc.LineTo(rect.right, rect.top);
  dc.LineTo(rect.right, rect.bottom);
  dc.LineTo(rect.left, rect.bottom);
  dc.LineTo(rect.left, rect.top);
  dc.SelectPen(old);
}

void CDiagramEntity::SetCreated(bool created) {
  m_created = created;
  if (created) OnCreated();
}

void CDiagramEntity::WriteCommonProperties(TemplateItem& item) const {
  const Rect rect = GetRect();
  item.SetProperty(kLeft, Value(ModelPixelsToInches(rect.left)));
  item.SetProperty(kTop, Value(ModelPixelsToInches(rect.top)));
  item.SetProperty(kRight, Value(ModelPixelsToInches(rect.right)));
  item.SetProperty(kBottom, Value(ModelPixelsToInches(rect.bottom)));
  item.SetProperty(kTitle, Value(m_title));
  item.SetProperty(kName, Value(m_name));
  item.SetProperty(kGroup, Value(m_group));
}

void CDiagramEntity::ReadCommonProperties(const TemplateItem& item) {
  m_title = item.GetProperty(kTitle).AsString();
  m_name = item.GetProperty(kName).AsString();
  const Value* group = item.FindProperty(kGroup);
  SetGroup(group && group->GetType() == VT_INTEGER ? group->AsInt() : 0);
  SetRectPixels(ModelInchesToPixels(item.DoubleProperty(kLeft)), ModelInchesToPixels(item.DoubleProperty(kTop)),
                ModelInchesToPixels(item.DoubleProperty(kRight)),
                ModelInchesToPixels(item.DoubleProperty(kBottom)));
}

std::wstring CDiagramEntity::GetDefaultGetString(RecordUnits units) const {
  double left = m_left;
  double top = m_top;
  double right = m_right;
  double bottom = m_bottom;
  if (units == RecordUnits::Inches) {
    const Rect rect = GetRect();
    left = ModelPixelsToInches(rect.left);
    top = ModelPixelsToInches(rect.top);
    right = ModelPixelsToInches(rect.right);
    bottom = ModelPixelsToInches(rect.bottom);
  }
  std::wstring title = m_title;
  std::wstring name = m_name;
  EscapeRecordText(title);
  EscapeRecordText(name);
  return m_type + L":" + FormatRecordDouble(left) + L"," + FormatRecordDouble(top) + L"," +
         FormatRecordDouble(right) + L"," + FormatRecordDouble(bottom) + L"," + title + L"," + name + L"," +
         FormatRecordInt(m_group);
}

bool CDiagramEntity::GetHeaderFromString(const std::wstring& record, std::wstring& type,
                                         std::wstring& attributes) {
  const TextSplitter parts(record, L':');
  if (parts.GetSize() != 2) {
    type.clear();
    return false;
  }
  type = TrimWhiteSpace(parts.GetString(0));
  attributes = TrimWhiteSpace(parts.GetString(1));
  return true;
}

bool CDiagramEntity::GetDefaultFromString(std::wstring& attributes, RecordUnits units) {
  if (attributes.empty()) return false;
  if (attributes.back() == L';') attributes.pop_back();
  const TextSplitter fields(attributes, L',');
  if (fields.GetSize() < 7) return false;

  double coordinates[4];
  for (int32_t index = 0; index < 4; ++index) {
    const double value = fields.GetDouble(index);
    coordinates[index] = units == RecordUnits::Inches ? ModelInchesToPixels(value) : ClampModelCoordinate(value);
  }
  SetRect(coordinates[0], coordinates[1], coordinates[2], coordinates[3]);

  std::wstring title = fields.GetString(4);
  std::wstring name = fields.GetString(5);
  UnescapeRecordText(title);
  UnescapeRecordText(name);
  m_title = title;
  m_name = name;
  SetGroup(fields.GetInt(6));

  std::wstring rest;
  for (int32_t index = 7; index < fields.GetSize(); ++index) {
    if (index > 7) rest += L",";
    rest += fields.GetString(index);
  }
  attributes = rest;
  return true;
}

bool CDiagramEntity::ReadRecordHead(const std::wstring& record, std::wstring& rest, RecordUnits units) {
  std::wstring type;
  if (!GetHeaderFromString(record, type, rest)) return false;
  if (type != m_type) return false;
  return GetDefaultFromString(rest, units);
}
