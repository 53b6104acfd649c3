#pragma once

// The list of invoices in the main window's right pane. The navigation tree
// sets its period and its paid/unpaid filter and asks it to reload; its
// context menu makes new invoices, changes their payment state, accepts
// payments, previews and prints them with any template, deletes and opens
// them.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/InvoiceListRows.h"
#include "shell/PaneListView.h"

inline constexpr wchar_t kNoTemplateMessage[] =
    L"There isn't a Template file for this Invoice set,\nand also there isn't a default Template file "
    L"set.\nYou should either set a default Template for all Invoices, or specify a template file for this "
    L"particular Invoice.";

class InvoicesView : public PaneListView {
public:
  explicit InvoicesView(wxWindow* parent);

  void OnInitialUpdate() override;
  // Reloads when the hint object is this view (clearing only for a non-zero hint).
  void OnUpdate(View* sender, long hint, void* hintObject) override;

  // Year and month (1-12, 0 the whole year); -1 in either: every date.
  void SetPeriod(int year, int month);
  void SetFilter(bool showPaid, bool showUnpaid);
  const InvoicePeriod& GetPeriod() const { return m_period; }
  bool ShowsPaid() const { return m_showPaid; }
  bool ShowsUnpaid() const { return m_showUnpaid; }

  // Reloads the rows, keeping the selected invoice selected; clearOnly
  // leaves the list empty.
  void Fill(bool clearOnly);
  void Refill() override { Fill(false); }

  // The list keeps one compact record per invoice and formats a cell only
  // when it is shown.
  size_t GetRowCount() const override { return m_invoices.size(); }
  void ClearRows() override;
  std::wstring GetCellText(size_t row, size_t column) const override;
  int32_t GetRowObjectId(size_t row) const override;

  ListCommandState GetCommandState() const override;
  void OnDelete() override;
  void OnProperties() override;
  void ShowContextMenu() override;

  // The actions of the commands and the context menu, on the selection.
  // Preview and Print take the invoice's template, else the default one;
  // the "... using" forms take the given template file.
  void Preview();
  void Print();
  void PreviewUsing(const std::wstring& templatePath);
  void PrintUsing(const std::wstring& templatePath);
  void MarkPaid();
  void MarkNotPaid();
  void AcceptPayment();

  // The template files of the "Preview using ..." / "Print using ..." entries
  // by command id (known after the initial update).
  const std::map<unsigned, std::wstring>& GetPreviewTemplates() const { return m_previewTemplates; }
  const std::map<unsigned, std::wstring>& GetPrintTemplates() const { return m_printTemplates; }

protected:
  unsigned GetRefreshMessage() const override;

private:
  void BuildMenu();
  void HandOver(bool print, const std::optional<std::wstring>& templatePath);
  void RunMenuCommand(unsigned command);

  InvoicePeriod m_period;
  std::vector<InvoiceListRecord> m_invoices;      // newest first, as the query gives them
  std::map<int32_t, std::wstring> m_clientNames;  // by company id
  double m_now = 0.0;                             // when the rows were read, for their status
  bool m_showPaid = true;
  bool m_showUnpaid = true;

  unsigned m_newInvoice = 0, m_newIncomeInvoice = 0, m_paid = 0, m_notPaid = 0, m_acceptPayment = 0,
           m_delete = 0, m_properties = 0;
  std::map<unsigned, std::wstring> m_previewTemplates;
  std::map<unsigned, std::wstring> m_printTemplates;
};
