#include "designer/proptree/CPropPopulator.h"

#include <functional>
#include <type_traits>
#include <vector>

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

using Row = CPropPopulator::Row;
using PropertyId = CPropPopulator::PropertyId;
using Owner = CPropPopulator::Owner;
using Writer = CPropPopulator::Writer;

// What a position item shows of an edge: the edge truncated.
int32_t Shown(double edge) {
  return TruncateToInt32(edge);
}

// The kinds of item a row may have: the item's class, how it is made, and
// how it holds a value of the entity (Shown) and gives one back (Taken).
template <CPropTreeItemEdit::Format format>
struct EditItem {
  using Item = CPropTreeItemEdit;
  static std::unique_ptr<Item> Make(CPropPopulator* populator) {
    auto item = std::make_unique<Item>(populator);
    item->SetValueFormat(format);
    return item;
  }
};
struct IntegerItem : EditItem<CPropTreeItemEdit::Format::Integer> {
  static int32_t Shown(int32_t value) { return value; }
  static void Show(Item& item, int32_t value) { item.SetInt(value); }
  static int32_t Taken(const Item& item) { return item.GetInt(); }
};
// An edge of the entity, shown truncated and written as a whole number.
struct PositionItem : IntegerItem {
  static int32_t Shown(double edge) { return designer::Shown(edge); }
};
struct TextItem : EditItem<CPropTreeItemEdit::Format::Text> {
  static std::wstring Shown(const std::wstring& text) { return text; }
  static void Show(Item& item, const std::wstring& text) { item.SetText(text); }
  static std::wstring Taken(const Item& item) { return item.GetText(); }
};
// An item that holds the entity's value as it is, through SetItemValue and
// GetItemValue.
template <class ItemClass, class Value>
struct ValueItem {
  using Item = ItemClass;
  static std::unique_ptr<Item> Make(CPropPopulator* populator) { return std::make_unique<Item>(populator); }
  static Value Shown(const Value& value) { return value; }
  static void Show(Item& item, const Value& value) { item.SetItemValue(value); }
  static Value Taken(const Item& item) { return item.GetItemValue(); }
};
using ColorItem = ValueItem<CPropTreeItemColor, COLORREF>;
struct AlignItem : ValueItem<CPropTreeItemCombo, int32_t> {
  static std::unique_ptr<Item> Make(CPropPopulator* populator) {
    auto item = std::make_unique<Item>(populator);
    item->AddString(L"Left", 0);
    item->AddString(L"Center", 1);
    item->AddString(L"Right", 2);
    return item;
  }
};
struct FileItem : ValueItem<CPropTreeItemBrowseFile, std::wstring> {
  static std::unique_ptr<Item> Make(CPropPopulator* populator) {
    return std::make_unique<Item>(CPicturePropPopulator::kFilter, L"", populator);
  }
};

// A row whose item holds one value of an entity of class Entity, read by
// `get` and written by `set` (callables or member pointers).
template <class Kind, class Entity, class Get, class Set>
Row Property(PropertyId id, const wchar_t* label, const wchar_t* info, Owner owner, Get get, Set set) {
  using Item = typename Kind::Item;
  return Row{
      id,
      label,
      info,
      owner,
      [](CPropPopulator* populator) -> std::unique_ptr<CPropTreeItem> { return Kind::Make(populator); },
      [](const CDiagramEntity& entity) {
        if constexpr (std::is_same_v<Entity, CDiagramEntity>) return true;
        else return dynamic_cast<const Entity*>(&entity) != nullptr;
      },
      [get](CPropTreeItem& item, const CDiagramEntity& entity) {
        Kind::Show(static_cast<Item&>(item), Kind::Shown(std::invoke(get, dynamic_cast<const Entity&>(entity))));
      },
      [get, set](Writer& writer, const CPropTreeItem& item, CDiagramEntity& entity) {
        auto& owner = dynamic_cast<Entity&>(entity);
        const auto wanted = Kind::Taken(static_cast<const Item&>(item));
        return writer.Write(Kind::Shown(std::invoke(get, owner)), wanted, [&] { std::invoke(set, owner, wanted); });
      },
  };
}

// Single edges, so that the entity's rules for them apply.
const std::vector<Row> kPositions = {
    Property<PositionItem, CDiagramEntity>(PropertyId::X1, L"X1", L"Horizontal Position for Point 1", Owner::Entity,
                                           &CDiagramEntity::GetLeft, &CDiagramEntity::SetLeft),
    Property<PositionItem, CDiagramEntity>(PropertyId::Y1, L"Y1", L"Vertical Position for Point 1", Owner::Entity,
                                           &CDiagramEntity::GetTop, &CDiagramEntity::SetTop),
    Property<PositionItem, CDiagramEntity>(PropertyId::X2, L"X2", L"Horizontal Position for Point 2", Owner::Entity,
                                           &CDiagramEntity::GetRight, &CDiagramEntity::SetRight),
    Property<PositionItem, CDiagramEntity>(PropertyId::Y2, L"Y2", L"Vertical Position for Point 2", Owner::Entity,
                                           &CDiagramEntity::GetBottom, &CDiagramEntity::SetBottom),
};

std::vector<Row> Join(std::initializer_list<std::vector<Row>> parts) {
  std::vector<Row> rows;
  for (const std::vector<Row>& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

bool IsPosition(PropertyId id) {
  return id == PropertyId::X1 || id == PropertyId::Y1 || id == PropertyId::X2 || id == PropertyId::Y2;
}

// The font item edits six attributes of a text entity, each written only
// when it differs.
Row FontRow() {
  return Row{
      PropertyId::Font,
      L"Font",
      L"Font",
      Owner::Text,
      [](CPropPopulator* populator) -> std::unique_ptr<CPropTreeItem> {
        return std::make_unique<CPropTreeItemFont>(populator);
      },
      [](const CDiagramEntity& entity) { return dynamic_cast<const CReportTextEntity*>(&entity) != nullptr; },
      [](CPropTreeItem& item, const CDiagramEntity& entity) {
        const auto& text = dynamic_cast<const CReportTextEntity&>(entity);
        LogFont font;
        font.height = text.GetFontSize();
        font.faceName = text.GetFontFace();
        font.weight = text.GetBold() ? FW_BOLD : FW_NORMAL;
        font.italic = text.GetItalic();
        font.underline = text.GetUnderline();
        font.strikeOut = text.GetStrikeOut();
        static_cast<CPropTreeItemFont&>(item).SetFont(font);
      },
      [](Writer& writer, const CPropTreeItem& item, CDiagramEntity& entity) {
        auto& text = dynamic_cast<CReportTextEntity&>(entity);
        const LogFont& font = static_cast<const CPropTreeItemFont&>(item).GetFont();
        bool wrote = writer.Write(text.GetFontFace(), font.faceName, [&] { text.SetFontFace(font.faceName); });
        wrote |= writer.Write(text.GetFontSize(), font.height, [&] { text.SetFontSize(font.height); });
        // Bold is weight 700 exactly.
        const bool bold = font.weight == FW_BOLD;
        wrote |= writer.Write(text.GetBold(), bold, [&] { text.SetBold(bold); });
        wrote |= writer.Write(text.GetItalic(), font.italic, [&] { text.SetItalic(font.italic); });
        wrote |= writer.Write(text.GetUnderline(), font.underline, [&] { text.SetUnderline(font.underline); });
        wrote |= writer.Write(text.GetStrikeOut(), font.strikeOut, [&] { text.SetStrikeOut(font.strikeOut); });
        return wrote;
      },
  };
}

const std::vector<Row> kFieldRows = Join({
    kPositions,
    {Property<ColorItem, CReportTextEntity>(PropertyId::FontColor, L"Font Color", L"Font Color", Owner::Text,
                                            &CReportTextEntity::GetTextColor, &CReportTextEntity::SetTextColor),
     FontRow(),
     Property<AlignItem, CReportTextEntity>(PropertyId::Align, L"Align", L"Text Alignment", Owner::Text,
                                            &CReportTextEntity::GetAlignment, &CReportTextEntity::SetAlignment)},
});

const std::vector<Row> kLabelRows = Join({
    {Property<TextItem, CDiagramEntity>(PropertyId::Text, L"Text", L"Text", Owner::Entity, &CDiagramEntity::GetTitle,
                                        &CDiagramEntity::SetTitle)},
    kFieldRows,
});

// Lines and boxes: the border thickness, the positions and the border
// colour, each kind with its own accessors.
template <class Entity, class GetWidth, class SetWidth, class GetColor, class SetColor>
std::vector<Row> BorderRows(GetWidth getWidth, SetWidth setWidth, GetColor getColor, SetColor setColor) {
  return Join({
      {Property<IntegerItem, Entity>(PropertyId::Thickness, L"Thickness", L"Border Thickness", Owner::Entity,
                                     getWidth, setWidth)},
      kPositions,
      {Property<ColorItem, Entity>(PropertyId::BorderColor, L"Border Color", L"Border Color", Owner::Entity,
                                   getColor, setColor)},
  });
}

const std::vector<Row> kLineRows =
    BorderRows<CReportEntityLine>(&CReportEntityLine::GetPenWidth, &CReportEntityLine::SetPenWidth,
                                  &CReportEntityLine::GetPenColor, &CReportEntityLine::SetPenColor);

const std::vector<Row> kRectRows =
    BorderRows<CReportBorderEntity>(&CReportBorderEntity::GetBorderWidth, &CReportBorderEntity::SetBorderWidth,
                                    &CReportBorderEntity::GetBorderColor, &CReportBorderEntity::SetBorderColor);

const std::vector<Row> kPictureRows = Join({
    kPositions,
    {Property<FileItem, CReportEntityPicture>(PropertyId::Picture, L"Picture", L"Picture", Owner::Entity,
                                              &CReportEntityPicture::GetPath, &CReportEntityPicture::SetPath)},
});

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

void CPropPopulator::Populate(CPropTree& tree) {
  tree.DeleteAllItems();
  m_items.clear();
  auto general = std::make_unique<CPropTreeItem>();
  general->SetLabelText(L"General");
  general->Expand();
  CPropTreeItem* root = tree.InsertItem(std::move(general));
  for (const Row& row : Rows()) {
    std::unique_ptr<CPropTreeItem> item = row.make(this);
    item->SetLabelText(row.label);
    item->SetInfoText(row.info);
    CPropTreeItem* inserted = tree.InsertItem(std::move(item), root);
    m_items.push_back({&row, inserted});
    if (auto* font = dynamic_cast<CPropTreeItemFont*>(inserted)) font->AddEffectItems();
  }
}

CReportTextEntity* CPropPopulator::TextEntity() const {
  return dynamic_cast<CReportTextEntity*>(GetEntity());
}

bool CPropPopulator::Fits() const {
  for (const Row& row : Rows()) {
    if (row.owner == Owner::Entity && !row.fits(*GetEntity())) return false;
  }
  return true;
}

CDiagramEntity* CPropPopulator::OwnerOf(const Row& row) const {
  CDiagramEntity* owner = row.owner == Owner::Text ? TextEntity() : GetEntity();
  return owner && row.fits(*owner) ? owner : nullptr;
}

CPropTreeItem* CPropPopulator::ItemOf(PropertyId id) const {
  for (const Shown& shown : m_items) {
    if (shown.row->id == id) return shown.item;
  }
  return nullptr;
}

void CPropPopulator::UpdateFromEntity() {
  if (!IsEntityAlive() || !Fits()) return;
  for (const Shown& shown : m_items) {
    if (CDiagramEntity* owner = OwnerOf(*shown.row)) shown.row->show(*shown.item, *owner);
  }
}

bool CPropPopulator::CheckInput() const {
  auto* x1 = static_cast<CPropTreeItemEdit*>(ItemOf(PropertyId::X1));
  auto* y1 = static_cast<CPropTreeItemEdit*>(ItemOf(PropertyId::Y1));
  auto* x2 = static_cast<CPropTreeItemEdit*>(ItemOf(PropertyId::X2));
  auto* y2 = static_cast<CPropTreeItemEdit*>(ItemOf(PropertyId::Y2));
  if (!x1 || !y1 || !x2 || !y2) return true;
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
  const Edge edges[] = {{L"X1", x1, paper.cx}, {L"Y1", y1, paper.cy}, {L"X2", x2, paper.cx}, {L"Y2", y2, paper.cy}};
  for (const Edge& edge : edges) {
    // Without a paper the model's own limit holds.
    const int32_t extent = edge.extent > 0 ? edge.extent : kModelCoordinateLimit;
    const std::optional<int32_t> value = edge.item->ReadInt();
    if (!value || *value < 0 || *value > extent) {
      return refuse(std::wstring(edge.name) + L" must be a whole number from 0 to " + std::to_wstring(extent) + L".");
    }
  }
  if (Ordered() && *x1->ReadInt() > *x2->ReadInt()) return refuse(L"X1 must not be greater than X2.");
  if (Ordered() && *y1->ReadInt() > *y2->ReadInt()) return refuse(L"Y1 must not be greater than Y2.");
  return true;
}

void CPropPopulator::Apply(Writer& writer) {
  if (!Fits()) return;
  auto write = [&](const Shown& shown) {
    CDiagramEntity* owner = OwnerOf(*shown.row);
    return owner && shown.row->write(writer, *shown.item, *owner);
  };
  for (const Shown& shown : m_items) {
    if (!IsPosition(shown.row->id)) write(shown);
  }
  bool moved = false;
  for (const Shown& shown : m_items) {
    if (IsPosition(shown.row->id)) moved |= write(shown);
  }
  if (moved) GetEntity()->PlaceChildren();
}

std::span<const Row> CInvFieldPropPopulator::Rows() const {
  return kFieldRows;
}

CReportTextEntity* CInvRepeatFieldPropPopulator::TextEntity() const {
  auto* field = dynamic_cast<CInvoiceRepeatField*>(GetEntity());
  return field ? field->GetHeader() : nullptr;
}

std::span<const Row> CLabelPropPopulator::Rows() const {
  return kLabelRows;
}

std::span<const Row> CLinePropPopulator::Rows() const {
  return kLineRows;
}

std::span<const Row> CRectPropPopulator::Rows() const {
  return kRectRows;
}

std::span<const Row> CPicturePropPopulator::Rows() const {
  return kPictureRows;
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
