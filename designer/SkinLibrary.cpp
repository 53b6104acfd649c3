#include "designer/SkinLibrary.h"

#include <type_traits>

#include <wx/dc.h>
#include <wx/dynlib.h>
#include <wx/log.h>
#include <wx/window.h>

namespace designer {

SkinLibrary::SkinLibrary() = default;

SkinLibrary::~SkinLibrary() {
  Unload();
}

bool SkinLibrary::HasModule() const {
  return m_module && m_module->IsLoaded();
}

int SkinLibrary::Load(const std::wstring& fileName) {
  if (HasModule() && m_loaded) return 1;
  if (!HasModule()) {
    // A missing library is expected: no log message for it.
    wxLogNull quiet;
    auto module = std::make_unique<wxDynamicLibrary>();
    if (!module->Load(wxString(fileName), wxDL_DEFAULT | wxDL_QUIET)) return 0;
    m_module = std::move(module);
  }
  wxLogNull quiet;
  auto bind = [this](const char* name, auto& pointer) {
    void* symbol = m_module->HasSymbol(name) ? m_module->GetSymbol(name) : nullptr;
    pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(symbol);
    return symbol != nullptr;
  };
  if (!bind("SkinStart", skinStart) || !bind("SkinStartW", skinStartW) || !bind("SkinRemove", skinRemove) ||
      !bind("SkinWindowSet", skinWindowSet) || !bind("SkinThread", skinThread) || !bind("BkCreate", bkCreate) ||
      !bind("BkDraw", bkDraw) || !bind("BkDelete", bkDelete))
    return 0;
  m_loaded = true;
  return 1;
}

int SkinLibrary::Unload() {
  if (!m_module) return 0;
  m_module->Unload();
  const bool freed = !m_module->IsLoaded();
  m_module.reset();
  m_loaded = false;
  skinStart = nullptr;
  skinStartW = nullptr;
  skinRemove = nullptr;
  skinWindowSet = nullptr;
  skinThread = nullptr;
  bkCreate = nullptr;
  bkDraw = nullptr;
  bkDelete = nullptr;
  return freed ? 1 : 0;
}

void SkinLibrary::SkinWindowSet(wxWindow* window) const {
  if (skinWindowSet && window) skinWindowSet(window->GetHandle(), 0);
}

void* SkinLibrary::BkCreate() const {
  return bkCreate ? bkCreate(1) : nullptr;
}

bool SkinLibrary::BkDraw(void* background, wxWindow* window, wxDC& dc, const wxRect& rect) const {
  if (!bkDraw || !background) return false;
  return bkDraw(background, window ? window->GetHandle() : nullptr, dc.GetHandle(), rect.x, rect.y, rect.GetRight() + 1,
                rect.GetBottom() + 1, 0) != 0;
}

void SkinLibrary::BkDelete(void* handle) const {
  if (bkDelete && handle) bkDelete(handle);
}

SkinLibrary& Skin() {
  static SkinLibrary library;
  static const bool looked = (library.Load(kSkinLibraryName), true);
  (void)looked;
  return library;
}

}  // namespace designer
