#include "forms/dialogs/PriceListFrame.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "data/objects/PriceGroup.h"
#include "forms/dialogs/PriceListForm.h"
#include "shell/ui/WindowPlacement.h"

PriceListFrame::PriceListFrame() {
  m_frameName = L"PriceListFrameWnd";
}

void PriceListFrame::SetFormArguments(const FormArguments& arguments) {
  SetObjectId(arguments.objectId);
  if (arguments.direction == 1 || arguments.direction == 2) m_presetDirection = arguments.direction;
}

PriceListForm* PriceListFrame::GetForm() const {
  for (View* view : GetFrameViews())
    if (auto* form = dynamic_cast<PriceListForm*>(view)) return form;
  return nullptr;
}

bool PriceListFrame::SaveChanges() {
  if (PriceListForm* form = GetForm()) form->SavePriceList();
  return !IsModified();
}

void PriceListFrame::LoadEditedObject() {
  SetEditedObject(nullptr);
  SetEditedObject(std::make_unique<Invoice::PriceGroup>(GetObjectId()));
}

int PriceListFrame::OnCreate() {
  auto* file = new wxMenu;
  file->Append(PriceListForm::ID_EDIT_PRICE, L"Properties\tAlt+Enter", L"Edit Selected Price");
  file->AppendSeparator();
  file->Append(PriceListForm::ID_SAVE, L"Save\tCtrl+S", L"Save the Price List");
  file->AppendSeparator();
  file->Append(PriceListForm::ID_CLOSE, L"Close");
  auto* bar = new wxMenuBar;
  bar->Append(file, L"File");
  SetMenuBar(bar);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, PriceListForm::ID_CLOSE);

  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'S', PriceListForm::ID_SAVE},
      {wxACCEL_ALT, WXK_RETURN, PriceListForm::ID_EDIT_PRICE},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));

  wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP, kResourceId);
  if (!tools) return -1;
  tools->AddTool(PriceListForm::ID_EDIT_PRICE, L"Edit Selected Price (Alt+Enter)",
                 wxArtProvider::GetBitmap(wxART_REPORT_VIEW, wxART_TOOLBAR, wxSize(16, 16)),
                 L"Edit Selected Price (Alt+Enter)", wxITEM_NORMAL);
  tools->SetToolLongHelp(PriceListForm::ID_EDIT_PRICE, L"Edit Selected Price");
  tools->AddSeparator();
  tools->AddTool(PriceListForm::ID_SAVE, L"Save the Price List (Ctrl+S)",
                 wxArtProvider::GetBitmap(wxART_FILE_SAVE, wxART_TOOLBAR, wxSize(16, 16)),
                 L"Save the Price List (Ctrl+S)", wxITEM_NORMAL);
  tools->SetToolLongHelp(PriceListForm::ID_SAVE, L"Save the Price List");
  tools->Realize();
  if (!CreateStatusBar(1)) return -1;
  const wxIcon icon = wxArtProvider::GetIcon(wxART_LIST_VIEW, wxART_FRAME_ICON, wxSize(16, 16));
  SetIcon(icon);
  return 0;
}

BaseFrameWnd* CreatePriceListFrame(wxWindow* parent) {
  auto* frame = new PriceListFrame;
  if (!frame->LoadFrame(L"Price List", wxDEFAULT_FRAME_STYLE, parent)) {
    delete frame;
    return nullptr;
  }
  return frame;
}

View* CreatePriceListFormView(BaseFrameWnd* frame) {
  auto* form = new PriceListForm(frame);
  if (!WindowPlacement::Load(kWinPosKey, frame->GetFrameName())) frame->SetClientSize(wxSize(520, 420));
  return form;
}
