#include "forms/items/ItemForm.h"

#include "data/DbException.h"
#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/ItemFormTabs.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemPage1.h"
#include "forms/items/ItemPage3.h"
#include "forms/items/ItemPage4.h"
#include "forms/items/ItemPage5.h"
#include "forms/items/ItemPage6.h"
#include "forms/items/ItemPage7.h"
#include "platform/WindowMessages.h"
#include "shell/ui/RefreshMessages.h"
#include "shell/ui/UnitOfWork.h"

#include <algorithm>

ItemForm::ItemForm(wxWindow* frame) : BaseTabForm(kTemplateId, frame) {
  BindCommands();
}

ItemFrame* ItemForm::GetItemFrame() {
  return dynamic_cast<ItemFrame*>(GetTabFrame());
}

void ItemForm::OnInitialUpdate() {
  BaseTabForm::OnInitialUpdate();
  BuildTabs();
}

BaseTabPage* ItemForm::CreatePage(uint32_t pageId, wxWindow* parent) {
  switch (pageId) {
    case ItemFormTabs::kStock:
      return new ItemPage1(parent);
    case ItemFormTabs::kDetails:
      return new ItemPage3(parent);
    case ItemFormTabs::kIngredients:
      return new ItemPage4(parent);
    case ItemFormTabs::kPrices:
      return new ItemPage5(parent);
    case ItemFormTabs::kIncome:
      return new ItemPage6(parent);
    case ItemFormTabs::kOutcome:
      return new ItemPage7(parent);
  }
  return nullptr;
}

void ItemForm::BuildTabs() {
  ItemFrame* frame = GetItemFrame();
  if (!frame) return;
  const uint32_t remembered = GetTabCount() > 0 ? GetCurrentPageId() : 0;
  const int32_t id = frame->GetObjectId();
  int32_t sourceType = Invoice::kSourceTrading;
  try {
    sourceType = ItemFormTabs::EffectiveSourceType(id, frame->IsGroup());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  const std::vector<uint32_t> pages = ItemFormTabs::PagesFor(id != 0, frame->IsGroup(), sourceType);
  for (uint32_t pageId : {ItemFormTabs::kStock, ItemFormTabs::kDetails, ItemFormTabs::kIngredients,
                          ItemFormTabs::kPrices, ItemFormTabs::kIncome, ItemFormTabs::kOutcome}) {
    if (std::find(pages.begin(), pages.end(), pageId) != pages.end())
      AddTab(pageId, ItemFormTabs::Caption(pageId));
    else
      RemoveTab(pageId);
  }
  std::vector<uint32_t> tabs;
  for (int i = 0; i < GetTabCount(); ++i) tabs.push_back(GetTabPageId(i));
  SelectPage(ItemFormTabs::PageToSelect(remembered, tabs));
}

bool ItemForm::Save() {
  ItemFrame* frame = GetItemFrame();
  if (!frame) return false;
  const int32_t idBefore = frame->GetObjectId();
  if (!SaveAllPages()) {
    // A new object saved by its details page and then rolled back has no
    // row: the frame goes back to editing it as new.
    if (frame->GetObjectId() != idBefore) {
      frame->SetObjectId(idBefore);
      frame->LoadEditedObject();
    }
    return false;
  }
  frame->UpdateFrameCaption();
  BuildTabs();
  platform::SendToThreadWindows(frame->IsGroup() ? RefreshMessages::ItemGroups() : RefreshMessages::Item(), 0, 0);
  return true;
}

void ItemForm::Delete() {
  ItemFrame* frame = GetItemFrame();
  if (!frame || !dialogs::ConfirmDelete()) return;
  const bool group = frame->IsGroup();
  try {
    const int32_t id = frame->GetEditedObject() ? frame->GetEditedObject()->GetObjectId() : 0;
    std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
    if (group)
      Invoice::ItemGroup(id).Delete();
    else
      Invoice::Item(id).Delete();
    unit->Commit();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  // Nothing is left to save, and the lists must drop the object.
  frame->SetModified(false);
  platform::SendToThreadWindows(group ? RefreshMessages::ItemGroups() : RefreshMessages::Item(), 0, 0);
  frame->Close();
}

size_t ItemForm::SelectedOnCurrentPage() const {
  BaseTabPage* page = const_cast<ItemForm*>(this)->GetPage(GetCurrentPageId());
  if (auto* ingredients = dynamic_cast<ItemPage4*>(page)) return ingredients->GetSelectedCount();
  if (auto* prices = dynamic_cast<ItemPage5*>(page)) return prices->GetSelectedCount();
  if (auto* moves = dynamic_cast<StockMovesPage*>(page)) return moves->GetSelectedCount();
  return 0;
}

bool ItemForm::CanNew() const {
  return ItemFormTabs::CanNew(GetCurrentPageId());
}

bool ItemForm::CanDeleteSelected() const {
  return ItemFormTabs::CanDelete(GetCurrentPageId(), SelectedOnCurrentPage());
}

bool ItemForm::CanEditProperties() const {
  return ItemFormTabs::CanEdit(GetCurrentPageId(), SelectedOnCurrentPage());
}

void ItemForm::OnNew() {
  BaseTabPage* page = GetPage(GetCurrentPageId());
  if (auto* ingredients = dynamic_cast<ItemPage4*>(page))
    ingredients->NewDependency();
  else if (auto* income = dynamic_cast<ItemPage6*>(page))
    income->NewIncome();
  else if (auto* outcome = dynamic_cast<ItemPage7*>(page))
    outcome->NewOutcome();
}

void ItemForm::OnDeleteSelected() {
  BaseTabPage* page = GetPage(GetCurrentPageId());
  if (auto* ingredients = dynamic_cast<ItemPage4*>(page))
    ingredients->DeleteDependencies();
  else if (auto* income = dynamic_cast<ItemPage6*>(page))
    income->DeleteIncomes();
  else if (auto* outcome = dynamic_cast<ItemPage7*>(page))
    outcome->DeleteOutcomes();
}

void ItemForm::OnProperties() {
  BaseTabPage* page = GetPage(GetCurrentPageId());
  if (auto* ingredients = dynamic_cast<ItemPage4*>(page))
    ingredients->EditDependency();
  else if (auto* prices = dynamic_cast<ItemPage5*>(page))
    prices->EditPrices();
  else if (auto* income = dynamic_cast<ItemPage6*>(page))
    income->EditIncome();
  else if (auto* outcome = dynamic_cast<ItemPage7*>(page))
    outcome->EditOutcome();
}

void ItemForm::BindCommands() {
  auto on = [this](int id, void (ItemForm::*run)(), bool (ItemForm::*enabled)() const) {
    Bind(
        wxEVT_MENU, [this, run](wxCommandEvent&) { (this->*run)(); }, id);
    if (enabled)
      Bind(
          wxEVT_UPDATE_UI, [this, enabled](wxUpdateUIEvent& event) { event.Enable((this->*enabled)()); }, id);
  };
  on(ID_NEW, &ItemForm::OnNew, &ItemForm::CanNew);
  on(ID_DELETE_SELECTED, &ItemForm::OnDeleteSelected, &ItemForm::CanDeleteSelected);
  on(ID_PROPERTIES, &ItemForm::OnProperties, &ItemForm::CanEditProperties);
  on(ID_DELETE_OBJECT, &ItemForm::Delete, nullptr);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Save(); }, ID_SAVE);
  // Save has something to do only once the item or a page was edited.
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) {
        ItemFrame* frame = GetItemFrame();
        event.Enable(frame && frame->IsModified());
      },
      ID_SAVE);
}
