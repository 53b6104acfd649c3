#pragma once

// The entry points the preview library exports (see CorvanPreviewApi.h).
// The main program reaches them through the ordinal table of the loaded
// library; code linked with the library's objects may call them directly.

#include "preview/CorvanPreviewApi.h"

// The library is built with hidden symbols: these alone are exported.
#define CORVANE_PREVIEW_EXPORT __attribute__((visibility("default")))

extern "C" {

CORVANE_PREVIEW_EXPORT int32_t Preview_PreTranslateMsg(const PreviewMsg* message);
CORVANE_PREVIEW_EXPORT void Preview_ProcessDllIdle();
CORVANE_PREVIEW_EXPORT int32_t ShowInvoicePreview(const char16_t* title, const char16_t* templatePath,
                                                  const FieldMap* data);
CORVANE_PREVIEW_EXPORT int32_t PrintInvoice(const char16_t* title, const char16_t* templatePath,
                                            const FieldMap* data);
CORVANE_PREVIEW_EXPORT extern const CorvanPreviewOrdinal CorvanPreview_Ordinals[];

}  // extern "C"
