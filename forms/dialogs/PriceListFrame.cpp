#include "forms/dialogs/PriceListFrame.h"

#include <wx/artprov.h>

#include <iterator>

#include "data/objects/PriceGroup.h"
#include "forms/dialogs/PriceListForm.h"
#include "shell/ui/FormBars.h"
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

namespace {

const FormCommand kCommands[] = {
    {PriceListForm::ID_EDIT_PRICE, L"Properties\tAlt+Enter", L"Edit Selected Price",
     L"Edit Selected Price (Alt+Enter)", wxART_REPORT_VIEW},
    {},
    {PriceListForm::ID_SAVE, L"Save\tCtrl+S", L"Save the Price List", L"Save the Price List (Ctrl+S)",
     wxART_FILE_SAVE},
};

}  // namespace

int PriceListFrame::OnCreate() {
  if (!CreateFormBars(*this, kCommands, {PriceListForm::ID_CLOSE, L"Close"}, kResourceId)) return -1;
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'S', PriceListForm::ID_SAVE},
      {wxACCEL_ALT, WXK_RETURN, PriceListForm::ID_EDIT_PRICE},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));

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
