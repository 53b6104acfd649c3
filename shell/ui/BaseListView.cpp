#include "shell/ui/BaseListView.h"

BaseListView::BaseListView(wxWindow* parent, const std::wstring& listName, wxWindowID id)
    : BaseListCtrl(parent, id, listName, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN) {
  SetItemCount(0);
  LoadColumnState();
}
