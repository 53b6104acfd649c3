#pragma once

// The address block of an address (DISPLAY_BOX) as the address dialog
// composes it from the address fields, and its line breaks: stored with
// "\r\n" as invoices print them, edited with "\n" as text controls hold them.

#include <string>

struct AddressFields {
  std::wstring line1, line2, line3, zip, city, state, country;
};

// The non-empty lines, then "ZIP City" on one line, then the state and the
// country each on a line of its own. A ZIP without a city still ends its
// line, so the next part never runs into it.
std::wstring ComposeAddressDisplay(const AddressFields& fields);

// "\r\n" (and a lone "\r") to "\n", for a text control.
std::wstring ToEditLineBreaks(const std::wstring& stored);
// "\n" to "\r\n", for storing what a text control holds.
std::wstring ToStoredLineBreaks(const std::wstring& edited);

// How a list names an address: its caption; without one the first line of
// its block; "(empty)" when it has neither.
std::wstring AddressChoiceText(const std::wstring& caption, const std::wstring& display);
