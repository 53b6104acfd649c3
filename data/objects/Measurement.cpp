#include "data/objects/Measurement.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void Measurement::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckMeasurementDeletable, GetId());
}

void GetAllMeasurements(std::vector<Measurement>& measurements) {
  lists::AppendAllById(&DataAccess::LoadMeasurementIds, measurements);
}

}  // namespace Invoice
