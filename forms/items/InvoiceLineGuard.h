#pragma once

// Receipts and issues that belong to an invoice are the invoice's lines: its
// form edits and deletes them together with the invoice's totals and
// payments. The stock windows and the item form's pages refuse them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/ChangeSet.h"

class wxWindow;

namespace InvoiceLineGuard {

// The refusal for a stock line (an Invoice::ItemInput or Invoice::ItemOutput)
// that belongs to a stored invoice, naming the invoice; nullopt for any other
// object, a line of no invoice, or one whose invoice is gone.
std::optional<std::wstring> Refusal(const Invoice::Object* line);

// The refusal of the first of the change set's lines under ids that
// belongs to an invoice; nullopt when none does.
std::optional<std::wstring> RefusalOf(const ChangeSet& changes, const std::vector<int32_t>& ids);

// Shows the refusal of RefusalOf (caption "Corvane", information icon, owned
// by owner), or a database failure while looking, and then returns true;
// false when none of the lines belongs to an invoice.
bool Refuse(const ChangeSet& changes, const std::vector<int32_t>& ids, wxWindow* owner);

}  // namespace InvoiceLineGuard
