#pragma once

// A tabbed editing form: a view with one tab control (id 1011) whose tabs
// each carry a page id (the page's template id). A page is created the first
// time it is selected, through the concrete form's CreatePage, and kept until
// its tab is removed. SaveAllPages saves every created page in one unit of
// work.
//
//   class ItemForm : public BaseTabForm {
//   public:
//     explicit ItemForm(wxWindow* frame) : BaseTabForm(IDD_ITEM_FORM, frame) {}
//     void OnInitialUpdate() override {
//       BaseTabForm::OnInitialUpdate();  // loads the frame's object, caption
//       AddTab(109, L"Details");
//       AddTab(144, L"Prices");
//       SelectPage(109);
//     }
//   protected:
//     BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override {
//       switch (pageId) {
//         case 109: return new ItemPage3(parent);
//         case 144: return new ItemPage5(parent);
//       }
//       return nullptr;
//     }
//   };

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <wx/panel.h>

#include "common/ui/DialogUnits.h"
#include "common/ui/View.h"

namespace Invoice {
class StaleRowException;
}
class BaseTabFrame;
class BaseTabPage;
class BaseTabFun;
class wxBookCtrlEvent;
class wxNotebook;

inline constexpr int kTabControlId = 1011;

class BaseTabForm : public wxPanel, public View, public DataExchanger {
public:
  BaseTabForm(uint32_t formTemplateId, wxWindow* parent);
  ~BaseTabForm() override;

  wxWindow* GetViewWindow() override { return this; }
  bool UpdateData(bool save) override { return ExchangeWindowData(this, save); }

  // Loads the frame's edited object and sets its caption, then lays the form
  // out; concrete forms add their tabs and select a page after calling it.
  void OnInitialUpdate() override;

  // The page of a tab, created on first use; null for an id without a tab
  // or one the form does not know.
  virtual BaseTabPage* GetPage(uint32_t pageId);
  // Appends a tab unless one carries the page id (then nothing changes).
  void AddTab(uint32_t pageId, const std::wstring& caption);
  // Removes the tab and destroys its page.
  void RemoveTab(uint32_t pageId);
  bool HasTab(uint32_t pageId) const;
  // The page id of a tab, 0 for an index without a tab.
  uint32_t GetTabPageId(int tabIndex) const;
  int GetTabCount() const;
  // The page id of the current tab, 0 without tabs.
  uint32_t GetCurrentPageId() const;
  // Creates the page if needed, makes its tab current and shows it.
  void SelectPage(uint32_t pageId);

  // Saves every created page in ascending page id order in one unit of work.
  // A page that refuses rolls everything back; a database failure is shown
  // ("Corvane", error icon). After the commit the frame's modified flag is
  // cleared and pages that asked for it are loaded again. A save refused
  // because what the form read was saved anew meanwhile offers to load what
  // is stored now (ReloadStored).
  bool SaveAllPages();

  const std::map<uint32_t, BaseTabPage*>& GetPages() const { return m_pages; }
  wxNotebook* GetTabCtrl() const { return m_tabs; }
  BaseTabFrame* GetTabFrame();
  uint32_t GetFormTemplateId() const { return m_formTemplateId; }

  // The save itself, on plain pages (in id order): true when all saved and
  // committed; afterCommit runs after the commit, before the reloads. A stale
  // refusal goes to onStale where one is given, else it is shown as any.
  static bool SavePages(const std::vector<BaseTabFun*>& pages, const std::function<void()>& afterCommit,
                        const std::function<void(const Invoice::StaleRowException&)>& onStale = {});

protected:
  // A new page for the id with the given parent, or null for an unknown id.
  virtual BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) = 0;

private:
  int FindTab(uint32_t pageId) const;
  // Drops the form's edits: the frame's object as stored now, every page
  // filled from it, and the frame no longer modified.
  void ReloadStored();
  void OnPageChanged(wxBookCtrlEvent& event);

  uint32_t m_formTemplateId;
  wxNotebook* m_tabs = nullptr;
  std::vector<uint32_t> m_tabPageIds;  // per tab index
  std::map<uint32_t, BaseTabPage*> m_pages;
  bool m_removingTab = false;
};
