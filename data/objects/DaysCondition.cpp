#include "data/objects/DaysCondition.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void DaysCondition::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckDaysConditionDeletable, m_record.days);
}

void GetAllDaysConditions(std::vector<DaysCondition>& daysConditions) {
  lists::AppendAllById(&DataAccess::LoadDaysConditionIds, daysConditions);
}

}  // namespace Invoice
