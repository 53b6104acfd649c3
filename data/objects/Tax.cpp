#include "data/objects/Tax.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void Tax::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckTaxDeletable, GetId());
}

void GetAllTaxes(std::vector<Tax>& taxes) {
  lists::AppendAllById(&DataAccess::LoadTaxIds, taxes);
}

}  // namespace Invoice
