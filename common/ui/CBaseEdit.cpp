#include "common/ui/CBaseEdit.h"

#include <wx/bookctrl.h>

#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/DialogUnits.h"

CBaseEdit::CBaseEdit(uint32_t inputType, uint32_t checkKind) : m_rules(inputType, checkKind) {}

CBaseEdit::CBaseEdit(wxWindow* parent, wxWindowID id, uint32_t inputType, uint32_t checkKind,
                     const wxPoint& pos, const wxSize& size, long style)
    : m_rules(inputType, checkKind) {
  Create(parent, id, pos, size, style);
}

bool CBaseEdit::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style) {
  if (!wxTextCtrl::Create(parent, id, wxEmptyString, pos, size, style)) return false;
  BindHandlers();
  return true;
}

void CBaseEdit::BindHandlers() {
  wxTextCtrl::Bind(wxEVT_KEY_DOWN, &CBaseEdit::OnKeyDown, this);
  wxTextCtrl::Bind(wxEVT_CHAR, &CBaseEdit::OnChar, this);
  wxTextCtrl::Bind(wxEVT_TEXT, &CBaseEdit::OnText, this);
  wxTextCtrl::Bind(wxEVT_KILL_FOCUS, &CBaseEdit::OnKillFocus, this);
  // The field has no context menu.
  wxTextCtrl::Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
}

std::wstring CBaseEdit::DecimalSeparator() {
  return AmountFormat::User().decimalSeparator;
}

bool CBaseEdit::FilterKey(int keyCode, int modifiers) {
  long from = 0;
  long to = 0;
  GetSelection(&from, &to);
  std::wstring separator = DecimalSeparator();
  if (!m_rules.AcceptsKey(keyCode, GetValue().ToStdWstring(), from, to, separator, modifiers)) return false;
  if (!(modifiers & wxMOD_CONTROL) && m_rules.TypesSeparator(keyCode)) {
    // The point, the comma and the pad's key type what the keyboard layout
    // says; the number is read with the locale's separator, so that is what
    // goes in.
    WriteText(wxString(separator));
    return false;
  }
  return true;
}

void CBaseEdit::OnKeyDown(wxKeyEvent& event) {
  if (FilterKey(event.GetKeyCode(), event.GetModifiers())) event.Skip();
}

void CBaseEdit::OnChar(wxKeyEvent& event) {
  // A key that passed the filter can still type something else (shift with a
  // digit gives "!"): numbers take only digits as characters, decimals also
  // the minus sign. Ctrl combinations are the control's own commands.
  uint32_t type = m_rules.GetInputType();
  wxChar c = event.GetUnicodeKey();
  const bool number = type == kInputInteger || type == kInputDecimal;
  const bool allowed = (c >= '0' && c <= '9') || (type == kInputDecimal && c == '-');
  if (number && !event.ControlDown() && c != WXK_NONE && c >= 32 && !allowed) return;
  event.Skip();
}

void CBaseEdit::OnText(wxCommandEvent& event) {
  long from = 0;
  long to = 0;
  GetSelection(&from, &to);
  if (auto edited = m_rules.StripLeadingZeros(GetValue().ToStdWstring(), from, to)) {
    ChangeValue(wxString(edited->text));
    SetSelection(edited->selectionStart, edited->selectionEnd);
    ShowPosition(edited->selectionEnd);
  }
  OnTextUpdated();
  event.Skip();
}

void CBaseEdit::HandleFocusLeaving(wxWindow* next) {
  if (next && next->GetParent() == GetParent() && !ValidateValue()) CallAfter([this] { SetFocus(); });
  UpdateParentData();
}

void CBaseEdit::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  HandleFocusLeaving(event.GetWindow());
}

bool CBaseEdit::ValidateValue() {
  auto refusal = m_rules.Check(GetValue().ToStdWstring(), AmountFormat::User());
  if (!refusal) return true;
  std::wstring caption = refusal->parentCaption && GetParent() ? GetParent()->GetLabel().ToStdWstring() : L"";
  platform::ShowMessageBox(refusal->message, caption, platform::MB_ICONINFORMATION, this);
  return false;
}

void CBaseEdit::UpdateParentData() {
  if (m_rules.GetInputType() != kInputDecimal) return;
  for (wxWindow* window = GetParent(); window; window = window->GetParent()) {
    if (auto* exchanger = dynamic_cast<DataExchanger*>(window)) {
      exchanger->UpdateData(true);
      exchanger->UpdateData(false);
      return;
    }
  }
}

void CBaseEdit::SetLimits(const FieldLimits& limits) {
  m_limits = limits;
  if (limits.kind == FieldLimits::Kind::Text && !IsMultiLine()) SetMaxLength(limits.maxLength);
}

std::optional<std::wstring> CBaseEdit::CheckLimits() const {
  return CheckFieldText(m_limits, GetValue().ToStdWstring(), AmountFormat::User());
}

namespace {

CBaseEdit* FirstRefusedField(wxWindow* window, std::wstring& refusal) {
  for (wxWindow* child : window->GetChildren()) {
    if (auto* edit = dynamic_cast<CBaseEdit*>(child)) {
      if (auto message = edit->CheckLimits()) {
        refusal = *message;
        return edit;
      }
    }
    if (child->IsTopLevel()) continue;
    if (CBaseEdit* found = FirstRefusedField(child, refusal)) return found;
  }
  return nullptr;
}

// Brings every tab that holds the window to the front, so that a refused
// field on a page the user is not looking at can be seen and typed in.
void RevealField(wxWindow* field) {
  for (wxWindow* child = field; child && !child->IsTopLevel(); child = child->GetParent()) {
    auto* book = dynamic_cast<wxBookCtrlBase*>(child->GetParent());
    if (!book) continue;
    const int page = book->FindPage(child);
    if (page != wxNOT_FOUND && book->GetSelection() != page) book->SetSelection(page);
  }
}

}  // namespace

bool CheckFieldLimits(wxWindow* window) {
  std::wstring refusal;
  CBaseEdit* field = FirstRefusedField(window, refusal);
  if (!field) return true;
  RevealField(field);
  platform::ShowMessageBox(refusal, L"Corvane", platform::MB_ICONINFORMATION, window);
  field->SetFocus();
  field->SelectAll();
  return false;
}
