#pragma once

// Base of the price list form's pages: a tab page that knows its price list
// frame.

#include <cstdint>

#include "shell/ui/BaseTabPage.h"

class PriceListFrame;

class PriceListPage : public BaseTabPage {
public:
  PriceListPage(uint32_t templateId, wxWindow* parent) : BaseTabPage(templateId, parent) {}

  // The frame that holds the page; null outside one (tests).
  PriceListFrame* GetPriceListFrame() const;
};
