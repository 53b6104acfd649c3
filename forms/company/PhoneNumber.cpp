#include "forms/company/PhoneNumber.h"

#include <algorithm>

StoredPhone JoinPhoneParts(const PhoneParts& parts) {
  StoredPhone stored;
  stored.number = parts.country + parts.region + parts.number;
  stored.display = parts.country;
  for (const std::wstring* part : {&parts.region, &parts.number}) {
    if (part->empty()) continue;
    stored.display += stored.display.empty() ? *part : L" " + *part;
  }
  stored.countryPart = static_cast<int16_t>(std::min<size_t>(parts.country.size(), INT16_MAX));
  stored.regionPart = static_cast<int16_t>(std::min<size_t>(parts.region.size(), INT16_MAX));
  return stored;
}

PhoneParts SplitPhoneNumber(const std::wstring& number, int16_t countryPart, int16_t regionPart) {
  const size_t length = number.size();
  const size_t country = std::min<size_t>(std::max<int16_t>(countryPart, 0), length);
  const size_t region = std::min<size_t>(std::max<int16_t>(regionPart, 0), length - country);
  PhoneParts parts;
  parts.country = number.substr(0, country);
  parts.region = number.substr(country, region);
  parts.number = number.substr(country + region);
  return parts;
}
