#pragma once

// The holder of the optional skinning library. The library is looked up by
// file name once, while the designer's static objects are constructed; its
// entry points are bound by name, and every call whose entry point is
// missing is skipped, so without the library the designer is only unskinned.

#include <memory>
#include <string>

class wxDC;
class wxDynamicLibrary;
class wxRect;
class wxWindow;

namespace designer {

inline constexpr wchar_t kSkinLibraryName[] = L"AppFace.dll";

class SkinLibrary {
public:
  using SkinStartFn = int (*)(const char*, int, const char*, int, int, int);
  using SkinStartWFn = int (*)(const wchar_t*, int, const wchar_t*, int, int, int);
  using SkinRemoveFn = void (*)();
  using SkinWindowSetFn = int (*)(void*, int);
  using SkinThreadFn = int (*)(unsigned long, int);
  using BkCreateFn = void* (*)(int);
  // (background, window, drawing context, left, top, right, bottom, flags);
  // the drawing context is the cairo context of the device context painted.
  using BkDrawFn = int (*)(void*, void*, void*, int, int, int, int, int);
  using BkDeleteFn = void (*)(void*);

  SkinLibrary();
  ~SkinLibrary();
  SkinLibrary(const SkinLibrary&) = delete;
  SkinLibrary& operator=(const SkinLibrary&) = delete;

  // 1 when the library is loaded with all eight entry points (at once when
  // it is already); 0 when it cannot be loaded or an entry point is missing
  // (the module then stays loaded with the entry points found before it).
  int Load(const std::wstring& fileName);
  // 0 without a module; else frees it, clears everything and returns 1 when
  // freeing succeeded.
  int Unload();

  bool IsLoaded() const { return m_loaded; }
  bool HasModule() const;

  // The calls the bars make; each does nothing without its entry point.
  void SkinWindowSet(wxWindow* window) const;
  void* BkCreate() const;
  // True when the library painted the background over the rectangle.
  bool BkDraw(void* background, wxWindow* window, wxDC& dc, const wxRect& rect) const;
  void BkDelete(void* handle) const;

  SkinStartFn skinStart = nullptr;
  SkinStartWFn skinStartW = nullptr;
  SkinRemoveFn skinRemove = nullptr;
  SkinWindowSetFn skinWindowSet = nullptr;
  SkinThreadFn skinThread = nullptr;
  BkCreateFn bkCreate = nullptr;
  BkDrawFn bkDraw = nullptr;
  BkDeleteFn bkDelete = nullptr;

private:
  bool m_loaded = false;
  std::unique_ptr<wxDynamicLibrary> m_module;
};

// The designer's one holder, with kSkinLibraryName looked up on first use.
SkinLibrary& Skin();

}  // namespace designer
