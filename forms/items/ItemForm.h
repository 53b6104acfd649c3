#pragma once

// The tabbed form of one item or item group in its ItemFrame: "Stock",
// "Details", "Ingredients", "Prices", "Income" and "Outcome" as the object
// has them (ItemFormTabs). It saves every page in one unit of work, routes
// the frame's New, Delete and Properties to the page showing, and deletes
// the edited object.

#include <cstdint>

#include "shell/ui/BaseTabForm.h"

class ItemFrame;

class ItemForm : public BaseTabForm {
public:
  static constexpr uint32_t kTemplateId = 106;
  // The frame's commands: the system's numbers less 0x4000, as wx takes
  // menu ids below 0x7fff only.
  static constexpr int kCommandOffset = 0x4000;
  enum Command : int {
    ID_SAVE = 32773 - kCommandOffset,
    ID_DELETE_OBJECT = 32830 - kCommandOffset,
    ID_CLOSE = 32838 - kCommandOffset,
    ID_NEW = 32855 - kCommandOffset,
    ID_DELETE_SELECTED = 32857 - kCommandOffset,
    ID_PROPERTIES = 32859 - kCommandOffset,
  };

  explicit ItemForm(wxWindow* frame);

  // Loads the frame's object and caption, then the tabs.
  void OnInitialUpdate() override;
  // Adds and removes tabs by the object's kind and keeps the page showing.
  void BuildTabs();
  // Saves every page; then the caption, the tabs and the refresh message of
  // items or item groups. A failed save leaves the frame on the object it
  // had, still modified.
  bool Save();
  // Asks, then deletes the edited object (its in-use rules may refuse) and
  // closes the frame; the lists hear of it.
  void Delete();

  // The page commands on the current tab.
  void OnNew();
  void OnDeleteSelected();
  void OnProperties();
  bool CanNew() const;
  bool CanDeleteSelected() const;
  bool CanEditProperties() const;

  ItemFrame* GetItemFrame();

protected:
  BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override;

private:
  size_t SelectedOnCurrentPage() const;
  void BindCommands();
};
