#include "common/ui/CBaseEdit.h"

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

bool CBaseEdit::FilterKey(int keyCode) {
  long from = 0;
  long to = 0;
  GetSelection(&from, &to);
  std::wstring separator = DecimalSeparator();
  if (!m_rules.AcceptsKey(keyCode, GetValue().ToStdWstring(), from, to, separator)) return false;
  if (keyCode == WXK_NUMPAD_DECIMAL && m_rules.GetInputType() == kInputDecimal) {
    // The pad's key types what the keyboard layout says; the number is read
    // with the locale's separator, so that is what goes in.
    WriteText(wxString(separator));
    return false;
  }
  return true;
}

void CBaseEdit::OnKeyDown(wxKeyEvent& event) {
  if (FilterKey(event.GetKeyCode())) event.Skip();
}

void CBaseEdit::OnChar(wxKeyEvent& event) {
  // A key that passed the filter can still type something else (shift with a
  // digit gives "!"): numbers take only digits as characters.
  uint32_t type = m_rules.GetInputType();
  wxChar c = event.GetUnicodeKey();
  if ((type == kInputInteger || type == kInputDecimal) && c != WXK_NONE && c >= 32 && !(c >= '0' && c <= '9'))
    return;
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
