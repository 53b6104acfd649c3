#include "designer/bars/SizingBarSizes.h"

#include <algorithm>

#include "common/RegistryHelpers.h"

namespace designer {
namespace {

using platform::gdi::Size;

Size AtLeast(Size size, Size minimum) {
  return {std::max(size.cx, minimum.cx), std::max(size.cy, minimum.cy)};
}

void ReadInt(const std::wstring& key, const wchar_t* name, int32_t& value) {
  uint32_t stored = 0;
  if (RegReadDword(key, name, &stored) == kRegSuccess) value = static_cast<int32_t>(stored);
}

}  // namespace

void SizingBarSizes::ApplyMinimums() {
  horz = AtLeast(horz, kMinHorz);
  vert = AtLeast(vert, kMinVert);
  floating = AtLeast(floating, kMinFloat);
}

std::wstring SizingBarSizes::Section(const std::wstring& profileName, int32_t controlId) {
  return profileName + L"-SCBar-" + std::to_wstring(controlId);
}

SizingBarSizes SizingBarSizes::Load(const std::wstring& profileKey, const std::wstring& profileName,
                                    int32_t controlId) {
  const std::wstring key = profileKey + L"\\" + Section(profileName, controlId);
  SizingBarSizes sizes;
  ReadInt(key, L"sizeHorzCX", sizes.horz.cx);
  ReadInt(key, L"sizeHorzCY", sizes.horz.cy);
  ReadInt(key, L"sizeVertCX", sizes.vert.cx);
  ReadInt(key, L"sizeVertCY", sizes.vert.cy);
  ReadInt(key, L"sizeFloatCX", sizes.floating.cx);
  ReadInt(key, L"sizeFloatCY", sizes.floating.cy);
  sizes.ApplyMinimums();
  return sizes;
}

void SizingBarSizes::Save(const std::wstring& profileKey, const std::wstring& profileName,
                          int32_t controlId) const {
  const std::wstring key = profileKey + L"\\" + Section(profileName, controlId);
  RegWriteDword(key, L"sizeHorzCX", static_cast<uint32_t>(horz.cx));
  RegWriteDword(key, L"sizeHorzCY", static_cast<uint32_t>(horz.cy));
  RegWriteDword(key, L"sizeVertCX", static_cast<uint32_t>(vert.cx));
  RegWriteDword(key, L"sizeVertCY", static_cast<uint32_t>(vert.cy));
  RegWriteDword(key, L"sizeFloatCX", static_cast<uint32_t>(floating.cx));
  RegWriteDword(key, L"sizeFloatCY", static_cast<uint32_t>(floating.cy));
}

}  // namespace designer
