#include "forms/company/CPhoneDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/ui/EditInputRules.h"
#include "data/objects/PhoneCode.h"
#include "forms/company/ContactEditing.h"
#include "forms/company/PhoneNumber.h"
#include "forms/dialogs/DialogMessages.h"
#include "platform/ComboDropDown.h"
#include "platform/MessageBox.h"

CPhoneDlg::CPhoneDlg(ChangeSet* changes, int32_t phoneId, int32_t companyId, wxWindow* parent)
    : ContactDlgBase(kTemplateId, changes, phoneId, companyId, parent,
                     phoneId != 0 ? L"Edit Phone Number" : L"New Phone Number") {
  SetDialogClientSize(220, 90);
  CreateCaption(7, 35, 168);
  DialogUnits du(this);
  new wxStaticText(this, kPhoneLabel, L"Phone:", du.Point(7, 35), du.Size(35, 8));
  new wxStaticText(this, kCountryLabel, L"Country", du.Point(45, 25), du.Size(40, 8));
  new wxStaticText(this, kRegionLabel, L"Region", du.Point(90, 25), du.Size(35, 8));
  new wxStaticText(this, kNumberLabel, L"Number", du.Point(130, 25), du.Size(60, 8));
  m_country = new wxComboBox(this, kCountry, wxEmptyString, du.Point(45, 33), du.Size(42, 12), 0, nullptr,
                             wxCB_DROPDOWN);
  m_country->SetMaxLength(5);
  platform::SkipDropDownButtonOnTab(m_country);
  WidenCountryList();
  m_region = new wxTextCtrl(this, kRegion, wxEmptyString, du.Point(90, 33), du.Size(37, 12));
  m_number = new wxTextCtrl(this, kNumber, wxEmptyString, du.Point(130, 33), du.Size(83, 12));
  new wxButton(this, platform::IDOK, L"OK", du.Point(108, 70), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(163, 70), du.Size(50, 14));
}

bool CPhoneDlg::OnInitDialog() {
  try {
    std::set<std::wstring> names;
    Invoice::GetPhoneNames(names);
    FillCaptions(names);
    std::vector<Invoice::PhoneCode> codes;
    Invoice::GetAllPhoneCodes(codes);
    m_country->Clear();
    for (const Invoice::PhoneCode& code : codes) m_country->Append(code.GetCode());
    if (m_objectId != 0) {
      m_phone = LoadEditedRecord<Invoice::Phone>(m_changes, m_objectId);
      m_companyId = m_phone.GetCompanyId();
      SetCaptionText(m_phone.GetName());
      const PhoneParts parts =
          SplitPhoneNumber(m_phone.GetNumber(), m_phone.GetCountryPart(), m_phone.GetRegionPart());
      m_country->ChangeValue(parts.country);
      m_region->ChangeValue(parts.region);
      m_number->ChangeValue(parts.number);
    }
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  return true;
}

void CPhoneDlg::OnOK() {
  const PhoneParts parts{m_country->GetValue().ToStdWstring(), m_region->GetValue().ToStdWstring(),
                         m_number->GetValue().ToStdWstring()};
  if (parts.number.empty()) {
    ShowMissing(L"Please, specify a telephone number.");
    return;
  }
  const StoredPhone stored = JoinPhoneParts(parts);
  // The parts are joined with spaces for display; the joined text has to
  // fit its column as well as each part its edit.
  if (const auto refusal = CheckFieldText(FieldLimits::Text(L"Phone", 50), stored.display, AmountFormat::User())) {
    ShowMissing(*refusal);
    m_number->SetFocus();
    return;
  }
  m_phone.SetName(GetCaptionText());
  m_phone.SetCountryPart(stored.countryPart);
  m_phone.SetRegionPart(stored.regionPart);
  m_phone.SetNumber(stored.number);
  m_phone.SetPhoneDisplay(stored.display);
  m_phone.SetCompanyId(m_companyId);
  m_objectId = RecordEdit(m_changes, m_phone);
  EndDialog(platform::IDOK);
}

// The codes' list opens wider than the narrow box when that is narrower than
// 200 pixels. Set once the box has its size: GTK takes the list's width
// before it tells that the list drops down, so a change made on the
// drop-down would show only from the second opening on.
void CPhoneDlg::WidenCountryList() {
  if (platform::GetDropDownWidth(m_country) < 200) platform::SetDropDownMinWidth(m_country, 210);
}
