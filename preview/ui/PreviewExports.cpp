// The entry points of libCorvanPreview.so and their ordinal table. Nothing
// thrown inside may cross into the host: each entry point catches
// everything and reports the failure by its result.

#include <bit>
#include <exception>
#include <string>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/CorvanPreviewApi.h"
#include "preview/ReportGenerator.h"
#include "preview/ui/CCorvanPreviewApp.h"
#include "preview/ui/InvoiceFrame.h"
#include "preview/ui/PreviewExports.h"

namespace {

static_assert(std::endian::native == std::endian::little, "UTF-16 texts cross in native byte order");

std::wstring FromUtf16(const char16_t* text) {
  if (!text) return std::wstring();
  size_t length = 0;
  while (text[length] != 0) ++length;
  return platform::FromUtf16Le(reinterpret_cast<const uint8_t*>(text), length * sizeof(char16_t));
}

// Tells the user that a call failed; never throws.
void ReportFailure(const char* what) noexcept {
  try {
    std::wstring text = L"The invoice could not be shown or printed.";
    if (what && *what) text += L"\n" + platform::FromUtf8(what);
    platform::ShowMessageBox(text, CReportGenerator::kMessageCaption,
                             platform::MB_OK | platform::MB_ICONERROR);
  } catch (...) {
  }
}

}  // namespace

extern "C" {

int32_t Preview_PreTranslateMsg(const PreviewMsg* message) {
  try {
    return CCorvanPreviewApp::Get().PreTranslateMessage(message);
  } catch (...) {
    return 0;
  }
}

void Preview_ProcessDllIdle() {
  try {
    CCorvanPreviewApp& app = CCorvanPreviewApp::Get();
    for (long count = 0; app.OnIdle(count); ++count) {
    }
  } catch (...) {
    // Idle work ends quietly: it runs again on the next pass.
  }
}

int32_t ShowInvoicePreview(const char16_t* title, const char16_t* templatePath, const FieldMap* data) {
  try {
    InvoiceFrame* frame =
        CCorvanPreviewApp::Get().ShowInvoicePreview(FromUtf16(title), FromUtf16(templatePath), data);
    return frame ? frame->GetId() : 0;
  } catch (const std::exception& error) {
    ReportFailure(error.what());
  } catch (...) {
    ReportFailure(nullptr);
  }
  return 0;
}

int32_t PrintInvoice(const char16_t* title, const char16_t* templatePath, const FieldMap* data) {
  try {
    CCorvanPreviewApp::Get().PrintInvoice(FromUtf16(title), FromUtf16(templatePath), data);
  } catch (const std::exception& error) {
    ReportFailure(error.what());
  } catch (...) {
    ReportFailure(nullptr);
  }
  return 0;
}

const CorvanPreviewOrdinal CorvanPreview_Ordinals[] = {
    {preview::kOrdinalPreTranslateMsg, "Preview_PreTranslateMsg",
     reinterpret_cast<PreviewProc>(&Preview_PreTranslateMsg)},
    {preview::kOrdinalProcessDllIdle, "Preview_ProcessDllIdle",
     reinterpret_cast<PreviewProc>(&Preview_ProcessDllIdle)},
    {preview::kOrdinalShowInvoicePreview, "ShowInvoicePreview",
     reinterpret_cast<PreviewProc>(&ShowInvoicePreview)},
    {preview::kOrdinalPrintInvoice, "PrintInvoice", reinterpret_cast<PreviewProc>(&PrintInvoice)},
    {0, nullptr, nullptr},
};

}  // extern "C"
