#pragma once

// A list view that fills a pane of a frame: an owner-data report list (see
// BaseListCtrl) that is also a view of the shared document. Concrete views
// set their list name in the constructor, add their columns and fill the
// rows in OnInitialUpdate (then call LoadColumnState again), reload in
// OnUpdate, and hear the refresh messages through EVT_CORVANE_MESSAGE.
//
//   class CompaniesView : public BaseListView {
//   public:
//     explicit CompaniesView(wxWindow* parent) : BaseListView(parent, L"CompaniesView") {}
//     void OnInitialUpdate() override {
//       AddColumn(L"Name", 0, 200); ...; LoadColumnState(); Refill();
//     }
//   };

#include "shell/ui/BaseListCtrl.h"
#include "common/ui/View.h"

class BaseListView : public BaseListCtrl, public View {
public:
  // Creates the view window as a child of the parent (a frame or a pane),
  // with an item count of 0 and the stored layout (which needs columns).
  BaseListView(wxWindow* parent, const std::wstring& listName, wxWindowID id = wxID_ANY);

  wxWindow* GetViewWindow() override { return this; }
};
