#include "forms/company/CompanyForm.h"

#include "data/objects/Company.h"
#include "forms/company/CompanyDetails.h"
#include "forms/company/CompanyFrame.h"
#include "forms/company/CompanyPage1.h"
#include "forms/company/CompanyPage2.h"
#include "forms/company/CompanyPage3.h"
#include "forms/company/CompanyPage4.h"
#include "platform/WindowMessages.h"
#include "shell/ui/RefreshMessages.h"

CompanyForm::CompanyForm(wxWindow* frame) : BaseTabForm(kTemplateId, frame) {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SaveCompany(); }, ID_SAVE_COMPANY);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanSave()); }, ID_SAVE_COMPANY);
}

CompanyFrame* CompanyForm::GetCompanyFrame() {
  return dynamic_cast<CompanyFrame*>(GetTabFrame());
}

void CompanyForm::OnInitialUpdate() {
  BaseTabForm::OnInitialUpdate();
  RebuildTabs();
  CompanyFrame* frame = GetCompanyFrame();
  const uint32_t initial = frame ? frame->GetInitialPage() : 0;
  SelectPage(initial != 0 && HasTab(initial) ? initial : kCompanyDetailsPage);
}

void CompanyForm::RebuildTabs() {
  const uint32_t selected = GetTabCount() > 0 ? GetCurrentPageId() : kCompanyDetailsPage;
  CompanyFrame* frame = GetCompanyFrame();
  for (const auto& [pageId, caption] : CompanyDetails::Tabs(frame ? frame->GetObjectId() : 0))
    AddTab(pageId, caption);
  SelectPage(selected);
}

bool CompanyForm::CanSave() {
  CompanyFrame* frame = GetCompanyFrame();
  return frame && frame->IsModified();
}

bool CompanyForm::SaveCompany() {
  CompanyFrame* frame = GetCompanyFrame();
  const int32_t idBefore = frame ? frame->GetObjectId() : 0;
  if (!SaveAllPages()) {
    // A new company whose save was rolled back is still new.
    if (frame && idBefore == 0 && frame->GetObjectId() != 0) {
      frame->SetObjectId(0);
      frame->LoadEditedObject();
    }
    return false;
  }
  // Stored now: the next save writes the company only when it changes again.
  if (frame && frame->GetCompany()) frame->GetCompany()->SetModified(false);
  RebuildTabs();
  platform::SendToThreadWindows(RefreshMessages::Company());
  platform::SendToThreadWindows(RefreshMessages::Finance());
  return true;
}

BaseTabPage* CompanyForm::CreatePage(uint32_t pageId, wxWindow* parent) {
  switch (pageId) {
    case kCompanyDetailsPage:
      return new CompanyPage1(parent);
    case kCompanyContactsPage:
      return new CompanyPage3(parent);
    case kCompanyInvoicesPage:
      return new CompanyPage2(parent);
    case kCompanyFinancePage:
      return new CompanyPage4(parent);
  }
  return nullptr;
}
