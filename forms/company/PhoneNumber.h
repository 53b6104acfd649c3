#pragma once

// A phone number as the phone dialog edits it (country code, region and
// number) and as PHONES stores it: NUMBER (the three parts written together),
// PHONE_DISPLAY (the parts that are not empty, joined by single spaces) and
// the lengths of the country code and the region.

#include <cstdint>
#include <string>

struct PhoneParts {
  std::wstring country;
  std::wstring region;
  std::wstring number;
  bool operator==(const PhoneParts&) const = default;
};

struct StoredPhone {
  std::wstring number;
  std::wstring display;
  int16_t countryPart = 0;
  int16_t regionPart = 0;
  bool operator==(const StoredPhone&) const = default;
};

StoredPhone JoinPhoneParts(const PhoneParts& parts);
// The parts back from NUMBER and the two lengths; lengths that do not fit
// the number give what fits.
PhoneParts SplitPhoneNumber(const std::wstring& number, int16_t countryPart, int16_t regionPart);
