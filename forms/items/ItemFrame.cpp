#include "forms/items/ItemFrame.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"
#include "forms/items/ItemForm.h"
#include "shell/ui/WindowPlacement.h"

namespace {

struct CommandText {
  int id;
  const wchar_t* menuText;
  const wchar_t* status;
  const wchar_t* tooltip;
  wxArtID art;
};

const CommandText kCommands[] = {
    {ItemForm::ID_NEW, L"New\tCtrl+N", L"New", L"New (Ctrl+N)", wxART_NEW},
    {ItemForm::ID_DELETE_SELECTED, L"Delete\tDel", L"Delete selected", L"Delete selected (Del)", wxART_DELETE},
    {ItemForm::ID_PROPERTIES, L"Properties\tAlt+Enter", L"Properties", L"Properties (Alt+Enter)",
     wxART_REPORT_VIEW},
    {ItemForm::ID_SAVE, L"Save\tCtrl+S", L"Save this Item", L"Save this Item (Ctrl+S)", wxART_FILE_SAVE},
};

const CommandText& Command(int id) {
  for (const CommandText& command : kCommands)
    if (command.id == id) return command;
  return kCommands[0];
}

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
  auto* file = new wxMenu;
  auto item = [file](int id) {
    const CommandText& command = Command(id);
    file->Append(id, command.menuText, command.status);
  };
  item(ItemForm::ID_NEW);
  item(ItemForm::ID_DELETE_SELECTED);
  item(ItemForm::ID_PROPERTIES);
  file->AppendSeparator();
  item(ItemForm::ID_SAVE);
  file->AppendSeparator();
  file->Append(ItemForm::ID_CLOSE, L"Close");
  auto* bar = new wxMenuBar;
  bar->Append(file, L"File");
  SetMenuBar(bar);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, ItemForm::ID_CLOSE);

  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'N', ItemForm::ID_NEW},
      {wxACCEL_NORMAL, WXK_DELETE, ItemForm::ID_DELETE_SELECTED},
      {wxACCEL_ALT, WXK_RETURN, ItemForm::ID_PROPERTIES},
      {wxACCEL_CTRL, 'S', ItemForm::ID_SAVE},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));

  wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP, kResourceId);
  if (!tools) return -1;
  for (int id : std::initializer_list<int>{ItemForm::ID_NEW, ItemForm::ID_DELETE_SELECTED, ItemForm::ID_PROPERTIES, 0,
                                           ItemForm::ID_SAVE}) {
    if (id == 0) {
      tools->AddSeparator();
      continue;
    }
    const CommandText& command = Command(id);
    tools->AddTool(id, command.tooltip, wxArtProvider::GetBitmap(command.art, wxART_TOOLBAR, wxSize(16, 16)),
                   command.tooltip, wxITEM_NORMAL);
    tools->SetToolLongHelp(id, command.status);
  }
  tools->Realize();
  if (!CreateStatusBar(1)) return -1;
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
