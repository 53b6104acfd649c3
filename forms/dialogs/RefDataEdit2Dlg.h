#pragma once

// Creates or edits one row of a reference table: two fields whose meaning
// depends on the table's kind. OK saves the row at once in a unit of work of
// its own and ends with IDOK; a failure keeps the dialog open.

#include <cstdint>

#include "forms/dialogs/RefDataTable.h"
#include "common/ui/BaseDialog.h"

class CBaseEdit;
class wxButton;
class wxStaticText;

class RefDataEdit2Dlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 105,
    kFirstEdit = 1007,
    kSecondEdit = 1008,
    kFirstLabel = 1009,
    kSecondLabel = 1010,
    kBrowseButton = 1184,
  };

  // objectId 0 creates a new row.
  RefDataEdit2Dlg(int32_t objectId, int kind, wxWindow* parent);

  // Texts and the row; run by the first show.
  bool OnInitDialog();
  void OnOK() override;
  // Templates: asks for the .zlt file through the open-file dialog.
  void OnBrowse();

  int32_t GetObjectId() const { return m_objectId; }
  const RefDataFields& GetFields() const { return m_fields; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

private:
  int32_t m_objectId;
  RefDataTable m_table;
  RefDataFields m_fields;
  CBaseEdit* m_firstEdit = nullptr;
  CBaseEdit* m_secondEdit = nullptr;
  wxStaticText* m_firstLabel = nullptr;
  wxStaticText* m_secondLabel = nullptr;
  wxButton* m_browseButton = nullptr;
};
