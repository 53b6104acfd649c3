#pragma once

// The list of the stock-input window: the receipts changed in the frame's
// range, newest first, with New, Properties and Delete through the stock
// input dialog. Each change is saved at once in one unit of work and the
// item lists are told; the list reloads on "CORVANE_INVOICES_REFRESH_ITEMS_INPUT".

#include <cstdint>
#include <vector>

#include <wx/panel.h>

#include "common/ui/View.h"
#include "common/ui/popup_menu.h"
#include "forms/items/ItemInputList.h"

class BaseListCtrl;
class ItemInputFrame;

namespace platform {
class WindowMessageEvent;
}

class ItemInputView : public wxPanel, public View {
public:
  static constexpr int kTemplateId = 112;
  static constexpr int kListId = 1030;
  // Update hints that reload the list; others are ignored.
  static constexpr long kHintInitial = 0;
  static constexpr long kHintReload = 1;

  explicit ItemInputView(wxWindow* frame);

  wxWindow* GetViewWindow() override { return this; }
  // Hints 0 and 1 without a hint object reload the list.
  void OnUpdate(View* sender, long hint, void* hintObject) override;

  // Reloads the rows from the frame's range.
  void Fill();
  void New();
  void Properties();
  // Every selected receipt, or with fromMenu only the one selected.
  void Delete(bool fromMenu = false);
  void ShowContextMenu();

  BaseListCtrl* GetList() const { return m_list; }
  size_t GetSelectedCount() const;

private:
  ItemInputFrame* GetInputFrame();
  // Saves the dialog's edit and tells the item lists; false when refused.
  bool SaveEdit();
  void OnMessage(platform::WindowMessageEvent& event);
  void BindCommands();

  ItemInputList m_data;
  BaseListCtrl* m_list;
  popup_menu m_menu{10000};
  unsigned m_menuNew = 0, m_menuDelete = 0, m_menuProperties = 0;
};
