#pragma once

// The ten registered window messages through which the main program's windows
// tell each other that stored data changed. Broadcast with
// platform::SendToThreadWindows; every window that shows the data reloads.

#include <array>

namespace RefreshMessages {

// Registered in this order; ids are process-wide and stable within a run.
unsigned Year();  // wParam: the year to refresh, -1 when unknown
unsigned Invoices();
unsigned PriceList();
unsigned Item();
unsigned Company();
unsigned ItemGroups();
unsigned ContactList();
unsigned ItemsInput();
unsigned ItemsOutput();
unsigned Finance();

// All ten ids in registration order (registers them on first use).
const std::array<unsigned, 10>& All();

// Registers all ten; called once at start-up before any window exists.
void RegisterAll();

}  // namespace RefreshMessages
