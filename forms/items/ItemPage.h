#pragma once

// Base of the item form's pages: a tab page that knows its item frame (the
// edited object, its id, whether it is a group) and, for the list pages, a
// list that fills the page and grows with it.

#include <cstdint>
#include <string>

#include "shell/ui/BaseTabPage.h"

class BaseListCtrl;
class ItemFrame;

class ItemPage : public BaseTabPage {
public:
  ItemPage(uint32_t templateId, wxWindow* parent);

  // The frame that holds the page; null outside one (tests).
  ItemFrame* GetItemFrame() const;
  int32_t GetObjectId() const;
  bool IsGroup() const;

protected:
  // A report list of the page's size in dialog units, 2 units inside each
  // edge, anchored to all four.
  BaseListCtrl* CreateList(int id, const std::wstring& listName, int width, int height);
  void MarkModified();
};
