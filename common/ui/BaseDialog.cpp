#include "common/ui/BaseDialog.h"

#include <wx/button.h>

#include "platform/MessageBox.h"
#include "common/ui/CBaseEdit.h"

BaseDialog::BaseDialog(uint32_t templateId, wxWindow* parent, const std::wstring& title, long style)
    : wxDialog(parent, wxID_ANY, wxString(title), wxDefaultPosition, wxDefaultSize, style),
      m_templateId(templateId) {
  // The system's button ids: return and escape press them.
  SetAffirmativeId(platform::IDOK);
  SetEscapeId(platform::IDCANCEL);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, platform::IDOK);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, platform::IDCANCEL);
}

bool BaseDialog::Show(bool show) {
  if (show && !GetDefaultItem()) {
    if (auto* ok = dynamic_cast<wxButton*>(FindWindow(platform::IDOK))) ok->SetDefault();
  }
  return wxDialog::Show(show);
}

int BaseDialog::DoModal() {
  return ShowModal();
}

void BaseDialog::EndDialog(int result) {
  if (IsModal()) {
    EndModal(result);
  } else {
    SetReturnCode(result);
    Hide();
  }
}

void BaseDialog::SetDialogClientSize(int width, int height) {
  SetClientSize(DialogUnits(this).Size(width, height));
}

void BaseDialog::OnOK() {
  if (!CheckFieldLimits(this)) return;
  if (Validate() && TransferDataFromWindow()) EndDialog(platform::IDOK);
}

void BaseDialog::OnCancel() {
  EndDialog(platform::IDCANCEL);
}
