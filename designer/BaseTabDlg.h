#pragma once

// A dialog of tab pages created on first display. Each subclass supplies its
// pages (CreatePage); OK asks every created page to apply, in page-id order,
// and ends the dialog only when all accept.

#include <cstdint>
#include <map>
#include <vector>

#include <wx/panel.h>

#include "common/ui/BaseDialog.h"

class wxNotebook;

namespace designer {

class BaseDlgTabPage : public wxPanel, public DataExchanger {
public:
  BaseDlgTabPage(uint32_t templateId, wxWindow* parent);
  uint32_t GetTemplateId() const { return m_templateId; }

  // Fills the page's controls.
  virtual void Fill() {}
  // Takes the page's values; false keeps the dialog open.
  virtual bool Apply() { return true; }
  // Set by Apply when the page wants Fill again after all pages applied.
  bool m_refresh = false;

  bool UpdateData(bool save) override { return ExchangeWindowData(this, save); }

private:
  uint32_t m_templateId;
};

class BaseTabDlg : public BaseDialog {
public:
  BaseTabDlg(uint32_t templateId, wxWindow* parent, const std::wstring& title);

  // Adds a tab whose page CreatePage gives on first display.
  void AddTab(const std::wstring& caption, uint32_t pageId);
  // Shows the page of the tab at that index, creating it first.
  BaseDlgTabPage* ShowPage(size_t index);
  BaseDlgTabPage* GetCreatedPage(uint32_t pageId) const;

  // Apply on every created page in page-id order; false at the first refusal.
  bool ApplyPages();
  void OnOK() override;

  wxNotebook* GetTabControl() const { return m_tabs; }

protected:
  // The page of the tab (a child of GetTabControl()), or null.
  virtual BaseDlgTabPage* CreatePage(size_t index) = 0;
  std::vector<uint32_t> m_pageIds;
  std::map<uint32_t, BaseDlgTabPage*> m_pages;

private:
  wxNotebook* m_tabs;
};

}  // namespace designer
