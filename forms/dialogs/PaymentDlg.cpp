#include "forms/dialogs/PaymentDlg.h"

#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/stattext.h>

#include "common/ui/ChosenTextBox.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

namespace {

// The picker holds a calendar day; the time of day the payment had is kept.
platform::OleDateTime WithDay(const platform::OleDateTime& date, const wxDateTime& day) {
  if (!day.IsValid()) return date;
  const platform::CivilTime time = date.GetCivil();
  return platform::OleDateTime(day.GetYear(), day.GetMonth() + 1, day.GetDay(), time.hour, time.minute,
                               time.second);
}

wxDateTime DayOf(const platform::OleDateTime& date) {
  if (!date.IsValid()) return wxDefaultDateTime;
  const platform::CivilTime time = date.GetCivil();
  return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(time.day),
                    static_cast<wxDateTime::Month>(time.month - 1), time.year);
}

}  // namespace

PaymentDlg::PaymentDlg(ChangeSet* changeSet, int32_t paymentId, double amount, int32_t referenceId,
                       int32_t payerId, int32_t receiverId, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Payment"),
      m_editor(changeSet, paymentId, amount, referenceId, payerId, receiverId),
      m_menu(10000) {
  CreateControls();
}

void PaymentDlg::CreateControls() {
  SetDialogClientSize(267, 128);
  DialogUnits du(this);
  new wxStaticText(this, wxID_ANY, L"Amount:", du.Point(7, 9), du.Size(40, 8));
  m_amount =
      new CBaseEdit(this, kAmount, kInputDecimal, kCheckNone, du.Point(50, 7), du.Size(80, 12), wxTE_RIGHT);
  new wxStaticText(this, wxID_ANY, L"Date:", du.Point(140, 9), du.Size(25, 8));
  m_datePicker = new wxDatePickerCtrl(this, kDate, wxDateTime::Today(), du.Point(170, 7), du.Size(90, 12),
                                      wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  new wxStaticText(this, wxID_ANY, L"Description:", du.Point(7, 25), du.Size(40, 8));
  m_amount->SetLimits(FieldLimits::Decimal(L"Amount", -kAmountLimit, kAmountLimit));
  auto* description = new CBaseEdit(this, kDescription, kInputText, kCheckNone, du.Point(50, 23),
                                    du.Size(210, 30), wxTE_MULTILINE);
  description->SetLimits(FieldLimits::Text(L"Description", 255));  // DESCRIPTION
  m_description = description;
  new wxStaticText(this, wxID_ANY, L"Reference:", du.Point(7, 60), du.Size(40, 8));
  m_reference =
      new wxTextCtrl(this, kReference, wxEmptyString, du.Point(50, 58), du.Size(210, 12), wxTE_READONLY);
  new wxStaticText(this, wxID_ANY, L"From:", du.Point(7, 76), du.Size(40, 8));
  m_payer = new wxTextCtrl(this, kPayer, wxEmptyString, du.Point(50, 74), du.Size(185, 12), wxTE_READONLY);
  MakeChosenTextBox(m_payer, new wxButton(this, kPayerButton, L"...", du.Point(238, 74), du.Size(22, 12)),
                    L"Choose the payer with \"...\"");
  new wxStaticText(this, wxID_ANY, L"To:", du.Point(7, 92), du.Size(40, 8));
  m_receiver =
      new wxTextCtrl(this, kReceiver, wxEmptyString, du.Point(50, 90), du.Size(185, 12), wxTE_READONLY);
  MakeChosenTextBox(m_receiver, new wxButton(this, kReceiverButton, L"...", du.Point(238, 90), du.Size(22, 12)),
                    L"Choose the receiver with \"...\"");
  new wxButton(this, platform::IDOK, L"OK", du.Point(155, 108), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(210, 108), du.Size(50, 14));

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseParty(PaymentEditor::Side::Payer); }, kPayerButton);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseParty(PaymentEditor::Side::Receiver); }, kReceiverButton);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool PaymentDlg::OnInitDialog() {
  if (!m_menu.GetMenu()) {
    m_menu.Create();
    m_clientsCommand = m_menu.AddItem(L"Clients");
    m_accountsCommand = m_menu.AddItem(L"Accounts");
    m_menu.AddSeparator();
    m_clearCommand = m_menu.AddItem(L"Clear");
  }
  try {
    m_editor.Load();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  TransferDataToWindow();
  return true;
}

bool PaymentDlg::TransferDataToWindow() {
  // While the user types the amount, the typed text stays as it is.
  if (wxWindow::FindFocus() != m_amount) m_amountText = FormatAmount(m_editor.GetAmount());
  m_amount->ChangeValue(m_amountText);
  if (const wxDateTime day = DayOf(m_editor.GetDate()); day.IsValid()) m_datePicker->SetValue(day);
  m_description->ChangeValue(m_editor.GetDescription());
  m_reference->ChangeValue(m_editor.GetReferenceText());
  m_payer->ChangeValue(m_editor.GetPartyText(PaymentEditor::Side::Payer));
  m_receiver->ChangeValue(m_editor.GetPartyText(PaymentEditor::Side::Receiver));
  return true;
}

bool PaymentDlg::TransferDataFromWindow() {
  m_amountText = m_amount->GetValue().ToStdWstring();
  m_editor.SetAmount(ParseAmount(m_amountText));
  m_editor.SetDescription(m_description->GetValue().ToStdWstring());
  m_editor.SetDate(WithDay(m_editor.GetDate(), m_datePicker->GetValue()));
  return true;
}

void PaymentDlg::ChooseParty(PaymentEditor::Side side) {
  TransferDataFromWindow();
  const int chosen = m_menu.Track(this, true);
  try {
    if (chosen == 0) return;
    if (chosen == static_cast<int>(m_clearCommand)) {
      m_editor.ClearParty(side);
    } else {
      const bool clients = chosen == static_cast<int>(m_clientsCommand);
      if (!clients && chosen != static_cast<int>(m_accountsCommand)) return;
      SearchDlg search(clients ? kSearchClients : kSearchAccounts, nullptr, this);
      if (search.DoModal() != platform::IDOK) return;
      m_editor.ChooseParty(side,
                           clients ? PaymentEditor::PartyKind::Client : PaymentEditor::PartyKind::Account,
                           search.GetChosenId());
    }
    TransferDataToWindow();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
}

void PaymentDlg::OnOK() {
  if (!CheckFieldLimits(this)) return;
  TransferDataFromWindow();
  try {
    m_editor.Save();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}
