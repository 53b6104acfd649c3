#pragma once

// Base of the programs' dialogs. Controls are created in code with the
// system's control ids, placed in dialog units (DialogUnits); the buttons
// with ids IDOK (1) and IDCANCEL (2) end the dialog through OnOK / OnCancel,
// and DoModal returns that id. Data moves between controls and members in
// TransferDataToWindow / TransferDataFromWindow (or validators).
//
//   class TaxDlg : public BaseDialog {
//   public:
//     explicit TaxDlg(wxWindow* parent) : BaseDialog(IDD_TAX, parent, L"Tax") {
//       SetDialogClientSize(200, 80);
//       DialogUnits du(this);
//       m_rate = new CBaseEdit(this, IDC_RATE, kInputDecimal, kCheckNone, du.Point(60, 7), du.Size(60, 14));
//       new wxButton(this, IDOK, "OK", du.Point(90, 60), du.Size(50, 14));
//       new wxButton(this, IDCANCEL, "Cancel", du.Point(145, 60), du.Size(50, 14));
//     }
//     bool TransferDataToWindow() override;  // members to controls
//     bool TransferDataFromWindow() override;  // controls to members
//   };
//
// Tests drive a dialog without showing it: construct it, call
// TransferDataToWindow, set the controls, call OnOK and read GetReturnCode.
// While a dialog is modal its own event loop keeps the application's idle
// processing (and the preview library's idle work) running.

#include <cstdint>
#include <string>

#include <wx/dialog.h>

#include "common/ui/DialogUnits.h"

class BaseDialog : public wxDialog, public DataExchanger {
public:
  BaseDialog(uint32_t templateId, wxWindow* parent, const std::wstring& title = {},
             long style = wxDEFAULT_DIALOG_STYLE);

  uint32_t GetTemplateId() const { return m_templateId; }

  // Shows the dialog modally; the id that ended it (IDOK, IDCANCEL, ...).
  virtual int DoModal();
  // Ends a modal dialog with the result; a dialog that is not modal (under
  // test) keeps the result as its return code and hides.
  void EndDialog(int result);

  // The client area in dialog units.
  void SetDialogClientSize(int width, int height);

  bool UpdateData(bool save) override { return ExchangeWindowData(this, save); }

  // The OK button: validates, moves the controls to the members and ends
  // with IDOK. Cancel ends with IDCANCEL.
  virtual void OnOK();
  virtual void OnCancel();

  // Showing makes the IDOK button the default one, so that Return in a
  // field presses it, as it does in the system's dialogs.
  bool Show(bool show = true) override;

private:
  uint32_t m_templateId;
};
