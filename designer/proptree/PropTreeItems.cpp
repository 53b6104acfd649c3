#include "designer/proptree/PropTreeItems.h"

#include <cerrno>
#include <cmath>
#include <cwctype>
#include <cwchar>
#include <locale>
#include <sstream>

#include "designer/proptree/CPropTree.h"
#include "platform/CommonDialogs.h"
#include "platform/FileDialogs.h"

namespace designer {
namespace {

// Numbers in property items are typed in the C locale, as the template
// stores them.
double LeadingReal(const std::wstring& text) {
  std::wistringstream in(text);
  in.imbue(std::locale::classic());
  double value = 0;
  if (!(in >> value)) return 0;
  return value;
}

}  // namespace

int32_t CPropTreeItemEdit::GetInt() const {
  const wchar_t* begin = m_text.c_str();
  wchar_t* end = nullptr;
  const long long value = std::wcstoll(begin, &end, 10);
  if (end == begin) return 0;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

std::optional<int32_t> CPropTreeItemEdit::ReadInt() const {
  const wchar_t* begin = m_text.c_str();
  wchar_t* end = nullptr;
  errno = 0;
  const long long value = std::wcstoll(begin, &end, 10);
  if (end == begin || errno == ERANGE || value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  while (*end != L'\0' && std::iswspace(*end)) ++end;
  if (*end != L'\0') return std::nullopt;
  return static_cast<int32_t>(value);
}

void CPropTreeItemEdit::SetInt(int32_t value) {
  m_text = std::to_wstring(value);
}

double CPropTreeItemEdit::GetReal() const {
  return LeadingReal(m_text);
}

void CPropTreeItemEdit::SetReal(double value) {
  std::wostringstream out;
  out.imbue(std::locale::classic());
  out.setf(std::ios::fixed);
  out.precision(6);
  out << value;
  m_text = out.str();
}

std::wstring CPropTreeItemEdit::GetDisplayText() const {
  return m_password ? std::wstring(m_text.size(), L'*') : m_text;
}

int32_t CPropTreeItemCombo::AddString(std::wstring text, int32_t data) {
  m_entries.emplace_back(std::move(text), data);
  return Count() - 1;
}

int32_t CPropTreeItemCombo::FindCBData(int32_t data) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (m_entries[i].second == data) return i;
  }
  return -1;
}

void CPropTreeItemCombo::SetItemValue(int32_t data) {
  const int32_t index = FindCBData(data);
  if (index >= 0) m_selected = index;
}

int32_t CPropTreeItemCombo::GetItemValue() const {
  return m_selected >= 0 ? m_entries[m_selected].second : 0;
}

std::wstring CPropTreeItemCombo::GetDisplayText() const {
  return m_selected >= 0 ? m_entries[m_selected].first : std::wstring();
}

const std::array<platform::gdi::COLORREF, 40> CPropTreeItemColor::kPalette = {
    0x000000, 0x002AA5, 0x404000, 0x005500, 0x5E0000, 0x8B0000, 0x82004B, 0x282828,  //
    0x00008B, 0x2068FF, 0x008B8B, 0x009300, 0x8E8E38, 0xFF0000, 0xC07B7B, 0x666666,  //
    0x0000FF, 0x5BADFF, 0x32CD32, 0x71B33C, 0xD4FF7F, 0xC09E7D, 0x800080, 0x7F7F7F,  //
    0xCBC0FF, 0x00D7FF, 0x00FFFF, 0x00FF00, 0xD0E040, 0xFFFFC0, 0x480048, 0xC0C0C0,  //
    0xE1E4FF, 0x8CB4D2, 0xE0FFFF, 0x98FB98, 0xEEEEAF, 0x8B8368, 0xFAE6E6, 0xFFFFFF,
};

std::wstring CPropTreeItemColor::GetDisplayText() const {
  wchar_t text[64];
  std::swprintf(text, 64, L"R = %d, G = %d, B = %d", platform::gdi::GetRValue(m_color),
                platform::gdi::GetGValue(m_color), platform::gdi::GetBValue(m_color));
  return text;
}

platform::gdi::Rect CPropTreeItemColor::PaletteRect(size_t index) {
  const int32_t column = static_cast<int32_t>(index % 8);
  const int32_t row = static_cast<int32_t>(index / 8);
  const int32_t left = 3 + 18 * column, top = 3 + 18 * row;
  return {left, top, left + 13, top + 13};
}

int32_t CPropTreeItemColor::PaletteIndexAt(platform::gdi::Point point) {
  for (size_t i = 0; i < kPalette.size(); ++i) {
    if (PaletteRect(i).Contains(point)) return static_cast<int32_t>(i);
  }
  return -1;
}

void CPropTreeItemColor::PickPalette(size_t index) {
  if (index >= kPalette.size()) return;
  m_color = kPalette[index];
  CommitChanges();
}

void CPropTreeItemColor::ChooseMoreColors(wxWindow* parent) {
  if (GetTree()) GetTree()->DisableInput(true);
  const std::optional<platform::ColorRef> chosen = platform::AskColour({m_color, parent});
  if (GetTree()) GetTree()->DisableInput(false);
  if (chosen) m_color = *chosen;
  CommitChanges();
}

bool CPropTreeItemBrowseFile::Browse(wxWindow* parent) {
  platform::OpenFileRequest request;
  request.defaultExtension = m_defaultExtension;
  request.filter = m_filter;
  request.initialFile = m_text;
  request.parent = parent;
  const std::optional<std::wstring> path = platform::AskOpenFile(request);
  if (!path) return false;
  m_text = *path;
  CommitChanges();
  return true;
}

void CPropTreeItemFont::AddEffectItems() {
  if (!GetTree()) return;
  for (const auto effect : {Effect::Underline, Effect::StrikeOut}) {
    GetTree()->Insert(std::make_unique<CPropTreeItemFontEffect>(effect, GetPopulator()), this);
  }
  SetFont(m_font);
}

void CPropTreeItemFont::SetFont(const platform::gdi::LogFont& font) {
  m_font = font;
  m_text = font.faceName;
  for (const auto& child : GetChildren()) {
    if (auto* effect = dynamic_cast<CPropTreeItemFontEffect*>(child.get())) {
      effect->Check(effect->GetEffect() == Effect::Underline ? font.underline : font.strikeOut);
    }
  }
}

void CPropTreeItemFont::SetEffect(Effect effect, bool on) {
  Activate();
  platform::gdi::LogFont changed = m_font;
  (effect == Effect::Underline ? changed.underline : changed.strikeOut) = on;
  SetFont(changed);
  CommitChanges();
}

CPropTreeItemFontEffect::CPropTreeItemFontEffect(CPropTreeItemFont::Effect effect, CPropPopulator* populator)
    : CPropTreeItem(populator), m_effect(effect) {
  SetLabelText(effect == CPropTreeItemFont::Effect::Underline ? L"Underline" : L"Strike-out");
  SetInfoText(GetLabelText());
  SetCheckBox();
}

void CPropTreeItemFontEffect::OnCheck() {
  if (auto* font = dynamic_cast<CPropTreeItemFont*>(GetParent())) font->SetEffect(m_effect, IsChecked());
}

bool CPropTreeItemFont::Browse(wxWindow* parent) {
  platform::FontRequest request;
  request.initial.faceName = m_font.faceName;
  request.initial.pointSize = m_font.height / 10.0;
  request.initial.weight = m_font.weight;
  request.initial.italic = m_font.italic;
  request.initial.underline = m_font.underline;
  request.initial.strikeOut = m_font.strikeOut;
  request.parent = parent;
  const std::optional<platform::FontChoice> chosen = platform::AskFont(request);
  if (!chosen) return false;
  platform::gdi::LogFont font;
  font.faceName = chosen->faceName;
  font.height = static_cast<int32_t>(std::lround(chosen->pointSize * 10));
  font.weight = chosen->weight;
  font.italic = chosen->italic;
  font.underline = chosen->underline;
  font.strikeOut = chosen->strikeOut;
  SetFont(font);
  CommitChanges();
  return true;
}

}  // namespace designer
