#include "forms/dialogs/OptionsDlg.h"

#include <wx/button.h>
#include <wx/notebook.h>

#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/OptionsPage1.h"
#include "platform/MessageBox.h"
#include "common/ui/CBaseEdit.h"

OptionsDlg::OptionsDlg(wxWindow* parent) : BaseDialog(kTemplateId, parent, L"Settings") {
  SetDialogClientSize(275, 221);
  DialogUnits du(this);
  m_tabs = new wxNotebook(this, kTabs, du.Point(7, 7), du.Size(261, 185));
  new wxButton(this, platform::IDOK, L"OK", du.Point(163, 199), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(218, 199), du.Size(50, 14));
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool OptionsDlg::OnInitDialog() {
  if (!m_page) {
    // The notebook sizes the page to its display area.
    m_page = new OptionsPage1(m_tabs);
    m_tabs->InsertPage(0, m_page, L"Main", true);
  }
  SetTitle(L"Settings");
  FindWindow(platform::IDOK)->SetLabel(L"OK");
  FindWindow(platform::IDCANCEL)->SetLabel(L"Cancel");
  m_page->OnInitDialog();
  return true;
}

void OptionsDlg::OnOK() {
  if (!m_page) {
    EndDialog(platform::IDOK);
    return;
  }
  if (!CheckFieldLimits(this)) return;
  m_page->TransferDataFromWindow();
  try {
    m_page->GetValues().Save();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}
