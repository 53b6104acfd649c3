#include "forms/company/CompanyPage1.h"

#include <vector>

#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "data/DbException.h"
#include "data/objects/Company.h"
#include "data/objects/PriceGroup.h"
#include "forms/company/CompanyDetails.h"
#include "forms/company/CompanyFrame.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

CompanyPage1::CompanyPage1(wxWindow* parent) : CompanyPage(kTemplateId, parent) {
  SetTemplateSize(300, 80);
  DialogUnits du(this);
  new wxStaticText(this, kNameLabel, L"&Name:", du.Point(7, 9), du.Size(60, 8));
  m_name = new wxTextCtrl(this, kName, wxEmptyString, du.Point(70, 7), du.Size(220, 12));
  m_name->SetMaxLength(100);
  new wxStaticText(this, kPriceListLabel, L"&Price List:", du.Point(7, 27), du.Size(60, 8));
  m_priceList = new wxChoice(this, kPriceList, du.Point(70, 25), du.Size(220, 12));
  new wxStaticText(this, kDiscountLabel, L"Default Discount:", du.Point(7, 45), du.Size(60, 8));
  m_discount = new CBaseEdit(this, kDiscount, kInputText, kCheckNone, du.Point(70, 43), du.Size(50, 12), wxTE_RIGHT);
  new wxStaticText(this, wxID_ANY, L"%", du.Point(123, 45), du.Size(10, 8));
  SetUpAnchors();
  GetAnchors().AddControl(kName, 0, 0, 100, 0);
  GetAnchors().AddControl(kPriceList, 0, 0, 100, 0);

  auto modified = [this](wxCommandEvent&) {
    if (!m_loading) MarkModified();
  };
  m_name->Bind(wxEVT_TEXT, modified);
  m_discount->Bind(wxEVT_TEXT, modified);
  m_priceList->Bind(wxEVT_CHOICE, modified);
  LoadData();
}

void CompanyPage1::ShowDiscount() {
  // A value being typed is not reformatted under the user's hands.
  if (wxWindow::FindFocus() != m_discount) m_discount->ChangeValue(FormatAmount(m_discountValue));
}

void CompanyPage1::LoadData() {
  Invoice::Company* company = GetCompany();
  if (!company) return;
  m_loading = true;
  m_name->ChangeValue(company->GetName());
  m_discountValue = company->GetDefaultDiscount();
  ShowDiscount();
  FillPriceListCombo(company->GetPriceGroupId());
  m_loading = false;
  GetCompanyFrame()->SetTitle(CompanyDetails::Caption(company->GetName()));
}

void CompanyPage1::FillPriceListCombo(int32_t selectedId) {
  m_priceList->Clear();
  m_priceList->Append(L"Default Price List", reinterpret_cast<void*>(static_cast<intptr_t>(0)));
  m_priceList->SetSelection(0);
  try {
    std::vector<Invoice::PriceGroup> groups;
    Invoice::GetAllPriceGroups(groups);
    for (const Invoice::PriceGroup& group : groups) {
      const int index =
          m_priceList->Append(group.GetName(), reinterpret_cast<void*>(static_cast<intptr_t>(group.GetId())));
      if (group.GetId() == selectedId) m_priceList->SetSelection(index);
    }
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
}

bool CompanyPage1::SaveData(bool& reload) {
  reload = false;
  CompanyFrame* frame = GetCompanyFrame();
  Invoice::Company* company = GetCompany();
  if (!frame || !company) return false;
  CompanyDetailsInput input;
  input.name = m_name->GetValue().ToStdWstring();
  const int selected = m_priceList->GetSelection();
  input.priceListId =
      selected == wxNOT_FOUND ? 0 : static_cast<int32_t>(reinterpret_cast<intptr_t>(m_priceList->GetClientData(selected)));
  input.discountText = m_discount->GetValue().ToStdWstring();
  switch (CompanyDetails::Apply(input, AmountFormat::User(), *company)) {
    case CompanyDetails::Result::NameMissing:
      platform::ShowMessageBox(kNameMissingMessage, L"Corvane", platform::MB_ICONINFORMATION);
      return false;
    case CompanyDetails::Result::BadDiscount:
      platform::ShowMessageBox(kBadDiscountMessage, L"Corvane", platform::MB_ICONINFORMATION);
      m_discount->SetFocus();
      return false;
    case CompanyDetails::Result::DiscountOutOfRange:
      platform::ShowMessageBox(kDiscountRangeMessage, L"Corvane", platform::MB_ICONINFORMATION);
      m_discount->SetFocus();
      return false;
    case CompanyDetails::Result::Saved:
      break;
  }
  company->Save();
  if (frame->GetObjectId() == 0) {
    frame->SetObjectId(company->GetId());
    frame->LoadEditedObject();
  }
  m_discountValue = GetCompany()->GetDefaultDiscount();
  m_loading = true;
  m_name->ChangeValue(GetCompany()->GetName());
  ShowDiscount();
  m_loading = false;
  frame->SetTitle(CompanyDetails::Caption(GetCompany()->GetName()));
  return true;
}
