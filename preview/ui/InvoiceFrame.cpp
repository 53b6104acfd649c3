#include "preview/ui/InvoiceFrame.h"

#include <wx/artprov.h>
#include <wx/menu.h>

#include "common/WindowPlacement.h"
#include "preview/InvoiceDoc.h"
#include "preview/ui/InvoiceDocTemplate.h"
#include "preview/ui/InvoiceView.h"

InvoiceFrame::InvoiceFrame(std::unique_ptr<InvoiceDoc> doc, InvoiceDocTemplate* owner)
    : PrintFrame(kFrameName, common::kWinPosKey), m_doc(std::move(doc)), m_owner(owner) {
  if (m_owner) m_owner->AddFrame(this);
}

InvoiceFrame::~InvoiceFrame() {
  // The view's printouts draw the document: they go first.
  ReleaseView();
  if (m_owner) m_owner->RemoveFrame(this);
}

std::wstring InvoiceFrame::Caption(const std::wstring& title) {
  return title + L" - " + L"Preview";
}

bool InvoiceFrame::Open(const std::wstring& title) {
  if (!LoadFrame(Caption(title))) return false;
  auto view = std::make_unique<InvoiceView>(*this, *m_doc);
  InvoiceView& invoiceView = *view;
  SetView(std::move(view));
  invoiceView.OnInitialUpdate();
  return true;
}

InvoiceView* InvoiceFrame::GetInvoiceView() const {
  return static_cast<InvoiceView*>(GetActiveView());
}

int InvoiceFrame::OnCreate() {
  if (PrintFrame::OnCreate() == -1) return -1;
  SetArtIcons(wxART_PRINT);

  auto* file = new wxMenu;
  file->Append(kPrintCommand, L"Print ...");
  file->AppendSeparator();
  file->Append(kCloseCommand, L"Close");
  auto* menus = new wxMenuBar;
  menus->Append(file, L"File");
  SetMenuBar(menus);
  Bind(wxEVT_MENU, &InvoiceFrame::OnPrint, this, kPrintCommand);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, kCloseCommand);

  // A first preview gets room for a page; a stored placement overrides this.
  SetSize(FromDIP(wxSize(800, 900)));
  return 0;
}

void InvoiceFrame::OnPrint(wxCommandEvent& /*event*/) {
  if (PrintView* view = GetActiveView()) view->OnFilePrint();
}
