#include "shell/PreviewManager.h"

#include <memory>

#include "common/FieldMap.h"
#include "common/RegistryHelpers.h"

namespace {

std::unique_ptr<PreviewManager>& ManagerSlot() {
  static std::unique_ptr<PreviewManager> manager;
  return manager;
}

static_assert(sizeof(char16_t) == 2);

// The text as zero-terminated UTF-16 in native byte order (little-endian here).
std::u16string ToUtf16(const std::wstring& text) {
  const std::vector<uint8_t> bytes = platform::ToUtf16Le(text);
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return units;
}

template <class Proc>
Proc LoadedEntryPoint(int32_t ordinal) {
  if (!PreviewManagerExists() || !GetPreviewManager().IsLoaded()) return nullptr;
  return reinterpret_cast<Proc>(GetPreviewManager().GetProcAddress(ordinal));
}

// Ordinals 3 and 4: same arguments, loading the library when needed.
template <class Proc>
bool CallInvoiceEntryPoint(int32_t ordinal, const std::wstring& title, const std::wstring& templatePath,
                           const FieldMap& data) {
  PreviewManager& manager = GetPreviewManager();
  if (!manager.Load()) return false;
  const auto entry = reinterpret_cast<Proc>(manager.GetProcAddress(ordinal));
  if (!entry) return false;
  // Our copies live until the call returns; the library copies them.
  const std::u16string titleText = ToUtf16(title);
  const std::u16string pathText = ToUtf16(templatePath);
  entry(titleText.c_str(), pathText.c_str(), &data);
  return true;
}

}  // namespace

std::string PreviewManager::GetDllPath() const {
  return DllPathFor(RegReadString(kSettingsKey, kInstallPathValue));
}

std::string PreviewManager::DllPathFor(const std::optional<std::wstring>& installPath) {
  // An empty folder counts as none: "/libCorvanPreview.so" would be a guess
  // at the root folder.
  if (!installPath || installPath->empty()) return preview::kLibraryFileName;
  std::string path = platform::ToUtf8(*installPath);
  if (path.back() != '/') path += '/';
  return path + preview::kLibraryFileName;
}

PreviewManager& GetPreviewManager() {
  std::unique_ptr<PreviewManager>& manager = ManagerSlot();
  if (!manager) manager = std::make_unique<PreviewManager>();
  return *manager;
}

bool PreviewManagerExists() {
  return ManagerSlot() != nullptr;
}

void DeletePreviewManager() {
  ManagerSlot().reset();
}

int32_t CallPreviewPreTranslateMsg(const PreviewMsg* message) {
  const auto entry = LoadedEntryPoint<PreviewPreTranslateMsgProc>(preview::kOrdinalPreTranslateMsg);
  return entry ? entry(message) : 0;
}

void CallPreviewProcessDllIdle() {
  if (const auto entry = LoadedEntryPoint<PreviewProcessDllIdleProc>(preview::kOrdinalProcessDllIdle))
    entry();
}

bool CallShowInvoicePreview(const std::wstring& title, const std::wstring& templatePath,
                            const FieldMap& data) {
  return CallInvoiceEntryPoint<ShowInvoicePreviewProc>(preview::kOrdinalShowInvoicePreview, title,
                                                       templatePath, data);
}

bool CallPrintInvoice(const std::wstring& title, const std::wstring& templatePath, const FieldMap& data) {
  return CallInvoiceEntryPoint<PrintInvoiceProc>(preview::kOrdinalPrintInvoice, title, templatePath, data);
}
