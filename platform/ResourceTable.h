#pragma once

// Resources compiled into a module: each module (the program, a shared
// library) may carry one table of entries (type, id, bytes), registered while
// the module is loaded. Looking a resource up starts from an address inside a
// module (a function or object of the caller's), so a library finds its own
// resources and never those of the program that loaded it.
//
// In one source file of the module:
//
//   const platform::Resource kResources[] = {
//       {"RG_REPORT", 101, kPageBytes, sizeof kPageBytes},
//   };
//   CORVANE_RESOURCE_TABLE(kResources);

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

struct Resource {
  const char* type;
  int32_t id;
  const void* data;
  size_t size;
};

// Registers the entries as the table of the module that holds them, for as
// long as this object lives. The entries must outlive it.
class ResourceTable {
public:
  ResourceTable(const Resource* entries, size_t count);
  ~ResourceTable();
  ResourceTable(const ResourceTable&) = delete;
  ResourceTable& operator=(const ResourceTable&) = delete;

private:
  const Resource* m_entries;
};

// The bytes of the resource of that type and id in the module that holds
// `addressInModule`; nullopt when that module carries no such resource. The
// bytes stay valid while the module is loaded.
std::optional<std::span<const uint8_t>> FindModuleResource(const void* addressInModule, std::string_view type,
                                                           int32_t id);

}  // namespace platform

#define CORVANE_RESOURCE_TABLE(entries)                                        \
  [[maybe_unused]] static const ::platform::ResourceTable corvaneResourceTable_{ \
      entries, sizeof(entries) / sizeof((entries)[0])}
