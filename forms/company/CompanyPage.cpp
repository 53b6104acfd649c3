#include "forms/company/CompanyPage.h"

#include "data/objects/Company.h"
#include "forms/company/CompanyFrame.h"
#include "platform/MessageBox.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/BaseSaveFrame.h"

#include <wx/toplevel.h>

CompanyFrame* CompanyPage::GetCompanyFrame() const {
  return dynamic_cast<CompanyFrame*>(wxGetTopLevelParent(const_cast<CompanyPage*>(this)));
}

Invoice::Company* CompanyPage::GetCompany() const {
  CompanyFrame* frame = GetCompanyFrame();
  return frame ? frame->GetCompany() : nullptr;
}

int32_t CompanyPage::GetCompanyId() const {
  CompanyFrame* frame = GetCompanyFrame();
  return frame ? frame->GetObjectId() : 0;
}

void CompanyPage::MarkModified() {
  MarkFrameModified(this);
}

void CompanyPage::ShowError(const std::wstring& text) {
  platform::ShowMessageBox(text, L"Corvane", platform::MB_ICONERROR);
}

void CompanyPage::BindContextMenu(BaseListCtrl* list, std::function<void()> showMenu) {
  list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [list, showMenu](wxDataViewEvent& event) {
    const long row = event.GetItem().IsOk() ? list->GetRowOf(event.GetItem()) : -1;
    if (row >= 0 && !list->IsSelected(event.GetItem())) list->SelectRow(row);
    showMenu();
  });
}
