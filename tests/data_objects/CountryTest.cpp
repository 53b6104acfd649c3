#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/objects/Country.h"

namespace {

using Invoice::Country;
using Invoice::CountryRef;

class CountryTest : public corvane::test::ObjectsTest {};

TEST_F(CountryTest, CitiesAndStatesAreFoundByNameWithinTheirCountry) {
  TransactionScope scope;
  Country country;
  country.SetName(L"Macedonia");
  country.Save();
  struct Place {
    const wchar_t* name;
    int kind;
  };
  for (const Place& place : {Place{L"Skopje", 0}, Place{L"Bitola", 0}, Place{L"Vardar", 1}}) {
    CountryRef ref;
    ref.SetName(place.name);
    ref.SetRefType(place.kind);
    ref.SetCountryId(country.GetId());
    ref.Save();
  }
  EXPECT_EQ(Invoice::FindCountryByName(L"Macedonia").GetId(), country.GetId());
  EXPECT_FALSE(Invoice::FindCountryByName(L"Atlantis").IsStored());

  const CountryRef city = country.FindCountryRef(L"Skopje", 0);
  EXPECT_TRUE(city.IsStored());
  EXPECT_EQ(city.GetRefType(), L"CITY");
  EXPECT_FALSE(country.FindCountryRef(L"Skopje", 1).IsStored());  // not a state
  EXPECT_EQ(country.FindCountryRef(L"Vardar", 1).GetRefType(), L"STATE");

  std::vector<CountryRef> cities;
  country.GetRefs(0, cities);
  ASSERT_EQ(cities.size(), 2u);
  EXPECT_EQ(cities[0].GetName(), L"Bitola");
  std::vector<Country> countries;
  Invoice::GetAllCountries(countries);
  EXPECT_EQ(countries.size(), 1u);
}

TEST_F(CountryTest, RefTypeByKindKeepsTheTextForOtherKindsButMarksTheChange) {
  CountryRef ref;
  ref.SetRefType(1);
  EXPECT_EQ(ref.GetRefType(), L"STATE");
  CountryRef untouched;
  untouched.SetRefType(7);
  EXPECT_EQ(untouched.GetRefType(), L"");
  EXPECT_TRUE(untouched.IsModified());
}

}  // namespace
