#pragma once

// Owns one library loaded at run time: loads it on first use, binds its
// entry points (by name, or by ordinal through the library's ordinal
// table), and releases it. T is the one concrete manager, which names the
// file to load.
//
// When the library cannot be loaded, Load shows "Required file <path> was
// not found!" and returns null; the caller cancels its command and the
// program goes on (open forms keep their unsaved edits). The message is
// shown on every failed load, so that each command that does nothing says
// why, and the next command tries to load again.

#include <dlfcn.h>

#include <cstdint>
#include <string>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/CorvanPreviewApi.h"

template <class T>
class CDllManager {
public:
  CDllManager() = default;
  virtual ~CDllManager() { Release(); }
  CDllManager(const CDllManager&) = delete;
  CDllManager& operator=(const CDllManager&) = delete;

  // The module handle, loading the library when needed; null when it cannot
  // be loaded (reported to the user).
  void* Load() {
    if (m_module) return m_module;
    const std::string path = GetDllPath();
    m_module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
      const char* reason = ::dlerror();
      m_loadError = reason ? reason : "";
      platform::ShowMessageBox(L"Required file " + platform::FromUtf8(path) + L" was not found!", L"",
                               platform::MB_OK | platform::MB_ICONEXCLAMATION);
      return nullptr;
    }
    m_loadError.clear();
    return m_module;
  }

  // The file to load: a full path, or a bare file name that the library
  // search path resolves.
  virtual std::string GetDllPath() const = 0;

  bool IsLoaded() const { return m_module != nullptr; }
  void* GetModule() const { return m_module; }
  // Why the last load failed (the loader's own words).
  const std::string& GetLoadError() const { return m_loadError; }

  // An exported symbol by name; null when absent or not loaded.
  void* GetProcAddress(const char* name) const { return m_module ? ::dlsym(m_module, name) : nullptr; }
  // An entry point by ordinal, looked up in the library's ordinal table;
  // null when the table or the ordinal is missing.
  PreviewProc GetProcAddress(int32_t ordinal) const {
    const auto* table =
        static_cast<const CorvanPreviewOrdinal*>(GetProcAddress(preview::kOrdinalTableSymbol));
    return preview::FindOrdinal(table, ordinal);
  }

  // Calls the optional "ReleaseAll_COMObjects" and unloads the library.
  void Release() {
    if (!m_module) return;
    if (void* releaseAll = GetProcAddress(preview::kReleaseAllSymbol)) {
      reinterpret_cast<ReleaseAllComObjectsProc>(releaseAll)();
    }
    if (::dlclose(m_module) == 0) m_module = nullptr;
  }

protected:
  void* m_module = nullptr;
  std::string m_loadError;
};
