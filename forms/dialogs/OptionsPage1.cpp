#include "forms/dialogs/OptionsPage1.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>

#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/MessageBox.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/ChosenTextBox.h"
#include "common/ui/DialogUnits.h"

namespace {

// Fills a drop-down list, each entry carrying its id, and selects the entry
// of the id (none when no entry has it).
void FillChoice(wxChoice* choice, const std::vector<OptionChoice>& entries, int32_t selectedId) {
  choice->Clear();
  for (const OptionChoice& entry : entries)
    choice->Append(entry.name, reinterpret_cast<void*>(static_cast<intptr_t>(entry.id)));
  int selected = wxNOT_FOUND;
  for (unsigned i = 0; i < choice->GetCount(); ++i)
    if (static_cast<int32_t>(reinterpret_cast<intptr_t>(choice->GetClientData(i))) == selectedId)
      selected = i;
  choice->SetSelection(selected);
}

// The id of the selected entry; 0 without a selection.
int32_t SelectedId(const wxChoice* choice) {
  const int selected = choice->GetSelection();
  if (selected == wxNOT_FOUND) return 0;
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(choice->GetClientData(selected)));
}

}  // namespace

OptionsPage1::OptionsPage1(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
  SetClientSize(DialogUnits(this).Size(251, 158));
  DialogUnits du(this);
  auto label = [&](int id, int y) {
    new wxStaticText(this, id, wxEmptyString, du.Point(7, y + 2), du.Size(100, 8));
  };
  label(kMyCompanyLabel, 7);
  m_myCompanyName =
      new wxTextCtrl(this, kMyCompanyName, wxEmptyString, du.Point(110, 7), du.Size(110, 12), wxTE_READONLY);
  auto* chooseMyCompany = new wxButton(this, kMyCompanyButton, L"...", du.Point(223, 7), du.Size(22, 12));
  // A newcomer has no company of his own yet: the box says how to get one.
  MakeChosenTextBox(m_myCompanyName, chooseMyCompany, kNoMyCompanyHint);
  m_myCompanyName->SetToolTip(kNoMyCompanyAdvice);
  chooseMyCompany->SetToolTip(kNoMyCompanyAdvice);
  label(kNextInvoiceNumLabel, 25);
  m_nextInvoiceNum =
      new CBaseEdit(this, kNextInvoiceNum, kInputText, kCheckNone, du.Point(110, 25), du.Size(60, 12));
  label(kNextIncomeInvoiceNumLabel, 43);
  m_nextIncomeInvoiceNum =
      new CBaseEdit(this, kNextIncomeInvoiceNum, kInputText, kCheckNone, du.Point(110, 43), du.Size(60, 12));
  // Whole numbers of their INTEGER settings, from 0 up.
  m_nextInvoiceNum->SetLimits(FieldLimits::Whole(L"Next Invoice num.", 0, kIntegerColumnMax));
  m_nextIncomeInvoiceNum->SetLimits(FieldLimits::Whole(L"Next Income Invoice num.", 0, kIntegerColumnMax));
  label(kIncomePriceListLabel, 61);
  m_incomePriceLists = new wxChoice(this, kIncomePriceList, du.Point(110, 61), du.Size(134, 12));
  label(kOutcomePriceListLabel, 79);
  m_outcomePriceLists = new wxChoice(this, kOutcomePriceList, du.Point(110, 79), du.Size(134, 12));
  label(kQuantityMethodLabel, 97);
  m_quantityMethods = new wxChoice(this, kQuantityMethod, du.Point(110, 97), du.Size(134, 12));
  new wxStaticText(this, wxID_ANY, L"Default Template:", du.Point(7, 117), du.Size(100, 8));
  m_templates =
      new wxChoice(this, kDefaultTemplate, du.Point(110, 115), du.Size(134, 12), wxArrayString(), wxCB_SORT);

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseMyCompany(); }, kMyCompanyButton);
}

bool OptionsPage1::OnInitDialog() {
  FindWindow(kMyCompanyLabel)->SetLabel(L"&My Company Name:");
  FindWindow(kNextInvoiceNumLabel)->SetLabel(L"&Next Invoice num.:");
  FindWindow(kNextIncomeInvoiceNumLabel)->SetLabel(L"Next Income Invoice num.:");
  FindWindow(kIncomePriceListLabel)->SetLabel(L"Default &Income Price List:");
  FindWindow(kOutcomePriceListLabel)->SetLabel(L"Default &Outcome Price List:");
  FindWindow(kQuantityMethodLabel)->SetLabel(L"&The Quantity is expressed in:");
  try {
    m_values.Load();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  TransferDataToWindow();
  return true;
}

bool OptionsPage1::TransferDataToWindow() {
  m_myCompanyName->ChangeValue(m_values.myCompanyName);
  m_nextInvoiceNum->ChangeValue(OptionsValues::FormatNumber(m_values.nextInvoiceNum));
  m_nextIncomeInvoiceNum->ChangeValue(OptionsValues::FormatNumber(m_values.nextIncomeInvoiceNum));
  FillChoice(m_incomePriceLists, m_values.incomePriceLists, m_values.incomePriceListId);
  FillChoice(m_outcomePriceLists, m_values.outcomePriceLists, m_values.outcomePriceListId);
  FillChoice(m_quantityMethods, m_values.quantityMethods, m_values.quantityMethod);
  FillChoice(m_templates, m_values.templates, m_values.defaultTemplateId);
  return true;
}

bool OptionsPage1::TransferDataFromWindow() {
  m_values.nextInvoiceNum = OptionsValues::ParseNumber(m_nextInvoiceNum->GetValue().ToStdWstring());
  m_values.nextIncomeInvoiceNum =
      OptionsValues::ParseNumber(m_nextIncomeInvoiceNum->GetValue().ToStdWstring());
  m_values.incomePriceListId = SelectedId(m_incomePriceLists);
  m_values.outcomePriceListId = SelectedId(m_outcomePriceLists);
  m_values.quantityMethod = SelectedId(m_quantityMethods);
  m_values.defaultTemplateId = SelectedId(m_templates);
  return true;
}

void OptionsPage1::OnChooseMyCompany() {
  TransferDataFromWindow();
  try {
    SearchDlg search(kSearchClients, nullptr, this);
    if (search.DoModal() != platform::IDOK) return;
    m_values.ChooseMyCompany(search.GetChosenId());
    TransferDataToWindow();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
}
