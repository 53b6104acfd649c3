#include "data/objects/PhoneCode.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void GetAllPhoneCodes(std::vector<PhoneCode>& phoneCodes) {
  lists::AppendAllById(&DataAccess::LoadPhoneCodeIds, phoneCodes);
}

}  // namespace Invoice
