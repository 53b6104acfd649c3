#pragma once

// The company form's "Invoices" page: every invoice of the company with its
// due state. Its menu opens a new invoice for the company, marks one paid or
// not paid or takes a payment for it (written at once), previews or prints
// it with a chosen template, deletes (when the company is saved) and opens
// invoices.

#include <cstdint>
#include <map>
#include <string>

#include "data/ChangeSet.h"
#include "forms/company/CompanyPage.h"
#include "common/ui/popup_menu.h"

class BaseListCtrl;

class CompanyPage2 : public CompanyPage {
public:
  enum ControlId : int { kTemplateId = 143, kList = 1220 };

  explicit CompanyPage2(wxWindow* parent);

  // From the database; the change set holds a copy of every invoice shown.
  void LoadData() override;
  // Deletes the invoices marked on this page.
  bool SaveData(bool& reload) override;
  // From the change set: the invoices not marked deleted.
  void FillList(bool fromChangeSet);

  // Opens the context menu at the mouse and runs the choice.
  void ShowContextMenu();
  // Asks for each selected invoice; only when every answer is Yes are they
  // marked deleted (the form is then modified and the list refilled).
  void DeleteSelected();
  void MarkPaid(bool paid);
  void AcceptPayment();
  void HandOver(const std::wstring& templatePath, bool print);
  void NewInvoice();
  void OpenSelected();

  BaseListCtrl* GetList() const { return m_list; }
  const ChangeSet& GetChanges() const { return m_changes; }
  const popup_menu& GetMenu() const { return m_menu; }

private:
  void BuildListAndMenu();
  int32_t SelectedInvoiceId() const;

  BaseListCtrl* m_list = nullptr;
  popup_menu m_menu;
  unsigned m_newInvoice = 0, m_paid = 0, m_notPaid = 0, m_acceptPayment = 0, m_delete = 0, m_properties = 0;
  std::map<unsigned, std::wstring> m_previewPaths;
  std::map<unsigned, std::wstring> m_printPaths;
  ChangeSet m_changes;
};
