#include "forms/invoice/InvoiceForm.h"

#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "common/FieldMap.h"
#include "data/DbException.h"
#include "data/objects/Template.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/invoice/InvoiceFieldMapBuilder.h"
#include "forms/invoice/InvoiceFormDialogs.h"
#include "forms/invoice/InvoiceFrame.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceLinesList.h"
#include "forms/invoice/InvoiceSaveSequence.h"
#include "platform/MessageBox.h"
#include "shell/InvoicesView.h"
#include "shell/PreviewManager.h"
#include "shell/ui/StaleSave.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/ChosenTextBox.h"

namespace {

// Where the controls sit in the form's 313 x 269 dialog units.
struct Place {
  int x, y, width, height;
};

// The anchors: how each control follows the form's size (left, top, right,
// bottom edge, in percent of the change).
struct Anchor {
  std::initializer_list<int> ids;
  int left, top, right, bottom;
};

const Anchor kAnchors[] = {
    {{InvoiceForm::kFromLabel, InvoiceForm::kSupplierName, InvoiceForm::kFromMyCompany,
      InvoiceForm::kFromAddresses, InvoiceForm::kFromAddress},
     0,
     0,
     50,
     0},
    {{InvoiceForm::kChooseSupplier}, 50, 0, 50, 0},
    {{InvoiceForm::kToLabel, InvoiceForm::kClientName, InvoiceForm::kToMyCompany, InvoiceForm::kToAddresses,
      InvoiceForm::kToAddress, InvoiceForm::kFrameRight},
     50,
     0,
     100,
     0},
    {{InvoiceForm::kChooseClient}, 100, 0, 100, 0},
    {{InvoiceForm::kDateLabel, InvoiceForm::kPaid, InvoiceForm::kDaysLabel, InvoiceForm::kTemplateLabel},
     0,
     0,
     25,
     0},
    {{InvoiceForm::kDate, InvoiceForm::kPaidDate, InvoiceForm::kDays, InvoiceForm::kTemplate}, 25, 0, 50, 0},
    {{InvoiceForm::kWithoutTaxLabel, InvoiceForm::kDiscountPercentLabel, InvoiceForm::kDiscountLabel,
      InvoiceForm::kTaxLabel, InvoiceForm::kTotalLabel},
     50,
     0,
     75,
     0},
    {{InvoiceForm::kWithoutTax, InvoiceForm::kDiscountPercent, InvoiceForm::kDiscount, InvoiceForm::kTax,
      InvoiceForm::kTotal},
     75,
     0,
     100,
     0},
    {{InvoiceForm::kFrameTop, InvoiceForm::kFrameBottom}, 0, 0, 100, 0},
    {{InvoiceForm::kLines}, 0, 0, 100, 100},
};

// A picker shows the date part; the time of day the form holds is kept.
wxDateTime ToPicker(const platform::OleDateTime& date) {
  if (!date.IsValid()) return wxDateTime::Today();
  const platform::CivilTime civil = date.GetCivil();
  return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(civil.day),
                    static_cast<wxDateTime::Month>(civil.month - 1), civil.year);
}

platform::OleDateTime FromPicker(const wxDateTime& picked, const platform::OleDateTime& held) {
  if (!picked.IsValid()) return held;
  const platform::CivilTime time = held.IsValid() ? held.GetCivil() : platform::CivilTime{};
  const int year = picked.GetYear();
  const int month = static_cast<int>(picked.GetMonth()) + 1;
  const int day = picked.GetDay();
  if (held.IsValid() && time.year == year && time.month == month && time.day == day) return held;
  return platform::OleDateTime(year, month, day, time.hour, time.minute, time.second);
}

}  // namespace

InvoiceForm::InvoiceForm(wxWindow* frame)
    : wxPanel(frame, kTemplateId, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), m_menu(10000) {
  SetClientSize(DialogUnits(this).Size(313, 269));
  CreateControls();
  BindEvents();
}

InvoiceForm::~InvoiceForm() = default;

void InvoiceForm::CreateControls() {
  const DialogUnits du(this);
  auto label = [&](int id, Place p) {
    new wxStaticText(this, id, L"", du.Point(p.x, p.y), du.Size(p.width, p.height));
  };
  auto choice = [&](int id, Place p, long style = 0) {
    return new wxChoice(this, id, du.Point(p.x, p.y), du.Size(p.width, p.height), 0, nullptr, style);
  };
  auto text = [&](int id, Place p, long style) {
    return new wxTextCtrl(this, id, L"", du.Point(p.x, p.y), du.Size(p.width, p.height), style);
  };
  // An address block holds what DISPLAY_BOX holds; a longer one is refused on saving.
  auto addressBlock = [&](int id, Place p, const wchar_t* name) {
    auto* block = new CBaseEdit(this, id, kInputText, kCheckNone, du.Point(p.x, p.y),
                                du.Size(p.width, p.height), wxTE_MULTILINE);
    block->SetLimits(FieldLimits::Text(name, 400));
    return block;
  };
  auto amount = [&](int id, Place p, uint32_t inputType, long style) {
    return new CBaseEdit(this, id, inputType, kCheckNone, du.Point(p.x, p.y), du.Size(p.width, p.height),
                         wxTE_RIGHT | style);
  };
  auto line = [&](int id, Place p) {
    new wxStaticLine(this, id, du.Point(p.x, p.y), du.Size(p.width, p.height), wxLI_HORIZONTAL);
  };

  // The two parties: From on the left half, To on the right one.
  label(kFromLabel, {7, 5, 60, 8});
  m_fromMyCompany = choice(kFromMyCompany, {7, 15, 145, 14}, wxCB_SORT);
  m_supplierName = text(kSupplierName, {7, 15, 121, 13}, wxTE_READONLY);
  m_chooseSupplier = new wxButton(this, kChooseSupplier, L"...", du.Point(130, 15), du.Size(22, 13));
  m_fromAddresses = choice(kFromAddresses, {7, 31, 145, 14});
  m_fromAddress = addressBlock(kFromAddress, {7, 47, 145, 46}, L"From");
  label(kToLabel, {162, 5, 60, 8});
  m_toMyCompany = choice(kToMyCompany, {162, 15, 144, 14}, wxCB_SORT);
  m_clientName = text(kClientName, {162, 15, 120, 13}, wxTE_READONLY);
  m_chooseClient = new wxButton(this, kChooseClient, L"...", du.Point(284, 15), du.Size(22, 13));
  MakeChosenTextBox(m_supplierName, m_chooseSupplier, L"Choose the supplier with \"...\"");
  MakeChosenTextBox(m_clientName, m_chooseClient, L"Choose the client with \"...\"");
  m_toAddresses = choice(kToAddresses, {162, 31, 144, 14});
  m_toAddress = addressBlock(kToAddress, {162, 47, 144, 46}, L"To");
  line(kFrameTop, {7, 97, 299, 1});

  m_title = new wxStaticText(this, kTitle, L"", du.Point(7, 100), du.Size(299, 18), wxST_NO_AUTORESIZE);

  // Dates, payment, delay and template on the left; the footer on the right.
  label(kDateLabel, {7, 124, 70, 8});
  m_date = new wxDatePickerCtrl(this, kDate, wxDefaultDateTime, du.Point(80, 122), du.Size(72, 13),
                                wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  m_paid = new wxCheckBox(this, kPaid, L"", du.Point(7, 139), du.Size(70, 10));
  m_paidDate = new wxDatePickerCtrl(this, kPaidDate, wxDefaultDateTime, du.Point(80, 138), du.Size(72, 13),
                                    wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  label(kDaysLabel, {7, 156, 70, 8});
  m_days = choice(kDays, {80, 154, 72, 14});
  label(kTemplateLabel, {7, 172, 70, 8});
  m_templates = choice(kTemplate, {80, 170, 72, 14});

  line(kFrameRight, {162, 119, 144, 1});
  label(kWithoutTaxLabel, {162, 124, 70, 8});
  m_withoutTax = amount(kWithoutTax, {236, 122, 70, 13}, kInputText, wxTE_READONLY);
  label(kDiscountPercentLabel, {162, 140, 70, 8});
  m_discountPercent = amount(kDiscountPercent, {236, 138, 70, 13}, kInputDecimal, 0);
  m_discountPercent->SetLimits(FieldLimits::Decimal(L"Discount (%)", 0.0, 100.0));
  label(kDiscountLabel, {162, 156, 70, 8});
  m_discount = amount(kDiscount, {236, 154, 70, 13}, kInputText, wxTE_READONLY);
  label(kTaxLabel, {162, 172, 70, 8});
  m_tax = amount(kTax, {236, 170, 70, 13}, kInputText, wxTE_READONLY);
  label(kTotalLabel, {162, 188, 70, 10});
  m_totalLabel = static_cast<wxStaticText*>(FindWindow(kTotalLabel));
  m_total = amount(kTotal, {236, 186, 70, 13}, kInputText, wxTE_READONLY);
  line(kFrameBottom, {7, 203, 299, 1});

  m_grid = new InvoiceLinesList(this, kLines, du.Point(7, 207), du.Size(299, 56));
}

void InvoiceForm::BindEvents() {
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    m_anchors.Arrange();
  });

  // Edits that only mark the invoice modified.
  auto modifies = [this](wxCommandEvent&) {
    if (!m_loading) MarkModified();
  };
  Bind(wxEVT_CHOICE, modifies, kDays);
  Bind(wxEVT_CHOICE, modifies, kTemplate);
  Bind(wxEVT_TEXT, modifies, kToAddress);
  Bind(wxEVT_TEXT, modifies, kFromAddress);
  Bind(
      wxEVT_DATE_CHANGED, [this](wxDateEvent&) { MarkModified(); }, kDate);
  Bind(
      wxEVT_DATE_CHANGED, [this](wxDateEvent&) { MarkModified(); }, kPaidDate);

  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnPaidClicked(); }, kPaid);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnMyCompanyChosen(m_header.from, m_fromMyCompany); },
      kFromMyCompany);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnMyCompanyChosen(m_header.to, m_toMyCompany); }, kToMyCompany);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnAddressChosen(m_header.to, m_toAddresses, m_toAddress); },
      kToAddresses);
  Bind(
      wxEVT_CHOICE,
      [this](wxCommandEvent&) { OnAddressChosen(m_header.from, m_fromAddresses, m_fromAddress); },
      kFromAddresses);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseClient(); }, kChooseClient);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseSupplier(); }, kChooseSupplier);
  Bind(
      wxEVT_TEXT, [this](wxCommandEvent&) { OnDiscountChanged(); }, kDiscountPercent);

  m_grid->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (HasOneLineSelected()) OnLineProperties();
  });
  m_grid->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { ShowLinesMenu(); });

  // The frame's commands reach the form first.
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnNewLine(); }, ID_NEW_LINE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnLineProperties(); }, ID_LINE_PROPERTIES);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnDeleteLines(); }, ID_DELETE_LINES);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SaveInvoice(); }, ID_SAVE_INVOICE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnPreview(); }, ID_PREVIEW_INVOICE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { OnPrint(); }, ID_PRINT_INVOICE);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanSave()); }, ID_SAVE_INVOICE);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(HasOneLineSelected()); },
      ID_LINE_PROPERTIES);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(HasLinesSelected()); }, ID_DELETE_LINES);
}

void InvoiceForm::SetUpAnchors() {
  m_anchors.SetUp(this);
  for (const Anchor& anchor : kAnchors)
    for (int id : anchor.ids) m_anchors.AddControl(id, anchor.left, anchor.top, anchor.right, anchor.bottom);
  m_anchors.Arrange();
}

void InvoiceForm::OnInitialUpdate() {
  SetUpAnchors();
  InitControls();
  LoadInvoice();
  UpdateData(false);
}

void InvoiceForm::InitControls() {
  const std::pair<int, const wchar_t*> labels[] = {
      {kToLabel, L"To:"},
      {kFromLabel, L"From:"},
      {kDateLabel, L"Date:"},
      {kDaysLabel, L"Allowed Delay:"},
      {kTemplateLabel, L"Template:"},
      {kWithoutTaxLabel, L"Without Tax:"},
      {kDiscountPercentLabel, L"Discount (%):"},
      {kDiscountLabel, L"Discount:"},
      {kTaxLabel, L"Tax:"},
      {kTotalLabel, L"Total:"},
  };
  for (const auto& [id, text] : labels) FindWindow(id)->SetLabel(text);
  m_paid->SetLabel(L"Paid");

  m_grid->InsertColumns();

  m_titleFont = m_title->GetFont();
  m_titleFont.SetPointSize(m_titleFont.GetPointSize() * 2);
  m_titleFont.SetWeight(wxFONTWEIGHT_BOLD);
  m_title->SetFont(m_titleFont);
  m_title->SetForegroundColour(wxColour(0, 0, 180));
  m_totalFont = m_totalLabel->GetFont();
  m_totalFont.SetPointSize(m_totalFont.GetPointSize() + 1);
  m_totalFont.SetWeight(wxFONTWEIGHT_BOLD);
  for (wxWindow* window : {static_cast<wxWindow*>(m_totalLabel), static_cast<wxWindow*>(m_total)}) {
    window->SetFont(m_totalFont);
    window->SetForegroundColour(wxColour(255, 100, 100));
  }

  m_menu.Create();
  m_menuNew = m_menu.AddItem(L"New Item");
  m_menuDelete = m_menu.AddItem(L"Delete");
  m_menuProperties = m_menu.AddItem(L"Properties");
}

InvoiceFrame* InvoiceForm::GetInvoiceFrame() {
  return dynamic_cast<InvoiceFrame*>(GetParentFrame());
}

void InvoiceForm::MarkModified() {
  MarkFrameModified(this);
}

void InvoiceForm::ShowError(const std::wstring& text) {
  platform::ShowMessageBox(text, kAppCaption, platform::MB_ICONERROR);
}

bool InvoiceForm::TransferDataToWindow() {
  m_title->SetLabel(m_header.titleText);
  m_clientName->ChangeValue(m_header.to.name);
  m_supplierName->ChangeValue(m_header.from.name);
  m_withoutTax->ChangeValue(FormatAmount(m_totals.withoutTax));
  // A percentage being typed is not reformatted under the user's fingers.
  if (FindFocus() != m_discountPercent)
    m_discountPercent->ChangeValue(FormatAmount(m_header.discountPercent));
  m_discount->ChangeValue(FormatAmount(m_totals.discount));
  m_tax->ChangeValue(FormatAmount(m_totals.tax));
  m_total->ChangeValue(FormatAmount(m_totals.total));
  m_date->SetValue(ToPicker(m_header.date));
  m_paidDate->SetValue(ToPicker(m_header.paidDate));
  return true;
}

bool InvoiceForm::TransferDataFromWindow() {
  auto read = [](const wxTextCtrl* control) { return ParseAmount(control->GetValue().ToStdWstring()); };
  m_totals.withoutTax = read(m_withoutTax);
  m_header.discountPercent = read(m_discountPercent);
  m_totals.discount = read(m_discount);
  m_totals.tax = read(m_tax);
  m_totals.total = read(m_total);
  m_header.date = FromPicker(m_date->GetValue(), m_header.date);
  m_header.paidDate = FromPicker(m_paidDate->GetValue(), m_header.paidDate);
  m_header.paid = m_paid->GetValue();
  m_header.to.addressText = m_toAddress->GetValue().ToStdWstring();
  m_header.from.addressText = m_fromAddress->GetValue().ToStdWstring();
  m_header.days.Select(m_days->GetSelection());
  m_header.templates.Select(m_templates->GetSelection());
  return true;
}

void InvoiceForm::LoadInvoice() {
  InvoiceFrame* frame = GetInvoiceFrame();
  if (!frame) return;
  m_loading = true;
  try {
    m_header.LoadInvoice(frame->GetInvoiceId(), frame->GetCompanyId(), frame->IsIncome());
    m_toAddress->ChangeValue(m_header.to.addressText);
    m_fromAddress->ChangeValue(m_header.from.addressText);
    m_paid->SetValue(m_header.paid);
    m_paidDate->Enable(m_header.paid);

    RefreshLines(false);
    m_header.FillChoices();
    ShowAddress(m_header.to, m_toAddresses, m_toAddress);
    ShowAddress(m_header.from, m_fromAddresses, m_fromAddress);
    ShowChoices(m_days, m_header.days);
    ShowChoices(m_templates, m_header.templates);

    frame->SetTitle(m_header.GetCaption());
    ShowPartyControls();
    frame->SetModified(false);
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
  TransferDataToWindow();
  m_loading = false;
}

void InvoiceForm::ShowChoices(wxChoice* control, const ChoiceList& choices) {
  control->Clear();
  for (const Choice& choice : choices.Items())
    control->Append(choice.text, reinterpret_cast<void*>(static_cast<intptr_t>(choice.data)));
  // A sorted list orders its entries itself: there the entry is found by its data.
  const int selection = choices.GetSelection();
  int shown = selection;
  if (selection >= 0 && control->HasFlag(wxCB_SORT)) {
    shown = wxNOT_FOUND;
    for (unsigned index = 0; index < control->GetCount(); ++index) {
      if (reinterpret_cast<intptr_t>(control->GetClientData(index)) == choices.Items()[selection].data)
        shown = static_cast<int>(index);
    }
  }
  control->SetSelection(shown);
}

void InvoiceForm::ShowAddress(const InvoiceParty& party, wxChoice* addresses, wxTextCtrl* text) {
  ShowChoices(addresses, party.addresses);
  text->ChangeValue(party.addressText);
  text->SetEditable(!party.addressReadOnly);
}

void InvoiceForm::ShowPartyControls() {
  m_header.FillMyCompany();
  const bool income = m_header.IsIncome();
  m_supplierName->Show(income);
  m_chooseSupplier->Show(income);
  m_toMyCompany->Show(income);
  m_clientName->Show(!income);
  m_chooseClient->Show(!income);
  m_fromMyCompany->Show(!income);
  if (income)
    ShowChoices(m_toMyCompany, m_header.to.myCompany);
  else
    ShowChoices(m_fromMyCompany, m_header.from.myCompany);
}

void InvoiceForm::RefreshLines(bool fromChangeSet) {
  m_grid->Refill([this, fromChangeSet](BaseListRows& rows) {
    if (fromChangeSet)
      InvoiceLines::AppendChangeSetRows(m_lines, m_header.IsIncome(), rows);
    else
      InvoiceLines::AppendStoredRows(m_header.invoice, m_header.IsIncome(), m_lines, rows);
  });
  RecalcTotals();
  UpdateData(false);
}

void InvoiceForm::RecalcTotals() {
  m_totals = InvoiceTotals::Compute(*m_grid, m_header.discountPercent, AmountFormat::User());
}

bool InvoiceForm::CanSave() const {
  auto* frame = dynamic_cast<const BaseSaveFrame*>(wxGetTopLevelParent(const_cast<InvoiceForm*>(this)));
  return frame && frame->IsModified();
}

bool InvoiceForm::HasOneLineSelected() const {
  return m_grid->GetSelectedRows().size() == 1;
}

bool InvoiceForm::HasLinesSelected() const {
  return !m_grid->GetSelectedRows().empty();
}

void InvoiceForm::OnNewLine() {
  UpdateData(true);
  RunLineDialog(0);
}

void InvoiceForm::OnLineProperties() {
  const std::vector<long> selected = m_grid->GetSelectedRows();
  if (selected.size() != 1) return;
  // The grid's rebuild writes the form's values back into the controls:
  // read what the user has set first.
  UpdateData(true);
  const int32_t lineId = m_grid->GetRow(selected.front()).GetObjectId();
  if (lineId != 0) RunLineDialog(lineId);
}

void InvoiceForm::RunLineDialog(int32_t lineId) {
  const InvoiceLineRequest request{lineId, m_header.IsIncome(), m_header.linePriceListId,
                                   m_header.lineDiscountPercent};
  try {
    if (!InvoiceFormDialogs::EditLine(request, m_lines, this)) return;
    RefreshLines(true);
    MarkModified();
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
}

void InvoiceForm::OnDeleteLines() {
  const std::vector<long> selected = m_grid->GetSelectedRows();
  if (selected.empty() || !dialogs::ConfirmDelete(this)) return;
  UpdateData(true);
  std::vector<int32_t> lineIds;
  for (long row : selected) lineIds.push_back(m_grid->GetRow(row).GetObjectId());
  bool removed = false;
  try {
    for (int32_t lineId : lineIds) {
      // A stored line is marked deleted, one added since the last save dropped.
      if (const Invoice::Object* line = m_lines.Find(lineId)) {
        m_lines.Remove(*line);
        removed = true;
      }
    }
    if (!removed) return;
    RefreshLines(true);
    MarkModified();
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
}

void InvoiceForm::ShowLinesMenu() {
  const size_t selected = m_grid->GetSelectedRows().size();
  m_menu.EnableItem(m_menuNew, true);
  m_menu.EnableItem(m_menuDelete, selected >= 1);
  m_menu.EnableItem(m_menuProperties, selected == 1);
  const unsigned chosen = static_cast<unsigned>(m_menu.Track(this, true));
  if (chosen == 0) return;
  if (chosen == m_menuNew)
    OnNewLine();
  else if (chosen == m_menuDelete)
    OnDeleteLines();
  else if (chosen == m_menuProperties)
    OnLineProperties();
}

void InvoiceForm::OnDiscountChanged() {
  if (m_loading) return;
  UpdateData(true);
  MarkModified();
  RecalcTotals();
  UpdateData(false);
}

void InvoiceForm::OnPaidClicked() {
  MarkModified();
  m_header.paid = m_paid->GetValue();
  m_paidDate->Enable(m_header.paid);
  if (m_header.paid) {
    m_header.paidDate = platform::OleDateTime::Now();
    m_paidDate->SetValue(ToPicker(m_header.paidDate));
  }
}

void InvoiceForm::OnMyCompanyChosen(InvoiceParty& party, wxChoice* control) {
  const int index = control->GetSelection();
  party.myCompany.Select(wxNOT_FOUND);
  if (index != wxNOT_FOUND) {
    const auto data = static_cast<int32_t>(reinterpret_cast<intptr_t>(control->GetClientData(index)));
    party.myCompany.Select(party.myCompany.FindData(data));
  }
  m_header.ChooseMyCompany(party);
  MarkModified();
}

void InvoiceForm::OnAddressChosen(InvoiceParty& party, wxChoice* addresses, wxTextCtrl* text) {
  UpdateData(true);
  party.addresses.Select(addresses->GetSelection());
  try {
    m_header.ChooseAddress(party);
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
  text->ChangeValue(party.addressText);
  text->SetEditable(!party.addressReadOnly);
  UpdateData(false);
  MarkModified();
}

void InvoiceForm::OnChooseClient() {
  OnChooseCompany(true);
}

void InvoiceForm::OnChooseSupplier() {
  OnChooseCompany(false);
}

void InvoiceForm::OnChooseCompany(bool client) {
  UpdateData(true);
  const std::optional<int32_t> chosen = InvoiceFormDialogs::ChooseCompany(GetInvoiceFrame());
  if (!chosen) return;
  try {
    if (client)
      m_header.ChooseClient(*chosen);
    else
      m_header.ChooseSupplier(*chosen);
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
  UpdateData(false);
  if (client)
    ShowAddress(m_header.to, m_toAddresses, m_toAddress);
  else
    ShowAddress(m_header.from, m_fromAddresses, m_fromAddress);
  MarkModified();
}

void InvoiceForm::SaveInvoice() {
  InvoiceFrame* frame = GetInvoiceFrame();
  if (!frame || !CheckFieldLimits(this) || !UpdateData(true)) return;
  InvoiceSaveResult result;
  try {
    result = InvoiceSaveSequence::Save(m_header, m_totals, m_lines);
    frame->SetModified(false);
    InvoiceSaveSequence::Broadcast(result);
    frame->SetInvoiceId(result.invoiceId);
  } catch (const Invoice::StaleRowException& refusal) {
    // Saving the same edits again would be refused again: the way on is the
    // invoice as stored now, with the change made again on it.
    if (AskToLoadAfterStaleSave(refusal, this)) LoadInvoice();
    return;
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
    return;
  }
  const std::wstring savedNumber = m_header.numberText;
  LoadInvoice();
  if (!result.takenNumber.empty())
    platform::ShowMessageBox(NumberTakenMessage(result.takenNumber, savedNumber), kAppCaption,
                             platform::MB_ICONINFORMATION);
}

void InvoiceForm::BuildPrintData(FieldMap& out) {
  UpdateData(true);
  out = InvoiceFieldMapBuilder::Build(m_header, m_totals, *m_grid);
}

void InvoiceForm::OnPreview() {
  PrintWith(true);
}

void InvoiceForm::OnPrint() {
  PrintWith(false);
}

void InvoiceForm::PrintWith(bool preview) {
  try {
    UpdateData(true);
    const int32_t templateId = m_header.GetPrintTemplateId();
    if (templateId == 0) {
      // Neither the invoice nor the settings name a template: say so, as the
      // invoices list does, rather than doing nothing.
      platform::ShowMessageBox(kNoTemplateMessage, kAppCaption, platform::MB_ICONINFORMATION);
      return;
    }
    const std::wstring path = Invoice::Template(templateId).GetFileName();
    FieldMap data;
    BuildPrintData(data);
    const std::wstring title = m_header.GetCaption();
    if (preview)
      CallShowInvoicePreview(title, path, data);
    else
      CallPrintInvoice(title, path, data);
  } catch (const Invoice::DbException& error) {
    ShowError(error.GetText());
  }
}
