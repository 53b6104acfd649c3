#include "forms/company/ContactDlgBase.h"

#include <wx/combobox.h>
#include <wx/stattext.h>

#include "platform/ComboDropDown.h"
#include "platform/MessageBox.h"

ContactDlgBase::ContactDlgBase(uint32_t templateId, ChangeSet* changes, int32_t objectId, int32_t companyId,
                               wxWindow* parent, const std::wstring& title)
    : BaseDialog(templateId, parent, title), m_changes(changes), m_objectId(objectId), m_companyId(companyId) {
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

void ContactDlgBase::CreateCaption(int y, int labelWidth, int comboWidth) {
  DialogUnits du(this);
  new wxStaticText(this, kCaptionLabel, L"Caption:", du.Point(7, y + 2), du.Size(labelWidth, 8));
  m_caption = new wxComboBox(this, kCaption, wxEmptyString, du.Point(10 + labelWidth, y), du.Size(comboWidth, 12),
                             0, nullptr, wxCB_DROPDOWN | wxCB_SORT);
  m_caption->SetMaxLength(50);
  platform::SkipDropDownButtonOnTab(m_caption);
}

void ContactDlgBase::FillCaptions(const std::set<std::wstring>& names) {
  const wxString typed = m_caption->GetValue();
  m_caption->Clear();
  for (const std::wstring& name : names) m_caption->Append(name);
  m_caption->ChangeValue(typed);
}

std::wstring ContactDlgBase::GetCaptionText() const {
  return m_caption->GetValue().ToStdWstring();
}

void ContactDlgBase::SetCaptionText(const std::wstring& text) {
  m_caption->ChangeValue(text);
}

void ContactDlgBase::ShowMissing(const std::wstring& text) {
  platform::ShowMessageBox(text, L"Corvane", platform::MB_ICONINFORMATION, this);
}
