#include "forms/dialogs/PriceListForm.h"

#include "forms/dialogs/PriceListFrame.h"
#include "forms/dialogs/PriceListPage1.h"
#include "platform/WindowMessages.h"
#include "shell/ui/RefreshMessages.h"

PriceListForm::PriceListForm(wxWindow* frame) : BaseTabForm(kTemplateId, frame) {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SavePriceList(); }, ID_SAVE);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanSave()); }, ID_SAVE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { EditPrice(); }, ID_EDIT_PRICE);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanEditPrice()); }, ID_EDIT_PRICE);
}

PriceListFrame* PriceListForm::GetPriceListFrame() {
  return dynamic_cast<PriceListFrame*>(GetTabFrame());
}

void PriceListForm::OnInitialUpdate() {
  BaseTabForm::OnInitialUpdate();
  AddTab(kDetailsPage, L"Details");
  SelectPage(kDetailsPage);
}

BaseTabPage* PriceListForm::CreatePage(uint32_t pageId, wxWindow* parent) {
  return pageId == kDetailsPage ? new PriceListPage1(parent) : nullptr;
}

PriceListPage1* PriceListForm::GetDetailsPage() {
  return dynamic_cast<PriceListPage1*>(GetPage(kDetailsPage));
}

bool PriceListForm::SavePriceList() {
  PriceListFrame* frame = GetPriceListFrame();
  if (!frame) return false;
  const int32_t idBefore = frame->GetObjectId();
  if (!SaveAllPages()) {
    frame->SetObjectId(idBefore);
    // A new list saved and then rolled back has no row: it is new again.
    if (idBefore == 0) frame->LoadEditedObject();
    return false;
  }
  if (idBefore == 0) frame->LoadEditedObject();
  platform::SendToThreadWindows(RefreshMessages::PriceList(), 0, 0);
  return true;
}

bool PriceListForm::CanSave() {
  PriceListFrame* frame = GetPriceListFrame();
  return frame && frame->IsModified();
}

void PriceListForm::EditPrice() {
  if (PriceListPage1* page = GetDetailsPage()) page->EditSelectedPrices();
}

bool PriceListForm::CanEditPrice() {
  PriceListPage1* page = GetDetailsPage();
  return page && page->HasSelection();
}
