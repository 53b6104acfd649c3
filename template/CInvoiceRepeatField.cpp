#include "template/CInvoiceRepeatField.h"

#include <algorithm>

#include "common/RecordNumbers.h"
#include "common/TextSplitter.h"
#include "common/UnitConversions.h"
#include "template/TemplateHelpers.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

const wchar_t kRepeatMarker[] = L"<inv_repeat_bgn>";
const wchar_t kFieldType[] = L"inv_repeat_fld";
const wchar_t kHeaderType[] = L"inv_repeat_hdr_fld";

}  // namespace

// Lets the header take any rectangle while it is read or copied: it is laid
// on its field again afterwards.
class CInvoiceRepeatField::LooseHeader {
public:
  explicit LooseHeader(CInvoiceRepeatField& field) : m_field(field) {
    m_field.m_header->SetConstraints(Size{1, kMinimumRowHeight}, Size{-1, -1});
    m_field.m_header->m_owner = nullptr;
  }
  ~LooseHeader() {
    if (m_field.m_header) m_field.m_header->m_owner = &m_field;
  }
  LooseHeader(const LooseHeader&) = delete;
  LooseHeader& operator=(const LooseHeader&) = delete;

private:
  CInvoiceRepeatField& m_field;
};

CInvoiceRepeatField::CInvoiceRepeatField(int32_t field)
    : m_ownedHeader(std::make_unique<CInvoiceRepeatHeaderField>(field)), m_header(m_ownedHeader.get()) {
  m_header->m_owner = this;
  SetType(kFieldType);
  SetName(L"B");
  SetRect(0, 0, 0, 0);
}

CInvoiceRepeatField::~CInvoiceRepeatField() {
  if (!m_header) return;
  m_header->m_owner = nullptr;
  if (!m_ownedHeader) {
    if (CDiagramEntityContainer* container = m_header->GetContainer()) container->Remove(m_header);
  }
}

int32_t CInvoiceRepeatField::GetRowHeight() const {
  return m_header ? m_header->GetRect().Height() : 0;
}

int32_t CInvoiceRepeatField::GetRowCount() const {
  const int32_t rowHeight = GetRowHeight();
  return rowHeight > 0 ? GetRect().Height() / rowHeight : 0;
}

std::unique_ptr<CDiagramEntity> CInvoiceRepeatField::Clone() const {
  auto clone = std::make_unique<CInvoiceRepeatField>();
  clone->Copy(*this);
  return clone;
}

void CInvoiceRepeatField::Copy(const CDiagramEntity& other) {
  CDiagramEntity::Copy(other);
  const auto* field = dynamic_cast<const CInvoiceRepeatField*>(&other);
  if (!field || !field->m_header || !m_header) return;
  // The other header's place in its container is not this header's.
  CDiagramEntityContainer* container = m_header->GetContainer();
  const int32_t id = m_header->GetId();
  {
    LooseHeader loose(*this);
    m_header->Copy(*field->m_header);
  }
  m_header->SetContainer(m_ownedHeader ? nullptr : container);
  m_header->SetId(m_ownedHeader ? 0 : id);
  SetRect(GetLeft(), GetTop(), GetRight(), GetBottom());
}

void CInvoiceRepeatField::SetRect(double left, double top, double right, double bottom) {
  const int32_t rowHeight = std::max(GetRowHeight(), kMinimumRowHeight);
  SetMinimumSize(Size{1, rowHeight});
  CDiagramEntity::SetRect(left, top, right, bottom);
  if (!m_header) return;
  const Rect rect = GetRect();
  m_header->SetConstraints(Size{rect.Width(), kMinimumRowHeight},
                           Size{rect.Width(), std::max(kMinimumRowHeight, rect.Height())});
  PlaceChildren();
}

void CInvoiceRepeatField::SetLeft(double left) {
  SetRect(left, GetTop(), GetRight(), GetBottom());
}
void CInvoiceRepeatField::SetTop(double top) {
  SetRect(GetLeft(), top, GetRight(), GetBottom());
}
void CInvoiceRepeatField::SetRight(double right) {
  SetRect(GetLeft(), GetTop(), right, GetBottom());
}
void CInvoiceRepeatField::SetBottom(double bottom) {
  SetRect(GetLeft(), GetTop(), GetRight(), bottom);
}

void CInvoiceRepeatField::PlaceChildren() {
  if (!m_header) return;
  const double height = m_header->GetBottom() - m_header->GetTop();
  m_header->SetRect(GetLeft(), GetTop(), GetRight(), GetTop() + height);
}

void CInvoiceRepeatField::OnCreated() {
  if (!m_header) return;
  const double height = std::min<double>(kCreatedRowHeight, GetBottom() - GetTop());
  m_header->SetRect(GetLeft(), GetTop(), GetRight(), GetTop() + height);
}

bool CInvoiceRepeatField::OnAdd() {
  CDiagramEntityContainer* container = GetContainer();
  if (!m_header || !container) return true;
  // The header keeps its height wherever the field lies, at the paper's
  // corner too: undo, paste and loading must not change the row count.
  const double height = m_header->GetBottom() - m_header->GetTop();
  m_header->SetRect(GetLeft(), GetTop(), GetRight(), GetTop() + height);
  m_header->SetParent(GetParent());
  if (m_ownedHeader) container->Add(std::move(m_ownedHeader));
  return true;
}

void CInvoiceRepeatField::Draw(Canvas& dc, Rect rect) {
  // Drawing shows the field as it is: only the user's drawing, moving and
  // sizing snap to the grid.
  if (GetRowHeight() < kMinimumRowHeight) return;
  const int32_t rowHeight = GetRowHeight();
  const int32_t rows = GetRowCount();
  const Pen old = dc.SelectPen(Pen{PS_DOT, 1, RGB(100, 100, 255)});
  for (int32_t row = 0; row < rows; ++row) {
    const int32_t y = rect.top + TruncateToInt32(static_cast<double>(row) * rowHeight * GetZoom());
    dc.MoveTo(rect.left, y);
    dc.LineTo(rect.right, y);
  }
  dc.SelectPen(old);
}

std::optional<TemplateItem> CInvoiceRepeatField::MakeTemplateItem() const {
  if (!m_header) return std::nullopt;
  TemplateItem item(TemplateItemType::RepeatField);
  m_header->WriteCommonProperties(item);
  item.SetProperty(kGroup, Value(GetGroup()));
  item.SetProperty(kFieldKey, Value(m_header->GetFieldId().GetKey()));
  item.SetProperty(kText, Value(m_header->GetTitle()));
  m_header->GetTextAttributes().Write(item);
  item.SetProperty(kRepeatHeight, Value(GetRect().Height()));
  item.SetProperty(kRepeatRows, Value(GetRowCount()));
  return item;
}

std::unique_ptr<CDiagramEntity> CInvoiceRepeatField::LoadTemplateItem(const TemplateItem& item) {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::RepeatField) || !m_header) return nullptr;
  {
    LooseHeader loose(*this);
    m_header->ReadCommonProperties(item);
    m_header->SetGroup(0);
    // The key of property 28; the name stays the one of property 3, the key
    // the preview library binds.
    const std::wstring name = m_header->GetName();
    m_header->SetFieldId(FieldId(item.TextProperty(kFieldKey)));
    m_header->SetName(name);
    if (const Value* text = item.FindProperty(kText); text && text->GetType() == VT_TEXT)
      m_header->SetTitle(text->AsString());
    ReportTextAttributes attributes;
    attributes.Read(item);
    m_header->SetTextAttributes(attributes);
  }
  SetGroup(item.IntProperty(kGroup));
  const double top = m_header->GetTop();
  SetRect(m_header->GetLeft(), top, m_header->GetRight(), top + ClampModelCoordinate(item.IntProperty(kRepeatHeight)));
  return Clone();
}

std::wstring CInvoiceRepeatField::GetString() const {
  if (!m_header) return {};
  std::unique_ptr<CDiagramEntity> header = m_header->Clone();
  header->SetGroup(GetGroup());
  std::wstring record = header->GetString();
  record.replace(0, std::char_traits<wchar_t>::length(kHeaderType), kFieldType);
  return record + kRepeatMarker + FormatRecordInt(GetRowCount()) + L"," + FormatRecordInt(GetRect().Height()) +
         L";";
}

bool CInvoiceRepeatField::FromString(const std::wstring& record) {
  if (!m_header) return false;
  const size_t marker = record.find(kRepeatMarker);
  if (marker == std::wstring::npos) return false;
  std::wstring head = TrimWhiteSpace(record.substr(0, marker));
  const std::wstring prefix = std::wstring(kFieldType) + L":";
  if (head.compare(0, prefix.size(), prefix) != 0) return false;
  head.replace(0, std::char_traits<wchar_t>::length(kFieldType), kHeaderType);
  {
    LooseHeader loose(*this);
    if (!m_header->FromString(head)) return false;
  }
  SetGroup(m_header->GetGroup());
  m_header->SetGroup(0);
  const TextSplitter numbers(record.substr(marker + std::char_traits<wchar_t>::length(kRepeatMarker)), L',');
  const double top = m_header->GetTop();
  SetRect(m_header->GetLeft(), top, m_header->GetRight(), top + ClampModelCoordinate(numbers.GetInt(1)));
  return true;
}
