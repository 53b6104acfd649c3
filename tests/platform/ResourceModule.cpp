// A shared module with a resource table of its own, for the resource tests:
// its resources share type and id with the test program's.

#include <string>

#include "platform/ResourceTable.h"

namespace {

constexpr char kModuleText[] = "from the module";
const platform::Resource kResources[] = {{"TEXT", 1, kModuleText, sizeof kModuleText - 1}};
CORVANE_RESOURCE_TABLE(kResources);

}  // namespace

// The text of the resource as this module finds it; empty when it finds none.
extern "C" __attribute__((visibility("default"))) const char* ResourceModuleText(const char* type, int32_t id) {
  static std::string text;
  const auto bytes = platform::FindModuleResource(reinterpret_cast<const void*>(&ResourceModuleText), type, id);
  text = bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
  return text.c_str();
}
