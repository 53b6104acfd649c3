#include "shell/CQuennetDoc.h"

#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"

bool CQuennetDoc::OnNewDocument() {
  if (CQuennetApp* app = GetCurrentApp())
    if (CMainFrame* frame = app->GetMainFrame()) frame->SetDocument(this);
  return true;
}
