#include "forms/dialogs/RefDataEdit2Dlg.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "forms/dialogs/DialogMessages.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "common/ui/CBaseEdit.h"

RefDataEdit2Dlg::RefDataEdit2Dlg(int32_t objectId, int kind, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Edit"), m_objectId(objectId), m_table(kind) {
  SetDialogClientSize(232, 78);
  DialogUnits du(this);
  m_firstLabel =
      new wxStaticText(this, kFirstLabel, wxEmptyString, du.Point(7, 9), du.Size(90, 8), wxST_NO_AUTORESIZE);
  m_firstEdit = new CBaseEdit(this, kFirstEdit, kInputText, kCheckNone, du.Point(100, 7), du.Size(125, 12));
  m_secondLabel = new wxStaticText(this, kSecondLabel, wxEmptyString, du.Point(7, 27), du.Size(90, 18),
                                   wxST_NO_AUTORESIZE);
  m_secondEdit = new CBaseEdit(this, kSecondEdit, m_table.SecondInputType(), kCheckNone, du.Point(100, 25),
                               du.Size(107, 12));
  m_firstEdit->SetLimits(m_table.FirstLimits());
  m_secondEdit->SetLimits(m_table.SecondLimits());
  m_browseButton = new wxButton(this, kBrowseButton, L"...", du.Point(203, 25), du.Size(22, 12));
  new wxButton(this, platform::IDOK, L"OK", du.Point(120, 57), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(175, 57), du.Size(50, 14));
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnBrowse(); }, kBrowseButton);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool RefDataEdit2Dlg::OnInitDialog() {
  m_browseButton->Show(m_table.BrowsesForFile());
  if (m_table.IsKnown()) {
    const RefDataEditTexts texts = m_table.EditTexts();
    SetTitle(m_objectId == 0 ? texts.captionNew : texts.captionEdit);
    m_firstLabel->SetLabel(texts.firstLabel);
    m_secondLabel->SetLabel(texts.secondLabel);
    // The days condition's label takes two lines.
    m_secondLabel->Wrap(m_secondLabel->GetSize().x);
    FindWindow(platform::IDOK)->SetLabel(texts.okText);
    FindWindow(platform::IDCANCEL)->SetLabel(texts.cancelText);
  }
  try {
    m_fields = m_table.Load(m_objectId);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  TransferDataToWindow();
  return true;
}

bool RefDataEdit2Dlg::TransferDataToWindow() {
  // While the user types a number, the typed text stays as it is.
  if (wxWindow::FindFocus() != m_secondEdit) m_fields.second = m_table.FormatSecond(m_fields);
  m_firstEdit->ChangeValue(m_fields.first);
  m_secondEdit->ChangeValue(m_fields.second);
  return true;
}

bool RefDataEdit2Dlg::TransferDataFromWindow() {
  m_fields.first = m_firstEdit->GetValue().ToStdWstring();
  m_table.ReadSecond(m_secondEdit->GetValue().ToStdWstring(), m_fields);
  return true;
}

void RefDataEdit2Dlg::OnOK() {
  if (!CheckFieldLimits(this)) return;
  TransferDataFromWindow();
  try {
    m_objectId = m_table.Save(m_objectId, m_fields);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}

void RefDataEdit2Dlg::OnBrowse() {
  if (!m_table.BrowsesForFile()) return;
  TransferDataFromWindow();
  platform::OpenFileRequest request;
  request.defaultExtension = L"zlt";
  request.filter = L"CorvanDesigner Files (*.zlt)|*.zlt|";
  request.initialFile = m_fields.second;
  request.hideReadOnly = true;
  request.parent = this;
  if (const auto path = platform::AskOpenFile(request)) {
    m_fields.second = *path;
    TransferDataToWindow();
  }
}
