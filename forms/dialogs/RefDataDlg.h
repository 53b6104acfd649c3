#pragma once

// Lists every row of one reference table (measurements, taxes, payment
// conditions, templates or phone codes) with New, Edit and Delete. Works on
// the database directly: each save or delete is one unit of work.
//
//   RefDataDlg dialog(kRefTaxes, mainFrame);
//   dialog.DoModal();  // ends only through its close button

#include "forms/dialogs/RefDataTable.h"
#include "common/ui/BaseDialog.h"
#include "shell/ui/BaseListCtrl.h"

class wxButton;
class wxStaticText;

class RefDataDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 103,
    kList = 1000,
    kNewButton = 1001,
    kEditButton = 1002,
    kDeleteButton = 1003,
    kListLabel = 1004,
  };

  RefDataDlg(int kind, wxWindow* parent);

  // Texts, columns and the rows; run by the first show.
  bool OnInitDialog();
  // Reloads every row and selects the first.
  void FillList();
  void OnNew();
  // Edit and Delete work on the first selected row and do nothing without one.
  void OnEdit();
  void OnDelete();

  // Edit and Delete need exactly one selected row.
  static bool CanEditSelection(size_t selectedRows) { return selectedRows == 1; }

  bool TransferDataToWindow() override;

  BaseListCtrl* GetList() const { return m_list; }
  const RefDataTable& GetTable() const { return m_table; }

private:
  // The id of the first selected row; 0 without one.
  int32_t SelectedId() const;
  // Widens the file-name column of the templates to the longest path shown.
  void FitFileNameColumn();
  // Runs the edit dialog for the id; true when it saved.
  bool RunEdit(int32_t id);

  RefDataTable m_table;
  std::wstring m_labelText;
  wxStaticText* m_label = nullptr;
  BaseListCtrl* m_list = nullptr;
};
