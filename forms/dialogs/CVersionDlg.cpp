#include "forms/dialogs/CVersionDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "forms/dialogs/VersionInfo.h"
#include "common/ui/DialogUnits.h"

CVersionDlg::CVersionDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, L"About Corvane"),
      // Height 24 in pixels, bold.
      m_titleFont(wxFontInfo(wxSize(0, 24)).FaceName(L"Tahoma").Bold()) {
  DialogUnits du(this);
  SetClientSize(du.Size(200, 100));
  new wxStaticText(this, kProductName, L"Corvane", du.Point(7, 7), du.Size(186, 20));
  new wxStaticText(this, wxID_ANY, L"Program Version:", du.Point(7, 37), du.Size(70, 8));
  new wxTextCtrl(this, kProgramVersion, wxEmptyString, du.Point(80, 35), du.Size(113, 12), wxTE_READONLY);
  new wxStaticText(this, wxID_ANY, L"Database Version:", du.Point(7, 55), du.Size(70, 8));
  new wxTextCtrl(this, kDatabaseVersion, wxEmptyString, du.Point(80, 53), du.Size(113, 12), wxTE_READONLY);
  new wxButton(this, kCloseButton, L"Close", du.Point(143, 79), du.Size(50, 14));
  SetEscapeId(kCloseButton);
  SetAffirmativeId(kCloseButton);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (IsModal())
          EndModal(kCloseButton);
        else
          Hide();
      },
      kCloseButton);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool CVersionDlg::OnInitDialog() {
  m_databaseVersion = VersionInfo::DatabaseVersionText();
  m_programVersion = VersionInfo::FormatFileVersion(VersionInfo::ProgramFileVersion());
  TransferDataToWindow();
  if (wxWindow* title = FindWindow(kProductName)) title->SetFont(m_titleFont);
  return true;
}

bool CVersionDlg::TransferDataToWindow() {
  static_cast<wxTextCtrl*>(FindWindow(kProgramVersion))->ChangeValue(m_programVersion);
  static_cast<wxTextCtrl*>(FindWindow(kDatabaseVersion))->ChangeValue(m_databaseVersion);
  return true;
}
