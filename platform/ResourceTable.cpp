#include "platform/ResourceTable.h"

#include <dlfcn.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform {

namespace {

struct RegisteredTable {
  const void* module;  // the load address of the module that holds the entries
  const Resource* entries;
  size_t count;
};

struct Registry {
  std::mutex mutex;
  std::vector<RegisteredTable> tables;
};

// Built on first use, so that tables registered by static objects of any
// translation unit find it ready.
Registry& Tables() {
  static Registry registry;
  return registry;
}

const void* ModuleOf(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0) return nullptr;
  return info.dli_fbase;
}

}  // namespace

ResourceTable::ResourceTable(const Resource* entries, size_t count) : m_entries(entries) {
  Registry& registry = Tables();
  const std::lock_guard lock(registry.mutex);
  registry.tables.push_back({ModuleOf(entries), entries, count});
}

ResourceTable::~ResourceTable() {
  Registry& registry = Tables();
  const std::lock_guard lock(registry.mutex);
  std::erase_if(registry.tables, [this](const RegisteredTable& table) { return table.entries == m_entries; });
}

std::optional<std::span<const uint8_t>> FindModuleResource(const void* addressInModule, std::string_view type,
                                                           int32_t id) {
  const void* module = ModuleOf(addressInModule);
  if (!module) return std::nullopt;
  Registry& registry = Tables();
  const std::lock_guard lock(registry.mutex);
  for (const RegisteredTable& table : registry.tables) {
    if (table.module != module) continue;
    for (size_t i = 0; i < table.count; ++i) {
      const Resource& entry = table.entries[i];
      if (entry.id != id || !entry.type || type != entry.type) continue;
      return std::span<const uint8_t>(static_cast<const uint8_t*>(entry.data), entry.data ? entry.size : 0);
    }
  }
  return std::nullopt;
}

}  // namespace platform
