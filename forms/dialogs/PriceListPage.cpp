#include "forms/dialogs/PriceListPage.h"

#include "forms/dialogs/PriceListFrame.h"

PriceListFrame* PriceListPage::GetPriceListFrame() const {
  for (wxWindow* window = GetParent(); window; window = window->GetParent())
    if (auto* frame = dynamic_cast<PriceListFrame*>(window)) return frame;
  return nullptr;
}
