#include "forms/invoice/InvoiceFrame.h"

#include <iterator>

#include "forms/invoice/InvoiceForm.h"
#include "shell/ui/FormBars.h"
#include "shell/ui/WindowPlacement.h"

namespace {

const FormCommand kCommands[] = {
    {InvoiceForm::ID_NEW_LINE, L"New\tCtrl+N", L"New Item Output", L"New Item Output (Ctrl+N)", wxART_NEW},
    {InvoiceForm::ID_DELETE_LINES, L"Delete\tDel", L"Delete Selected Item", L"Delete Selected Item (Del)",
     wxART_DELETE},
    {InvoiceForm::ID_LINE_PROPERTIES, L"Properties\tAlt+Enter", L"Item Properties",
     L"Item Properties (Alt+Enter)", wxART_REPORT_VIEW},
    {},
    {InvoiceForm::ID_SAVE_INVOICE, L"Save\tCtrl+S", L"Save the Invoice", L"Save the Invoice (Ctrl+S)",
     wxART_FILE_SAVE},
    {},
    {InvoiceForm::ID_PREVIEW_INVOICE, L"Preview", L"Preview the Invoice", L"Preview the Invoice", wxART_FIND},
    {InvoiceForm::ID_PRINT_INVOICE, L"Print\tCtrl+P", L"Print the Invoice", L"Print the Invoice (Ctrl+P)",
     wxART_PRINT},
};

}  // namespace

InvoiceFrame::InvoiceFrame() {
  m_frameName = L"InvoiceFrameWnd";
}

void InvoiceFrame::SetFormArguments(const FormArguments& arguments) {
  m_invoiceId = arguments.objectId;
  m_companyId = arguments.companyId;
  m_income = arguments.income;
}

InvoiceForm* InvoiceFrame::GetForm() const {
  for (View* view : GetFrameViews())
    if (auto* form = dynamic_cast<InvoiceForm*>(view)) return form;
  return nullptr;
}

bool InvoiceFrame::SaveChanges() {
  if (InvoiceForm* form = GetForm()) form->SaveInvoice();
  return !IsModified();
}

int InvoiceFrame::OnCreate() {
  // The menu and the flat toolbar (resource 137), and a status bar with one field.
  if (!CreateFormBars(*this, kCommands, {InvoiceForm::ID_CLOSE_INVOICE, L"Close\tAlt+F4"}, kResourceId))
    return -1;

  // The accelerators (table 137); the menu texts show them.
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'N', InvoiceForm::ID_NEW_LINE},
      {wxACCEL_ALT, WXK_RETURN, InvoiceForm::ID_LINE_PROPERTIES},
      {wxACCEL_CTRL, 'S', InvoiceForm::ID_SAVE_INVOICE},
      {wxACCEL_CTRL, 'P', InvoiceForm::ID_PRINT_INVOICE},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
  BindDeleteKeyToLists(*this, InvoiceForm::ID_DELETE_LINES);
  SetArtIcons(wxART_EDIT);
  return 0;
}

BaseFrameWnd* CreateInvoiceFrame(wxWindow* parent) {
  auto* frame = new InvoiceFrame;
  if (!frame->LoadFrame(L"Invoice", wxDEFAULT_FRAME_STYLE, parent)) {
    delete frame;
    return nullptr;
  }
  return frame;
}

View* CreateInvoiceFormView(BaseFrameWnd* frame) {
  auto* form = new InvoiceForm(frame);
  // Without a stored placement the frame fits the form.
  if (!WindowPlacement::Load(kWinPosKey, frame->GetFrameName())) frame->SetClientSize(form->GetSize());
  return form;
}
