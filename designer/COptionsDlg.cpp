#include "designer/COptionsDlg.h"

#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/ui/CBaseEdit.h"
#include "designer/bars/RulerScale.h"
#include "platform/MessageBox.h"
#include "template/TemplateHelpers.h"

namespace designer {

COptionsPage1::COptionsPage1(PageSetupTarget& target, wxWindow* parent)
    : BaseDlgTabPage(IDD, parent),
      m_target(target),
      m_values(kModelPixelsPerInch, kModelPixelsPerInch, target.GetPaperSize().x,
               target.GetPaperSize().y, target.GetUnit()) {
  auto* grid = new wxFlexGridSizer(2, 5, 8);
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, IDC_MEASUREMENTS_LABEL, "&Measurements:"), 0, wxALIGN_CENTER_VERTICAL);
  m_units = new wxChoice(this, IDC_UNITS);
  grid->Add(m_units, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, "&Width:"), 0, wxALIGN_CENTER_VERTICAL);
  m_width = new CBaseEdit(this, IDC_WIDTH, kInputDecimal, kCheckNone);
  grid->Add(m_width, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, "&Height:"), 0, wxALIGN_CENTER_VERTICAL);
  m_height = new CBaseEdit(this, IDC_HEIGHT, kInputDecimal, kCheckNone);
  grid->Add(m_height, 1, wxEXPAND);
  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(grid, 1, wxEXPAND | wxALL, 10);
  SetSizer(outer);
  m_units->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnUnitChanged(); });
}

int32_t COptionsPage1::SelectedUnit() const {
  const int selection = m_units->GetSelection();
  if (selection == wxNOT_FOUND) return m_values.GetUnit();
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(m_units->GetClientData(selection)));
}

void COptionsPage1::ShowValues() {
  m_width->ChangeValue(m_values.WidthText());
  m_height->ChangeValue(m_values.HeightText());
}

void COptionsPage1::Fill() {
  FindWindow(IDC_MEASUREMENTS_LABEL)->SetLabel("Measurements");
  m_units->Clear();
  m_units->Append("Centimeters", reinterpret_cast<void*>(intptr_t{kUnitCentimetres}));
  m_units->Append("Inches", reinterpret_cast<void*>(intptr_t{kUnitInches}));
  m_units->SetSelection(m_target.GetUnit() == kUnitCentimetres ? 0 : 1);
  ShowValues();
}

bool COptionsPage1::Refuse() {
  platform::ShowMessageBox(kBadPaperSizeMessage, L"CorvanDesigner",
                           platform::MB_OK | platform::MB_ICONINFORMATION, this);
  return false;
}

void COptionsPage1::OnUnitChanged() {
  const int32_t unit = SelectedUnit();
  if (unit == m_values.GetUnit()) return;
  if (!m_values.ChangeUnit(unit, m_width->GetValue().ToStdWstring(), m_height->GetValue().ToStdWstring())) {
    // Back to the unit the fields are written in, so nothing is misread.
    m_units->SetSelection(m_values.GetUnit() == kUnitCentimetres ? 0 : 1);
    Refuse();
    return;
  }
  ShowValues();
}

bool COptionsPage1::Apply() {
  if (!m_values.Read(m_width->GetValue().ToStdWstring(), m_height->GetValue().ToStdWstring())) return Refuse();
  const int32_t unit = m_values.GetUnit();
  m_target.SetPaperSize(static_cast<int>(m_values.GetWidth()), static_cast<int>(m_values.GetHeight()));
  m_target.ApplyUnits(unit);
  return true;
}

COptionsDlg::COptionsDlg(PageSetupTarget& target, wxWindow* parent)
    : BaseTabDlg(IDD, parent, L"Page Setup"), m_target(target) {
  AddTab(L"General", COptionsPage1::IDD);
  ShowPage(0);
  SetMinSize(wxSize(320, 220));
  Fit();
}

BaseDlgTabPage* COptionsDlg::CreatePage(size_t index) {
  if (index != 0) return nullptr;
  return new COptionsPage1(m_target, GetTabControl());
}

}  // namespace designer
