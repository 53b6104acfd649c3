#include "forms/invoice/InvoiceLinesList.h"

#include "forms/invoice/InvoiceLines.h"

InvoiceLinesList::InvoiceLinesList(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : BaseListCtrl(parent, id, kListName, pos, size) {}

void InvoiceLinesList::InsertColumns() {
  for (const InvoiceLines::ColumnDef& column : InvoiceLines::kColumns)
    AddColumn(column.caption, column.alignment, column.width);
  LoadColumnState();
}

void InvoiceLinesList::Refill(const std::function<void(BaseListRows& rows)>& fill) {
  SetItemCount(0);
  ClearRows();
  fill(*this);
  SetItemCount(GetRowCount());
}
