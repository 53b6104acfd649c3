#include "forms/company/CompanyFrame.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "data/DbException.h"
#include "data/objects/Company.h"
#include "forms/company/CompanyForm.h"
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

int CompanyFrame::OnCreate() {
  if (BaseTabFrame::OnCreate() == -1) return -1;
  // Menu 140: File with Save and Close.
  auto* file = new wxMenu;
  file->Append(CompanyForm::ID_SAVE_COMPANY, L"Save\tCtrl+S", L"Save the Client");
  file->AppendSeparator();
  file->Append(CompanyForm::ID_CLOSE_COMPANY, L"Close");
  auto* bar = new wxMenuBar;
  bar->Append(file, L"File");
  SetMenuBar(bar);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, CompanyForm::ID_CLOSE_COMPANY);
  wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'S', CompanyForm::ID_SAVE_COMPANY}};
  SetAcceleratorTable(wxAcceleratorTable(1, keys));

  // The flat toolbar (resource 140) and a status bar with one field.
  wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP, kResourceId);
  if (!tools) return -1;
  tools->AddTool(CompanyForm::ID_SAVE_COMPANY, L"Save (Ctrl+S)",
                 wxArtProvider::GetBitmap(wxART_FILE_SAVE, wxART_TOOLBAR, wxSize(16, 16)), L"Save (Ctrl+S)");
  tools->SetToolLongHelp(CompanyForm::ID_SAVE_COMPANY, L"Save the Client");
  tools->Realize();
  if (!CreateStatusBar(1)) return -1;
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
