#include "designer/proptree/CPropPopulator.h"

#include "common/UnitConversions.h"
#include "designer/TemplateFiles.h"
#include "platform/MessageBox.h"
#include "template/TemplateHelpers.h"
#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportTextEntity.h"
#include "template/diagram/CDiagramEntityContainer.h"

using platform::gdi::COLORREF;
using platform::gdi::FW_BOLD;
using platform::gdi::FW_NORMAL;
using platform::gdi::LogFont;

namespace designer {
namespace {

// What a position item shows of an edge: the edge truncated.
int32_t Shown(double edge) {
  return TruncateToInt32(edge);
}

}  // namespace

void CPropPopulator::Writer::Begin() {
  if (m_changed) return;
  m_changed = true;
  if (m_container) m_container->Snapshot();
}

void CPropPopulator::SetEntity(CDiagramEntity* entity) {
  m_entity = entity;
  m_entityId = entity ? entity->GetId() : 0;
  m_container = entity ? entity->GetContainer() : nullptr;
}

bool CPropPopulator::IsEntityAlive() const {
  if (!m_entity) return false;
  if (!m_container) return true;
  // Another entity may have taken the address of a deleted one: only the
  // same entity (or its undone copy, which keeps the id) counts.
  return m_container->Find(m_entity) >= 0 && m_entity->GetId() == m_entityId;
}

void CPropPopulator::ApplyToEntity() {
  if (!IsEntityAlive()) return;
  if (!CheckInput()) {
    UpdateFromEntity();
    return;
  }
  Writer writer(m_container);
  Apply(writer);
  // The items show what the entity made of the values (its limits).
  UpdateFromEntity();
  if (!writer.HasChanged()) return;
  if (m_container) m_container->SetModified(true);
  if (m_redraw) m_redraw();
}

CPropTreeItem* CPropPopulator::AddRoot(CPropTree& tree) {
  tree.DeleteAllItems();
  auto root = std::make_unique<CPropTreeItem>();
  root->SetLabelText(L"General");
  root->Expand();
  return tree.InsertItem(std::move(root));
}

CPropTreeItemEdit* CPropPopulator::AddEdit(CPropTree& tree, CPropTreeItem* root, const wchar_t* label,
                                           const wchar_t* info, CPropTreeItemEdit::Format format) {
  auto item = std::make_unique<CPropTreeItemEdit>(this);
  item->SetLabelText(label);
  item->SetInfoText(info);
  item->SetValueFormat(format);
  return tree.Insert(std::move(item), root);
}

CPropTreeItemColor* CPropPopulator::AddColor(CPropTree& tree, CPropTreeItem* root, const wchar_t* label) {
  auto item = std::make_unique<CPropTreeItemColor>(this);
  item->SetLabelText(label);
  item->SetInfoText(label);
  return tree.Insert(std::move(item), root);
}

CPropPopulator::Positions CPropPopulator::AddPositions(CPropTree& tree, CPropTreeItem* root) {
  using Format = CPropTreeItemEdit::Format;
  Positions items;
  items.x1 = AddEdit(tree, root, L"X1", L"Horizontal Position for Point 1", Format::Integer);
  items.y1 = AddEdit(tree, root, L"Y1", L"Vertical Position for Point 1", Format::Integer);
  items.x2 = AddEdit(tree, root, L"X2", L"Horizontal Position for Point 2", Format::Integer);
  items.y2 = AddEdit(tree, root, L"Y2", L"Vertical Position for Point 2", Format::Integer);
  return items;
}

void CPropPopulator::ShowPositions(const Positions& items, const CDiagramEntity& entity) {
  items.x1->SetInt(Shown(entity.GetLeft()));
  items.y1->SetInt(Shown(entity.GetTop()));
  items.x2->SetInt(Shown(entity.GetRight()));
  items.y2->SetInt(Shown(entity.GetBottom()));
}

bool CPropPopulator::CheckPositions(const Positions& items, bool ordered) const {
  if (!items.x1) return true;
  const CDiagramEntityContainer* container = GetEntity() ? GetEntity()->GetContainer() : nullptr;
  const platform::gdi::Size paper = container ? container->GetVirtualSize() : platform::gdi::Size{};
  auto refuse = [](const std::wstring& text) {
    platform::ShowMessageBox(text, kAppTitle, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return false;
  };
  struct Edge {
    const wchar_t* name;
    CPropTreeItemEdit* item;
    int32_t extent;
  };
  const Edge edges[] = {{L"X1", items.x1, paper.cx}, {L"Y1", items.y1, paper.cy},
                        {L"X2", items.x2, paper.cx}, {L"Y2", items.y2, paper.cy}};
  for (const Edge& edge : edges) {
    // Without a paper the model's own limit holds.
    const int32_t extent = edge.extent > 0 ? edge.extent : kModelCoordinateLimit;
    const std::optional<int32_t> value = edge.item->ReadInt();
    if (!value || *value < 0 || *value > extent) {
      return refuse(std::wstring(edge.name) + L" must be a whole number from 0 to " + std::to_wstring(extent) + L".");
    }
  }
  if (ordered && *items.x1->ReadInt() > *items.x2->ReadInt()) return refuse(L"X1 must not be greater than X2.");
  if (ordered && *items.y1->ReadInt() > *items.y2->ReadInt()) return refuse(L"Y1 must not be greater than Y2.");
  return true;
}

void CPropPopulator::WritePositions(Writer& writer, const Positions& items, CDiagramEntity& entity) {
  // Single edges, so that the entity's rules for them apply; a field with
  // children (a repeat field's header) places them again.
  bool moved = false;
  auto edge = [&](double now, CPropTreeItemEdit* item, void (CDiagramEntity::*set)(double)) {
    writer.Write(Shown(now), item->GetInt(), [&] {
      (entity.*set)(item->GetInt());
      moved = true;
    });
  };
  edge(entity.GetLeft(), items.x1, &CDiagramEntity::SetLeft);
  edge(entity.GetTop(), items.y1, &CDiagramEntity::SetTop);
  edge(entity.GetRight(), items.x2, &CDiagramEntity::SetRight);
  edge(entity.GetBottom(), items.y2, &CDiagramEntity::SetBottom);
  if (moved) entity.PlaceChildren();
}

CPropPopulator::TextItems CPropPopulator::AddTextItems(CPropTree& tree, CPropTreeItem* root) {
  TextItems items;
  items.color = AddColor(tree, root, L"Font Color");
  auto font = std::make_unique<CPropTreeItemFont>(this);
  font->SetLabelText(L"Font");
  font->SetInfoText(L"Font");
  items.font = tree.Insert(std::move(font), root);
  auto align = std::make_unique<CPropTreeItemCombo>(this);
  align->SetLabelText(L"Align");
  align->SetInfoText(L"Text Alignment");
  align->AddString(L"Left", 0);
  align->AddString(L"Center", 1);
  align->AddString(L"Right", 2);
  items.align = tree.Insert(std::move(align), root);
  return items;
}

void CPropPopulator::ShowText(const TextItems& items, const CReportTextEntity& entity) {
  items.color->SetItemValue(entity.GetTextColor());
  items.align->SetItemValue(entity.GetAlignment());
  LogFont font;
  font.height = entity.GetFontSize();
  font.faceName = entity.GetFontFace();
  font.weight = entity.GetBold() ? FW_BOLD : FW_NORMAL;
  font.italic = entity.GetItalic();
  font.underline = entity.GetUnderline();
  font.strikeOut = entity.GetStrikeOut();
  items.font->SetFont(font);
}

void CPropPopulator::WriteText(Writer& writer, const TextItems& items, CReportTextEntity& entity) {
  writer.Write(entity.GetTextColor(), items.color->GetItemValue(),
               [&] { entity.SetTextColor(items.color->GetItemValue()); });
  writer.Write(entity.GetAlignment(), items.align->GetItemValue(),
               [&] { entity.SetAlignment(items.align->GetItemValue()); });
  const LogFont& font = items.font->GetFont();
  writer.Write(entity.GetFontFace(), font.faceName, [&] { entity.SetFontFace(font.faceName); });
  writer.Write(entity.GetFontSize(), font.height, [&] { entity.SetFontSize(font.height); });
  // Bold is weight 700 exactly.
  writer.Write(entity.GetBold(), font.weight == FW_BOLD, [&] { entity.SetBold(font.weight == FW_BOLD); });
  writer.Write(entity.GetItalic(), font.italic, [&] { entity.SetItalic(font.italic); });
  writer.Write(entity.GetUnderline(), font.underline, [&] { entity.SetUnderline(font.underline); });
  writer.Write(entity.GetStrikeOut(), font.strikeOut, [&] { entity.SetStrikeOut(font.strikeOut); });
}

void CInvFieldPropPopulator::Populate(CPropTree& tree) {
  CPropTreeItem* root = AddRoot(tree);
  m_positions = AddPositions(tree, root);
  m_text = AddTextItems(tree, root);
}

CReportTextEntity* CInvFieldPropPopulator::TextEntity() const {
  return dynamic_cast<CReportTextEntity*>(GetEntity());
}

void CInvFieldPropPopulator::UpdateFromEntity() {
  if (!IsEntityAlive() || !m_positions.x1) return;
  ShowPositions(m_positions, *GetEntity());
  if (CReportTextEntity* text = TextEntity()) ShowText(m_text, *text);
}

bool CInvFieldPropPopulator::CheckInput() const {
  return CheckPositions(m_positions, true);
}

void CInvFieldPropPopulator::Apply(Writer& writer) {
  if (!m_positions.x1) return;
  CReportTextEntity* text = TextEntity();
  // The header takes its text attributes before the field moves it.
  if (text) WriteText(writer, m_text, *text);
  WritePositions(writer, m_positions, *GetEntity());
}

CReportTextEntity* CInvRepeatFieldPropPopulator::TextEntity() const {
  auto* field = dynamic_cast<CInvoiceRepeatField*>(GetEntity());
  return field ? field->GetHeader() : nullptr;
}

void CLabelPropPopulator::Populate(CPropTree& tree) {
  CPropTreeItem* root = AddRoot(tree);
  m_textItem = AddEdit(tree, root, L"Text", L"Text", CPropTreeItemEdit::Format::Text);
  m_positions = AddPositions(tree, root);
  m_text = AddTextItems(tree, root);
}

void CLabelPropPopulator::UpdateFromEntity() {
  CInvFieldPropPopulator::UpdateFromEntity();
  if (IsEntityAlive() && m_textItem) m_textItem->SetText(GetEntity()->GetTitle());
}

void CLabelPropPopulator::Apply(Writer& writer) {
  if (!m_textItem) return;
  writer.Write(GetEntity()->GetTitle(), m_textItem->GetText(), [&] { GetEntity()->SetTitle(m_textItem->GetText()); });
  CInvFieldPropPopulator::Apply(writer);
}

void CBorderPropPopulator::Populate(CPropTree& tree) {
  CPropTreeItem* root = AddRoot(tree);
  m_thickness = AddEdit(tree, root, L"Thickness", L"Border Thickness", CPropTreeItemEdit::Format::Integer);
  m_positions = AddPositions(tree, root);
  m_color = AddColor(tree, root, L"Border Color");
}

void CBorderPropPopulator::UpdateFromEntity() {
  if (!IsEntityAlive() || !HasBorder() || !m_thickness) return;
  m_thickness->SetInt(GetWidth());
  ShowPositions(m_positions, *GetEntity());
  m_color->SetItemValue(GetColor());
}

bool CBorderPropPopulator::CheckInput() const {
  return CheckPositions(m_positions, Ordered());
}

void CBorderPropPopulator::Apply(Writer& writer) {
  if (!HasBorder() || !m_thickness) return;
  writer.Write(GetWidth(), m_thickness->GetInt(), [&] { SetWidth(m_thickness->GetInt()); });
  WritePositions(writer, m_positions, *GetEntity());
  writer.Write(GetColor(), m_color->GetItemValue(), [&] { SetColor(m_color->GetItemValue()); });
}

namespace {

CReportEntityLine* Line(CDiagramEntity* entity) {
  return dynamic_cast<CReportEntityLine*>(entity);
}
CReportBorderEntity* Box(CDiagramEntity* entity) {
  return dynamic_cast<CReportBorderEntity*>(entity);
}

}  // namespace

bool CLinePropPopulator::HasBorder() const {
  return Line(GetEntity()) != nullptr;
}
int32_t CLinePropPopulator::GetWidth() const {
  return Line(GetEntity())->GetPenWidth();
}
void CLinePropPopulator::SetWidth(int32_t width) {
  Line(GetEntity())->SetPenWidth(width);
}
COLORREF CLinePropPopulator::GetColor() const {
  return Line(GetEntity())->GetPenColor();
}
void CLinePropPopulator::SetColor(COLORREF color) {
  Line(GetEntity())->SetPenColor(color);
}

bool CRectPropPopulator::HasBorder() const {
  return Box(GetEntity()) != nullptr;
}
int32_t CRectPropPopulator::GetWidth() const {
  return Box(GetEntity())->GetBorderWidth();
}
void CRectPropPopulator::SetWidth(int32_t width) {
  Box(GetEntity())->SetBorderWidth(width);
}
COLORREF CRectPropPopulator::GetColor() const {
  return Box(GetEntity())->GetBorderColor();
}
void CRectPropPopulator::SetColor(COLORREF color) {
  Box(GetEntity())->SetBorderColor(color);
}

void CPicturePropPopulator::Populate(CPropTree& tree) {
  CPropTreeItem* root = AddRoot(tree);
  m_positions = AddPositions(tree, root);
  auto path = std::make_unique<CPropTreeItemBrowseFile>(kFilter, L"", this);
  path->SetLabelText(L"Picture");
  path->SetInfoText(L"Picture");
  m_path = tree.Insert(std::move(path), root);
}

void CPicturePropPopulator::UpdateFromEntity() {
  if (!IsEntityAlive()) return;
  auto* picture = dynamic_cast<CReportEntityPicture*>(GetEntity());
  if (!picture || !m_path) return;
  ShowPositions(m_positions, *picture);
  m_path->SetItemValue(picture->GetPath());
}

bool CPicturePropPopulator::CheckInput() const {
  return CheckPositions(m_positions, true);
}

void CPicturePropPopulator::Apply(Writer& writer) {
  auto* picture = dynamic_cast<CReportEntityPicture*>(GetEntity());
  if (!picture || !m_path) return;
  WritePositions(writer, m_positions, *picture);
  writer.Write(picture->GetPath(), m_path->GetItemValue(), [&] { picture->SetPath(m_path->GetItemValue()); });
}

std::unique_ptr<CPropPopulator> MakePopulator(PopulatorKind kind) {
  switch (kind) {
    case PopulatorKind::Label: return std::make_unique<CLabelPropPopulator>();
    case PopulatorKind::InvoiceField: return std::make_unique<CInvFieldPropPopulator>();
    case PopulatorKind::RepeatField: return std::make_unique<CInvRepeatFieldPropPopulator>();
    case PopulatorKind::Rect: return std::make_unique<CRectPropPopulator>();
    case PopulatorKind::Line: return std::make_unique<CLinePropPopulator>();
    case PopulatorKind::Picture: return std::make_unique<CPicturePropPopulator>();
    case PopulatorKind::None: break;
  }
  return nullptr;
}

}  // namespace designer
