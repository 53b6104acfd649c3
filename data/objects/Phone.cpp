#include "data/objects/Phone.h"

namespace Invoice {

void GetPhoneNames(std::set<std::wstring>& names) {
  DataAccess::Instance().LoadPhoneNames(names);
}

}  // namespace Invoice
