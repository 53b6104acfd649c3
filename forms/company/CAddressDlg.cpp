#include "forms/company/CAddressDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "forms/company/NameRefusal.h"
#include "forms/dialogs/DialogMessages.h"
#include "platform/ComboDropDown.h"
#include "platform/MessageBox.h"

namespace {

std::wstring TextOf(const wxTextEntry* control) {
  return control->GetValue().ToStdWstring();
}

}  // namespace

CAddressDlg::CAddressDlg(ChangeSet* changes, int32_t addressId, int32_t companyId, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Address"), m_editor(changes, addressId, companyId) {
  CreateControls();
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

void CAddressDlg::CreateControls() {
  SetDialogClientSize(262, 200);
  DialogUnits du(this);
  auto label = [&](const wchar_t* text, int y) { new wxStaticText(this, wxID_ANY, text, du.Point(7, y + 2), du.Size(70, 8)); };
  auto combo = [&](int id, int x, int y, int width) {
    auto* box =
        new wxComboBox(this, id, wxEmptyString, du.Point(x, y), du.Size(width, 12), 0, nullptr, wxCB_DROPDOWN);
    platform::SkipDropDownButtonOnTab(box);
    return box;
  };
  label(L"&Caption:", 7);
  m_caption = combo(kCaption, 80, 7, 175);
  const wchar_t* lineLabels[] = {L"Address Line &1:", L"Address Line &2:", L"Address Line &3:"};
  const int lineIds[] = {kLine1, kLine2, kLine3};
  for (int i = 0; i < 3; ++i) {
    label(lineLabels[i], 25 + 16 * i);
    m_lines[i] = new wxTextCtrl(this, lineIds[i], wxEmptyString, du.Point(80, 25 + 16 * i), du.Size(175, 12));
  }
  label(L"&ZIP / City:", 73);
  m_zip = new wxTextCtrl(this, kZip, wxEmptyString, du.Point(80, 73), du.Size(45, 12));
  m_city = combo(kCity, 130, 73, 125);
  label(L"&State / Province:", 89);
  m_state = combo(kState, 80, 89, 175);
  label(L"Countr&y:", 105);
  m_country = combo(kCountry, 80, 105, 175);
  label(L"&Display:", 123);
  m_display = new wxTextCtrl(this, kDisplay, wxEmptyString, du.Point(80, 123), du.Size(175, 40), wxTE_MULTILINE);
  m_manual = new wxCheckBox(this, kManualDisplay, L"Let me edit the Address Display", du.Point(80, 166),
                            du.Size(175, 10));
  new wxButton(this, platform::IDOK, L"OK", du.Point(150, 181), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(205, 181), du.Size(50, 14));

  // The columns' sizes.
  m_caption->SetMaxLength(50);
  for (wxTextCtrl* line : m_lines) line->SetMaxLength(50);
  m_zip->SetMaxLength(10);
  for (wxComboBox* list : {m_city, m_state, m_country}) list->SetMaxLength(50);

  auto compose = [this](wxCommandEvent&) {
    if (!m_filling) ComposeDisplay();
  };
  for (wxTextCtrl* line : m_lines) line->Bind(wxEVT_TEXT, compose);
  m_zip->Bind(wxEVT_TEXT, compose);
  m_city->Bind(wxEVT_TEXT, compose);
  m_state->Bind(wxEVT_TEXT, compose);
  // Typed or chosen, a new country text offers that country's cities and states.
  m_country->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    if (!m_filling) OnCountryChanged();
  });
  m_manual->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { UpdateDisplayEnabled(); });
}

bool CAddressDlg::OnInitDialog() {
  m_filling = true;
  try {
    m_caption->Clear();
    for (const std::wstring& name : AddressEditor::CaptionNames()) m_caption->Append(name);
    m_country->Clear();
    for (const NamedId& country : AddressEditor::Countries()) m_country->Append(country.name);
    m_editor.Load();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  const AddressFields& fields = m_editor.fields;
  m_caption->ChangeValue(m_editor.caption);
  m_lines[0]->ChangeValue(fields.line1);
  m_lines[1]->ChangeValue(fields.line2);
  m_lines[2]->ChangeValue(fields.line3);
  m_zip->ChangeValue(fields.zip);
  m_city->ChangeValue(fields.city);
  m_state->ChangeValue(fields.state);
  m_country->ChangeValue(fields.country);
  m_display->ChangeValue(ToEditLineBreaks(m_editor.display));
  // The check box shows the stored choice, so a hand-made block stays so.
  m_manual->SetValue(m_editor.manualDisplay);
  UpdateDisplayEnabled();
  FillRefCombo(m_city, AddressEditor::kCity);
  FillRefCombo(m_state, AddressEditor::kState);
  m_filling = false;
  return true;
}

void CAddressDlg::ReadFields() {
  m_editor.caption = TextOf(m_caption);
  m_editor.fields = {TextOf(m_lines[0]), TextOf(m_lines[1]), TextOf(m_lines[2]), TextOf(m_zip),
                     TextOf(m_city),     TextOf(m_state),    TextOf(m_country)};
  m_editor.manualDisplay = m_manual->GetValue();
  // The column holds 400 characters (a multi-line control takes no limit).
  m_editor.display = ToStoredLineBreaks(TextOf(m_display)).substr(0, 400);
}

void CAddressDlg::ComposeDisplay() {
  ReadFields();
  if (m_editor.manualDisplay) return;
  m_editor.Compose();
  m_display->ChangeValue(ToEditLineBreaks(m_editor.display));
}

void CAddressDlg::FillRefCombo(wxComboBox* combo, int kind) {
  const bool filling = m_filling;
  m_filling = true;
  const wxString typed = combo->GetValue();
  combo->Clear();
  try {
    for (const NamedId& ref : AddressEditor::RefsOfCountry(TextOf(m_country), kind)) combo->Append(ref.name);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  combo->ChangeValue(typed);
  m_filling = filling;
}

void CAddressDlg::OnCountryChanged() {
  ComposeDisplay();
  FillRefCombo(m_city, AddressEditor::kCity);
  FillRefCombo(m_state, AddressEditor::kState);
}

void CAddressDlg::UpdateDisplayEnabled() {
  m_editor.manualDisplay = m_manual->GetValue();
  // Unticked, the block follows the fields again from their next change.
  m_display->Enable(m_editor.manualDisplay);
}

void CAddressDlg::OnOK() {
  ReadFields();
  auto taken = [this] { return m_editor.IsCaptionTaken(); };
  if (RefuseTakenName(this, m_caption, taken, AddressEditor::CaptionTakenMessage(m_editor.caption))) return;
  m_editor.Record();
  try {
    m_editor.SaveReferences();
  } catch (const Invoice::DbException& error) {
    // The address edit stays recorded; only the reference lists missed it.
    dialogs::ShowDbError(error, this);
  }
  EndDialog(platform::IDOK);
}
