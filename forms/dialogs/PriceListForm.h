#pragma once

// The tabbed form of one price list in its PriceListFrame, with the one tab
// "Details" (PriceListPage1). Its save writes the list and its prices in one
// unit of work and tells the price-list view.

#include <cstdint>

#include "shell/ui/BaseTabForm.h"

class PriceListFrame;
class PriceListPage1;

class PriceListForm : public BaseTabForm {
public:
  static constexpr uint32_t kTemplateId = 118;
  static constexpr uint32_t kDetailsPage = 120;
  // The system's command numbers less 0x4000, as wx takes menu ids below 0x7fff only.
  static constexpr int kCommandOffset = 0x4000;
  enum Command : int {
    ID_EDIT_PRICE = 32809 - kCommandOffset,
    ID_SAVE = 32811 - kCommandOffset,
    ID_CLOSE = 32838 - kCommandOffset,
  };

  explicit PriceListForm(wxWindow* frame);

  void OnInitialUpdate() override;
  // Saves the page; a new list then holds its new id. False when refused or
  // failed: the frame keeps its former id and stays modified.
  bool SavePriceList();
  bool CanSave();
  void EditPrice();
  bool CanEditPrice();

  PriceListPage1* GetDetailsPage();
  PriceListFrame* GetPriceListFrame();

protected:
  BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override;
};
