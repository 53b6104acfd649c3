#include "forms/company/CompanyFrame.h"

#include <wx/artprov.h>

#include "data/DbException.h"
#include "data/objects/Company.h"
#include "forms/company/CompanyForm.h"
#include "shell/ui/FormBars.h"
#include "shell/ui/WindowPlacement.h"

CompanyFrame::CompanyFrame() {
  m_frameName = L"CompanyFrameWnd";
}

void CompanyFrame::SetFormArguments(const FormArguments& arguments) {
  SetObjectId(arguments.objectId);
  m_initialPage = arguments.initialPage;
}

void CompanyFrame::LoadEditedObject() {
  SetEditedObject(nullptr);
  SetEditedObject(std::make_unique<Invoice::Company>(GetObjectId()));
}

Invoice::Company* CompanyFrame::GetCompany() const {
  return GetEditedObjectAs<Invoice::Company>();
}

CompanyForm* CompanyFrame::GetForm() const {
  for (View* view : GetFrameViews())
    if (auto* form = dynamic_cast<CompanyForm*>(view)) return form;
  return nullptr;
}

bool CompanyFrame::SaveChanges() {
  if (CompanyForm* form = GetForm()) form->SaveCompany();
  return !IsModified();
}

namespace {

const FormCommand kCommands[] = {
    {CompanyForm::ID_SAVE_COMPANY, L"Save\tCtrl+S", L"Save the Client", L"Save (Ctrl+S)", wxART_FILE_SAVE},
};

}  // namespace

int CompanyFrame::OnCreate() {
  if (BaseTabFrame::OnCreate() == -1) return -1;
  // Menu and toolbar 140, and a status bar with one field.
  if (!CreateFormBars(*this, kCommands, {CompanyForm::ID_CLOSE_COMPANY, L"Close"}, kResourceId)) return -1;
  wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'S', CompanyForm::ID_SAVE_COMPANY}};
  SetAcceleratorTable(wxAcceleratorTable(1, keys));
  SetArtIcons(wxART_GO_HOME);
  return 0;
}

BaseFrameWnd* CreateCompanyFrame(wxWindow* parent) {
  auto* frame = new CompanyFrame;
  if (!frame->LoadFrame(L"Client", wxDEFAULT_FRAME_STYLE, parent)) {
    delete frame;
    return nullptr;
  }
  return frame;
}

View* CreateCompanyFormView(BaseFrameWnd* frame) {
  auto* form = new CompanyForm(frame);
  // Without a stored placement the frame opens at a size that shows the cards.
  if (!WindowPlacement::Load(kWinPosKey, frame->GetFrameName())) frame->SetClientSize(wxSize(820, 560));
  return form;
}
