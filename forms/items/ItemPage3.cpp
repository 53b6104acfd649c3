#include "forms/items/ItemPage3.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/ui/ChosenTextBox.h"
#include "data/DbException.h"
#include "data/objects/ItemGroup.h"
#include "data/objects/Measurement.h"
#include "data/objects/Tax.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemGroupsDlg.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

namespace {

ItemPage3::GroupChooser& ChooserOverride() {
  static ItemPage3::GroupChooser chooser;
  return chooser;
}

}  // namespace

void ItemPage3::SetGroupChooserOverride(GroupChooser chooser) {
  ChooserOverride() = std::move(chooser);
}

ItemPage3::ItemPage3(wxWindow* parent) : ItemPage(kTemplateId, parent) {
  SetTemplateSize(237, 161);
  DialogUnits du(this);
  int y = 10;
  auto label = [&](int id, const wchar_t* text) {
    new wxStaticText(this, id, text, du.Point(3, y + 2), du.Size(82, 8));
  };
  label(kNameLabel, L"&Item:");
  auto* name = new CBaseEdit(this, kName, kInputText, kCheckNone, du.Point(88, y), du.Size(140, 12));
  // ITEMS.NAME; the lists and the invoices know the item by it.
  name->SetLimits(FieldLimits::RequiredText(L"Item", 100));
  m_name = name;
  y += 14;
  label(kGroupLabel, L"&Group:");
  m_groupName = new wxTextCtrl(this, kGroupName, wxEmptyString, du.Point(88, y), du.Size(118, 12), wxTE_READONLY);
  MakeChosenTextBox(m_groupName, new wxButton(this, kChooseGroup, L"...", du.Point(209, y - 1), du.Size(19, 14)),
                    L"Choose the group with \"...\"");
  y += 14;
  label(kCodeLabel, L"&Code:");
  m_code = new wxTextCtrl(this, kCode, wxEmptyString, du.Point(88, y), du.Size(140, 12));
  m_code->SetMaxLength(50);  // ITEMS.CODE
  y += 14;
  label(kPiecesLabel, L"Pieces in Package:");
  m_pieces = new CBaseEdit(this, kPieces, kInputInteger, kCheckNone, du.Point(88, y), du.Size(140, 12), wxTE_RIGHT);
  y += 14;
  label(kBaseUnitLabel, L"Base Unit:");
  m_baseUnit =
      new CBaseEdit(this, kBaseUnit, kInputDecimal, kCheckNone, du.Point(88, y), du.Size(140, 12), wxTE_RIGHT);
  y += 14;
  label(kMeasurementLabel, L"&Measurement:");
  m_measurement = new wxChoice(this, kMeasurement, du.Point(88, y), du.Size(140, 14));
  y += 14;
  label(kTaxLabel, L"&Tax:");
  m_tax = new wxChoice(this, kTax, du.Point(88, y), du.Size(140, 14));
  y += 14;
  label(kIncomeTypeLabel, L"Default Income Type:");
  m_incomeType = new wxChoice(this, kIncomeType, du.Point(88, y), du.Size(140, 14));

  SetUpAnchors();
  for (int id : {kNameLabel, kGroupLabel, kCodeLabel, kPiecesLabel, kBaseUnitLabel, kMeasurementLabel, kTaxLabel,
                 kIncomeTypeLabel})
    GetAnchors().AddControl(id, 0, 0, 30, 0);
  for (int id : {kName, kCode, kPieces, kBaseUnit, kMeasurement, kTax, kIncomeType})
    GetAnchors().AddControl(id, 35, 0, 100, 0);
  GetAnchors().AddControl(kGroupName, 35, 0, 90, 0);
  GetAnchors().AddControl(kChooseGroup, 90, 0, 90, 0);

  for (wxTextCtrl* edit : {m_name, m_code, static_cast<wxTextCtrl*>(m_pieces), static_cast<wxTextCtrl*>(m_baseUnit)})
    edit->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
      event.Skip();
      OnEdited();
    });
  for (wxChoice* list : {m_measurement, m_tax, m_incomeType})
    list->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnEdited(); });
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseGroup(); }, kChooseGroup);

  // A group has no code, no pieces in package and no base unit.
  if (IsGroup())
    for (wxWindow* edit : std::initializer_list<wxWindow*>{m_code, m_pieces, m_baseUnit}) edit->Disable();
  LoadData();
  TransferDataToWindow();
}

void ItemPage3::OnEdited() {
  if (!m_loading) MarkModified();
}

void ItemPage3::LoadData() {
  const ItemFrame* frame = GetItemFrame();
  try {
    if (frame && frame->GetEditedObject())
      m_fields = ItemDetails::Load(*frame->GetEditedObject(), frame->GetObjectId() != 0, frame->GetPresetGroupId());
    FillChoices();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
}

void ItemPage3::FillChoice(wxChoice* list, std::vector<int32_t>& data, const std::vector<ChoiceEntry>& entries,
                           const InheritedChoice& choice) {
  list->Enable(choice.free);
  list->Clear();
  data.clear();
  int selection = wxNOT_FOUND;
  for (const ChoiceEntry& entry : entries) {
    if (entry.data == choice.value) selection = static_cast<int>(data.size());
    list->Append(entry.text);
    data.push_back(entry.data);
  }
  list->SetSelection(selection);
}

void ItemPage3::FillChoices() {
  // Measurement and tax: "No ..." first, then by name; the one matching the
  // page's (or the inherited) id is selected.
  const InheritedChoice measurement = ItemDetails::Measurement(m_fields.groupId, m_fields.measurementId);
  std::vector<ChoiceEntry> entries{{L"No Measurement", 0}};
  std::vector<Invoice::Measurement> measurements;
  Invoice::GetAllMeasurements(measurements);
  for (const Invoice::Measurement& each : measurements) entries.push_back({each.GetName(), each.GetId()});
  if (!measurement.free) m_fields.measurementId = measurement.value;
  FillChoice(m_measurement, m_measurementData, entries, measurement);
  if (m_measurement->GetSelection() == wxNOT_FOUND) m_measurement->SetSelection(0);

  const InheritedChoice tax = ItemDetails::Tax(m_fields.groupId, m_fields.taxId);
  entries = {{L"No Tax", 0}};
  std::vector<Invoice::Tax> taxes;
  Invoice::GetAllTaxes(taxes);
  for (const Invoice::Tax& each : taxes) entries.push_back({each.GetName(), each.GetId()});
  if (!tax.free) m_fields.taxId = tax.value;
  FillChoice(m_tax, m_taxData, entries, tax);
  if (m_tax->GetSelection() == wxNOT_FOUND) m_tax->SetSelection(0);

  const InheritedChoice incomeType = ItemDetails::IncomeType(m_fields.groupId, m_fields.incomeType);
  if (!incomeType.free) m_fields.incomeType = incomeType.value;
  FillChoice(m_incomeType, m_incomeTypeData, {{L"None (Service)", 3}, {L"Manufacturing", 1}, {L"Trading", 2}},
             incomeType);
}

bool ItemPage3::TransferDataToWindow() {
  m_loading = true;
  m_name->ChangeValue(m_fields.name);
  m_groupName->ChangeValue(m_fields.groupName);
  m_code->ChangeValue(m_fields.code);
  if (wxWindow::FindFocus() != m_pieces) m_pieces->ChangeValue(std::to_wstring(m_fields.numInPack));
  if (wxWindow::FindFocus() != m_baseUnit) m_baseUnit->ChangeValue(FormatAmount(m_fields.baseUnit));
  m_loading = false;
  return true;
}

bool ItemPage3::TransferDataFromWindow() {
  m_fields.name = m_name->GetValue().ToStdWstring();
  m_fields.code = m_code->GetValue().ToStdWstring();
  m_fields.numInPack = dialogs::ParseLeadingInt(m_pieces->GetValue().ToStdWstring());
  m_fields.baseUnit = ParseAmount(m_baseUnit->GetValue().ToStdWstring());
  auto selected = [](wxChoice* list, const std::vector<int32_t>& data, int32_t current) {
    const int index = list->GetSelection();
    return index >= 0 && index < static_cast<int>(data.size()) ? data[index] : current;
  };
  if (m_measurement->IsEnabled()) m_fields.measurementId = selected(m_measurement, m_measurementData, 0);
  if (m_tax->IsEnabled()) m_fields.taxId = selected(m_tax, m_taxData, 0);
  if (m_incomeType->IsEnabled()) m_fields.incomeType = selected(m_incomeType, m_incomeTypeData, 0);
  return true;
}

bool ItemPage3::SaveData(bool& reload) {
  reload = false;
  if (!CheckFieldLimits(this)) return false;
  TransferDataFromWindow();
  ItemFrame* frame = GetItemFrame();
  if (!frame || !frame->GetEditedObject()) return true;
  Invoice::Object& object = *frame->GetEditedObject();
  ItemDetails::Store(m_fields, object);
  object.Save();
  if (frame->GetObjectId() == 0) {
    frame->SetObjectId(object.GetObjectId());
    frame->LoadEditedObject();
  }
  TransferDataToWindow();
  return true;
}

void ItemPage3::OnChooseGroup() {
  TransferDataFromWindow();
  // A group never goes under itself or one of its sub-groups.
  const int32_t excluded = IsGroup() ? GetObjectId() : 0;
  int32_t chosen = -1;
  if (ChooserOverride()) {
    chosen = ChooserOverride()(m_fields.groupId);
  } else {
    ItemGroupsDlg chooser(m_fields.groupId, this, excluded);
    if (chooser.DoModal() == platform::IDOK) chosen = chooser.GetGroupId();
  }
  if (chosen < 0) return;
  try {
    m_fields.groupId = chosen;
    m_fields.groupName = chosen != 0 ? Invoice::ItemGroup(chosen).GetName() : L"";
    MarkModified();
    FillChoices();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  TransferDataToWindow();
}
