#include "forms/items/StockLineDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/ui/ChosenTextBox.h"
#include "data/DbException.h"
#include "data/objects/PriceListDef.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/SearchDlg.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseSaveFrame.h"
#include "common/ui/CBaseEdit.h"

StockLineDlg::StockLineDlg(const StockLineDlgLayout& layout, std::unique_ptr<StockLineLogic> logic,
                           wxWindow* parent)
    : BaseDialog(layout.templateId, parent), m_logic(std::move(logic)) {
  CreateControls(layout);
}

StockLineDlg::~StockLineDlg() = default;

void StockLineDlg::CreateControls(const StockLineDlgLayout& layout) {
  SetDialogClientSize(232, 162);
  DialogUnits du(this);
  auto label = [&](const StockLineDlgLayout::Field& field, int y) {
    new wxStaticText(this, field.labelId, field.label, du.Point(7, y + 2), du.Size(50, 8));
  };
  auto percentSign = [&](int y) {
    new wxStaticText(this, wxID_ANY, L"%", du.Point(113, y + 2), du.Size(8, 8));
  };

  label(layout.item, 7);
  m_itemName =
      new wxTextCtrl(this, layout.item.id, wxEmptyString, du.Point(60, 7), du.Size(137, 12), wxTE_READONLY);
  m_itemButton = new wxButton(this, layout.itemButtonId, L"...", du.Point(200, 6), du.Size(25, 14));
  MakeChosenTextBox(m_itemName, m_itemButton, L"Choose the item with \"...\"");
  label(layout.type, 23);
  m_typeList = new wxChoice(this, layout.type.id, du.Point(60, 22), du.Size(90, 14));
  label(layout.quantity, 39);
  m_quantity = new CBaseEdit(this, layout.quantity.id, kInputDecimal, kCheckNone, du.Point(60, 39),
                             du.Size(70, 12), wxTE_RIGHT);
  m_unitList = new wxChoice(this, layout.unitListId, du.Point(135, 38), du.Size(90, 14));
  label(layout.pieces, 55);
  m_pieces = new CBaseEdit(this, layout.pieces.id, kInputText, kCheckNone, du.Point(60, 55), du.Size(70, 12),
                           wxTE_READONLY | wxTE_RIGHT);
  label(layout.price, 71);
  m_price =
      new CBaseEdit(this, layout.price.id, kInputDecimal, kCheckNone, du.Point(60, 71), du.Size(70, 12));
  label(layout.discount, 87);
  m_discount =
      new CBaseEdit(this, layout.discount.id, kInputText, kCheckNone, du.Point(60, 87), du.Size(50, 12));
  percentSign(87);
  label(layout.tax, 103);
  m_tax = new CBaseEdit(this, layout.tax.id, kInputDecimal, kCheckNone, du.Point(60, 103), du.Size(50, 12));
  percentSign(103);
  label(layout.total, 119);
  m_total = new CBaseEdit(this, layout.total.id, kInputText, kCheckNone, du.Point(60, 119), du.Size(70, 12),
                          wxTE_READONLY);
  // Amounts and quantities within the amount limit, a discount a percentage;
  // the computed pieces and total too, so that no line of 28 digits is kept.
  auto limit = [](CBaseEdit* edit, const StockLineDlgLayout::Field& field, double minimum, double maximum) {
    edit->SetLimits(FieldLimits::Decimal(FieldNameOfLabel(field.label), minimum, maximum));
  };
  for (auto [edit, field] : {std::pair{m_quantity, layout.quantity}, std::pair{m_pieces, layout.pieces},
                             std::pair{m_price, layout.price}, std::pair{m_tax, layout.tax},
                             std::pair{m_total, layout.total}})
    limit(edit, field, -kAmountLimit, kAmountLimit);
  limit(m_discount, layout.discount, 0.0, 100.0);
  auto* ok = new wxButton(this, platform::IDOK, L"OK", du.Point(120, 142), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(175, 142), du.Size(50, 14));
  ok->SetDefault();

  for (CBaseEdit* edit : {m_quantity, m_pieces, m_price, m_discount, m_tax})
    edit->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
      event.Skip();
      OnFieldChanged();
    });
  m_unitList->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnFieldChanged(); });
  m_typeList->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { TransferDataFromWindow(); });
  m_itemButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseAnotherItem(); });
}

bool StockLineDlg::OnInitDialog() {
  // Before the dialog shows, the item search and its messages belong to the parent.
  m_logic->SetOwner(IsShown() ? this : GetParent());
  const bool opened =
      m_logic->Open([this](const ItemSearchRequest& request) { return RunItemSearch(request); });
  m_logic->SetOwner(this);
  if (!opened) return false;
  SetTitle(m_logic->GetCaption());
  m_itemButton->Enable(m_logic->CanChooseItem());
  FillLists();
  m_initialised = true;
  TransferDataToWindow();
  return true;
}

int StockLineDlg::DoModal() {
  // A new line without an item ends at once, before anything is shown.
  if (!m_initialised && !OnInitDialog()) {
    SetReturnCode(platform::IDCANCEL);
    return platform::IDCANCEL;
  }
  return BaseDialog::DoModal();
}

void StockLineDlg::FillLists() {
  auto fill = [](wxChoice* list, const std::vector<StockListEntry>& entries) {
    list->Clear();
    for (const StockListEntry& entry : entries) list->Append(entry.text);
  };
  m_types = m_logic->GetTypes();
  fill(m_typeList, m_types);
  m_typeList->Enable(m_logic->IsTypeListEnabled());
  m_units = m_logic->GetUnits();
  fill(m_unitList, m_units);
}

void StockLineDlg::SelectCode(wxChoice* list, const std::vector<StockListEntry>& entries, int32_t code) {
  int selection = wxNOT_FOUND;
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].code == code) selection = static_cast<int>(i);
  if (list->GetSelection() != selection) list->SetSelection(selection);
}

void StockLineDlg::ShowAmount(CBaseEdit* edit, double value, bool evenWhileTyping) {
  if (!evenWhileTyping && wxWindow::FindFocus() == edit) return;
  // Only a changed text is written, so that no change notification echoes.
  const wxString text(FormatAmount(value));
  if (edit->GetValue() != text) edit->ChangeValue(text);
}

bool StockLineDlg::TransferDataToWindow() {
  const StockLineLogic& logic = *m_logic;
  if (m_itemName->GetValue() != logic.GetItemName()) m_itemName->ChangeValue(logic.GetItemName());
  SelectCode(m_typeList, m_types, logic.GetType());
  SelectCode(m_unitList, m_units, logic.GetUnit());
  ShowAmount(m_quantity, logic.GetQuantity(), false);
  ShowAmount(m_price, logic.GetPrice(), false);
  ShowAmount(m_discount, logic.GetDiscountPercent(), false);
  ShowAmount(m_tax, logic.GetTaxPercent(), false);
  ShowAmount(m_pieces, logic.GetPieces(), true);
  ShowAmount(m_total, logic.GetTotal(), true);
  return true;
}

bool StockLineDlg::TransferDataFromWindow() {
  StockLineLogic& logic = *m_logic;
  auto read = [](CBaseEdit* edit, double current) {
    return StockLineLogic::ReadAmount(edit->GetValue().ToStdWstring(), current);
  };
  if (const int type = m_typeList->GetSelection();
      type != wxNOT_FOUND && type < static_cast<int>(m_types.size()))
    logic.SetType(m_types[type].code);
  if (const int unit = m_unitList->GetSelection();
      unit != wxNOT_FOUND && unit < static_cast<int>(m_units.size()))
    logic.SetUnit(m_units[unit].code);
  logic.SetQuantity(read(m_quantity, logic.GetQuantity()));
  logic.SetPrice(read(m_price, logic.GetPrice()));
  logic.SetDiscountPercent(read(m_discount, logic.GetDiscountPercent()));
  logic.SetTaxPercent(read(m_tax, logic.GetTaxPercent()));
  logic.Recalculate();
  return true;
}

void StockLineDlg::OnFieldChanged() {
  if (!m_initialised) return;
  TransferDataFromWindow();
  TransferDataToWindow();
}

void StockLineDlg::ChooseAnotherItem() {
  TransferDataFromWindow();
  if (m_logic->ChooseAnotherItem([this](const ItemSearchRequest& request) { return RunItemSearch(request); }))
    FillLists();
  TransferDataToWindow();
}

int32_t StockLineDlg::RunItemSearch(const ItemSearchRequest& request) {
  return RunItemSearchDialog(request, IsShown() ? this : GetParent());
}

int32_t RunItemSearchDialog(const ItemSearchRequest& request, wxWindow* parent) {
  const Invoice::Searches::PriceListDef priceList(request.priceGroupId);
  std::unique_ptr<SearchDlg> search;
  if (request.presetIds.empty())
    search = std::make_unique<SearchDlg>(request.mode, &priceList, parent);
  else
    search = std::make_unique<SearchDlg>(request.mode, &request.presetIds, parent);
  return search->DoModal() == platform::IDOK ? search->GetChosenId() : 0;
}

void StockLineDlg::OnOK() {
  if (!CheckFieldLimits(this)) return;
  TransferDataFromWindow();
  const std::wstring refusal = m_logic->Validate();
  if (!refusal.empty()) {
    platform::ShowMessageBox(refusal, kAppCaption, platform::MB_ICONINFORMATION, this);
    return;
  }
  try {
    m_logic->Save();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}
