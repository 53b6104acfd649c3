#pragma once

// The About box: the product name, the program's version and the database
// schema version the program works with. A plain dialog (not a BaseDialog).
//
//   CVersionDlg about(mainFrame);
//   about.DoModal();

#include <string>

#include <wx/dialog.h>
#include <wx/font.h>

class CVersionDlg : public wxDialog {
public:
  enum ControlId : int {
    kTemplateId = 135,
    kProgramVersion = 1190,
    kDatabaseVersion = 1191,
    kProductName = 1192,
    kCloseButton = 2,
  };

  explicit CVersionDlg(wxWindow* parent);

  int DoModal() { return ShowModal(); }
  // The two version texts and the title font; run by the first show.
  bool OnInitDialog();

  bool TransferDataToWindow() override;

  const std::wstring& GetProgramVersion() const { return m_programVersion; }
  const std::wstring& GetDatabaseVersion() const { return m_databaseVersion; }

private:
  std::wstring m_programVersion;
  std::wstring m_databaseVersion;
  wxFont m_titleFont;
};
