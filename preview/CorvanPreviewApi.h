#pragma once

// The binary interface of the preview library libCorvanPreview.so, shared
// by the library and the main program that loads it at run time.
//
// The library exports its four entry points as extern "C" functions and,
// in place of export ordinals, the table CorvanPreview_Ordinals that maps
// ordinals 1 to 4 to them; the host binds the entry points through the
// table. Texts cross as zero-terminated UTF-16 (native byte order); the
// invoice data as a pointer to a FieldMap, which the caller keeps owning and
// the library copies before the call returns. Both sides must be built from
// the same sources (FieldMap's layout crosses the boundary).
//
// 1 Preview_PreTranslateMsg(const PreviewMsg*) -> int32_t
//     The library's windows get their events through the host's wxApp, so
//     there is nothing to pre-translate: returns 0 (message not consumed).
//     The message may be null.
// 2 Preview_ProcessDllIdle()
//     Runs the library's own idle work until it reports none left. The
//     library's windows get wx idle events from the host's loop as well.
// 3 ShowInvoicePreview(title, template path, map) -> int32_t
//     Opens a print-preview frame titled "<title> - Preview". Returns the
//     frame's wx window id (non-zero, see wxWindow::FindWindowById), 0 when
//     no frame could be opened.
// 4 PrintInvoice(title, template path, map) -> int32_t
//     Prints the invoice through the system print dialog, or, with the
//     environment variable CORVANE_PRINT_TO_FILE naming a PDF file, writes
//     the pages there with no dialog. Returns 0.
// No entry point lets an exception out; failures are shown to the user in a
// message box captioned "Corvane Preview" and give 0.
//
// The library does not export "ReleaseAll_COMObjects".

#include <cstdint>

class FieldMap;

extern "C" {

// What the host's message loop hands to ordinal 1: its own description of
// the event being dispatched (any field may be 0).
struct PreviewMsg {
  void* window;       // the wxWindow the event is for
  int32_t eventType;  // the wxEventType
  int32_t reserved;
  intptr_t wParam;
  intptr_t lParam;
};

typedef void (*PreviewProc)();

struct CorvanPreviewOrdinal {
  int32_t ordinal;   // 1..4; 0 ends the table
  const char* name;  // the entry point's exported name
  PreviewProc entry;
};

typedef int32_t (*PreviewPreTranslateMsgProc)(const PreviewMsg* message);
typedef void (*PreviewProcessDllIdleProc)();
typedef int32_t (*ShowInvoicePreviewProc)(const char16_t* title, const char16_t* templatePath,
                                          const FieldMap* data);
typedef int32_t (*PrintInvoiceProc)(const char16_t* title, const char16_t* templatePath,
                                    const FieldMap* data);
typedef void (*ReleaseAllComObjectsProc)();

}  // extern "C"

namespace preview {

inline constexpr char kLibraryFileName[] = "libCorvanPreview.so";
inline constexpr char kOrdinalTableSymbol[] = "CorvanPreview_Ordinals";
inline constexpr char kReleaseAllSymbol[] = "ReleaseAll_COMObjects";

inline constexpr int32_t kOrdinalPreTranslateMsg = 1;
inline constexpr int32_t kOrdinalProcessDllIdle = 2;
inline constexpr int32_t kOrdinalShowInvoicePreview = 3;
inline constexpr int32_t kOrdinalPrintInvoice = 4;

// The entry point of an ordinal in a table; null when the table has none.
inline PreviewProc FindOrdinal(const CorvanPreviewOrdinal* table, int32_t ordinal) {
  if (!table || ordinal <= 0) return nullptr;
  for (; table->ordinal != 0; ++table) {
    if (table->ordinal == ordinal) return table->entry;
  }
  return nullptr;
}

}  // namespace preview
