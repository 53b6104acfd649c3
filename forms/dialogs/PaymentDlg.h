#pragma once

// Creates or edits one payment: amount, date, description, the invoice it
// settles, who paid and who received (each a company or an account). OK
// records the payment in the caller's change set; nothing is written to the
// database here. Opened through PaymentDlgLauncher.

#include <cstdint>
#include <string>

#include "forms/dialogs/PaymentEditor.h"
#include "common/ui/BaseDialog.h"
#include "common/ui/popup_menu.h"

class CBaseEdit;
class wxDatePickerCtrl;
class wxTextCtrl;

class PaymentDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 0,  // the template is known by its name, "Payment"
    kAmount = 1226,
    kDescription = 1228,
    kReference = 1230,
    kPayer = 1234,
    kPayerButton = 1235,
    kReceiver = 1236,
    kReceiverButton = 1237,
    kDate = 1240,
  };

  // The change set is the caller's and must outlive the dialog.
  PaymentDlg(ChangeSet* changeSet, int32_t paymentId, double amount, int32_t referenceId, int32_t payerId,
             int32_t receiverId, wxWindow* parent);

  // Builds the chooser menu and loads the payment; run by the first show.
  bool OnInitDialog();
  // Records the payment and ends with IDOK; a failure keeps the dialog open.
  void OnOK() override;
  // The "..." buttons: the chooser menu, then the search dialog.
  void ChooseParty(PaymentEditor::Side side);

  // Results after IDOK.
  int32_t GetPaymentId() const { return m_editor.GetPaymentId(); }
  double GetPaidOn() const { return m_editor.GetDate().GetDate(); }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  PaymentEditor& GetEditor() { return m_editor; }
  const popup_menu& GetChooserMenu() const { return m_menu; }

private:
  void CreateControls();

  PaymentEditor m_editor;
  std::wstring m_amountText;
  CBaseEdit* m_amount = nullptr;
  wxDatePickerCtrl* m_datePicker = nullptr;
  wxTextCtrl* m_description = nullptr;
  wxTextCtrl* m_reference = nullptr;
  wxTextCtrl* m_payer = nullptr;
  wxTextCtrl* m_receiver = nullptr;
  popup_menu m_menu;
  unsigned m_clientsCommand = 0;
  unsigned m_accountsCommand = 0;
  unsigned m_clearCommand = 0;
};
