#include "forms/items/ItemPage.h"

#include "forms/items/ItemFrame.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/BaseSaveFrame.h"

ItemPage::ItemPage(uint32_t templateId, wxWindow* parent) : BaseTabPage(templateId, parent) {}

ItemFrame* ItemPage::GetItemFrame() const {
  for (wxWindow* window = GetParent(); window; window = window->GetParent())
    if (auto* frame = dynamic_cast<ItemFrame*>(window)) return frame;
  return nullptr;
}

int32_t ItemPage::GetObjectId() const {
  const ItemFrame* frame = GetItemFrame();
  return frame ? frame->GetObjectId() : 0;
}

bool ItemPage::IsGroup() const {
  const ItemFrame* frame = GetItemFrame();
  return frame && frame->IsGroup();
}

BaseListCtrl* ItemPage::CreateList(int id, const std::wstring& listName, int width, int height) {
  SetTemplateSize(width, height);
  DialogUnits du(this);
  auto* list = new BaseListCtrl(this, id, listName, du.Point(2, 2), du.Size(width - 4, height - 4));
  SetUpAnchors();
  GetAnchors().AddControl(id, 0, 0, 100, 100);
  return list;
}

void ItemPage::MarkModified() {
  MarkFrameModified(this);
}
