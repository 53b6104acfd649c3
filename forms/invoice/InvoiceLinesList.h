#pragma once

// The grid of the invoice form: an owner-data list of the invoice's lines
// with the ten columns "Name" to "Total", several rows selectable, its
// column order and widths kept under the list name "InvoiceForm".

#include <functional>

#include "shell/ui/BaseListCtrl.h"

class InvoiceLinesList : public BaseListCtrl {
public:
  static constexpr wchar_t kListName[] = L"InvoiceForm";

  InvoiceLinesList(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

  // Adds the columns and restores their stored layout.
  void InsertColumns();
  // Empties the list, lets fill append the rows, then shows them.
  void Refill(const std::function<void(BaseListRows& rows)>& fill);
};
