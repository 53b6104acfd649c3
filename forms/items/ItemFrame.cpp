#include "forms/items/ItemFrame.h"

#include <wx/artprov.h>

#include <iterator>

#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"
#include "forms/items/ItemForm.h"
#include "shell/ui/FormBars.h"
#include "shell/ui/WindowPlacement.h"

namespace {

const FormCommand kCommands[] = {
    {ItemForm::ID_NEW, L"New\tCtrl+N", L"New", L"New (Ctrl+N)", wxART_NEW},
    {ItemForm::ID_DELETE_SELECTED, L"Delete\tDel", L"Delete selected", L"Delete selected (Del)", wxART_DELETE},
    {ItemForm::ID_PROPERTIES, L"Properties\tAlt+Enter", L"Properties", L"Properties (Alt+Enter)",
     wxART_REPORT_VIEW},
    {},
    {ItemForm::ID_SAVE, L"Save\tCtrl+S", L"Save this Item", L"Save this Item (Ctrl+S)", wxART_FILE_SAVE},
};

wxIcon FrameIcon(bool group) {
  return wxArtProvider::GetIcon(group ? wxART_FOLDER : wxART_NORMAL_FILE, wxART_FRAME_ICON, wxSize(16, 16));
}

}  // namespace

ItemFrame::ItemFrame() {
  m_frameName = L"ItemFrameWnd";
}

void ItemFrame::SetFormArguments(const FormArguments& arguments) {
  SetObjectId(arguments.objectId);
  m_group = arguments.itemGroup;
  m_presetGroupId = arguments.parentGroupId;
}

ItemForm* ItemFrame::GetForm() const {
  for (View* view : GetFrameViews())
    if (auto* form = dynamic_cast<ItemForm*>(view)) return form;
  return nullptr;
}

bool ItemFrame::SaveChanges() {
  if (ItemForm* form = GetForm()) form->Save();
  return !IsModified();
}

std::wstring ItemFrame::Caption(bool group, int32_t objectId, const std::wstring& name) {
  const std::wstring kind = group ? L"Item Group" : L"Item";
  const std::wstring shown = objectId != 0 ? name : (group ? L"New Item Group" : L"New Item");
  return kind + L" - " + shown;
}

void ItemFrame::UpdateFrameCaption() {
  std::wstring name;
  if (const auto* group = GetEditedObjectAs<Invoice::ItemGroup>())
    name = group->GetName();
  else if (const auto* item = GetEditedObjectAs<Invoice::Item>())
    name = item->GetName();
  SetTitle(Caption(m_group, GetObjectId(), name));
}

void ItemFrame::LoadEditedObject() {
  SetEditedObject(nullptr);
  if (m_group)
    SetEditedObject(std::make_unique<Invoice::ItemGroup>(GetObjectId()));
  else
    SetEditedObject(std::make_unique<Invoice::Item>(GetObjectId()));
  SetIcon(FrameIcon(m_group));
}

int ItemFrame::OnCreate() {
  if (!CreateFormBars(*this, kCommands, {ItemForm::ID_CLOSE, L"Close"}, kResourceId)) return -1;
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'N', ItemForm::ID_NEW},
      {wxACCEL_ALT, WXK_RETURN, ItemForm::ID_PROPERTIES},
      {wxACCEL_CTRL, 'S', ItemForm::ID_SAVE},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
  BindDeleteKeyToLists(*this, ItemForm::ID_DELETE_SELECTED);

  return 0;
}

BaseFrameWnd* CreateItemFrame(wxWindow* parent) {
  auto* frame = new ItemFrame;
  if (!frame->LoadFrame(L"Item", wxDEFAULT_FRAME_STYLE, parent)) {
    delete frame;
    return nullptr;
  }
  return frame;
}

View* CreateItemFormView(BaseFrameWnd* frame) {
  auto* form = new ItemForm(frame);
  if (!WindowPlacement::Load(kWinPosKey, frame->GetFrameName())) frame->SetClientSize(wxSize(640, 440));
  return form;
}
