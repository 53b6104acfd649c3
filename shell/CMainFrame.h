#pragma once

// The main window: the navigation tree on the left and a list view on the
// right, split by a splitter whose width is kept between runs
// ("SplitterPresent", "SplitterWidth" under "Software\Corvane\Settings";
// a stored value that cannot be used gives the default width, and the tree
// is always there).
// Its menu and toolbar open the editing forms and the reference-data and
// options dialogs; "&Delete", "&Properties ...", Preview and Print go to the
// active view (the tree or the list, whichever had the focus last).

#include <wx/splitter.h>
#include <wx/timer.h>

#include "shell/NavigationRules.h"
#include "shell/ui/BaseSaveFrame.h"

class CLeftView;
class Document;
class View;

inline constexpr wchar_t kSplitterPresentValue[] = L"SplitterPresent";
inline constexpr wchar_t kSplitterWidthValue[] = L"SplitterWidth";

class CMainFrame : public BaseSaveFrame {
public:
  // Command ids of the menu and the toolbar; Delete, Properties, Preview,
  // Print, Exit and About use the standard wx ids.
  enum CommandId : int {
    ID_NEW_INVOICE = wxID_HIGHEST + 1000,
    ID_NEW_INCOME_INVOICE,
    ID_NEW_ITEM,
    ID_NEW_ITEM_GROUP,
    ID_NEW_CLIENT,
    ID_NEW_INPUT_PRICE_LIST,
    ID_NEW_OUTPUT_PRICE_LIST,
    ID_ITEM_INPUT,
    ID_MEASUREMENTS,
    ID_TAXES,
    ID_DAY_CONDITIONS,
    ID_TEMPLATES,
    ID_PHONE_CODES,
    ID_OPTIONS,
    ID_REFRESH,
    ID_VIEW_TOOLBAR,
    ID_VIEW_STATUS_BAR,
  };

  CMainFrame();
  ~CMainFrame() override;

  // Stores the splitter's state, then closes the window.
  bool Destroy() override;
  // The program ends with the main window: every modified form is asked
  // first, and Cancel in any of them keeps the program running.
  bool QueryClose() override;

  // The document on which the right-pane views are made (from CQuennetDoc).
  void SetDocument(Document* document);
  Document* GetDocument() const { return m_document; }

  // Puts a new view of that kind in place of the right pane's view and runs
  // its initial update; false (pane left empty) when it cannot be made.
  bool ReplaceView(navigation::PaneView kind);
  // The view in the right pane.
  View* GetRightView() const { return m_rightView; }
  CLeftView* GetLeftView() const { return m_leftView; }
  wxSplitterWindow* GetSplitter() const { return m_splitter; }

  // The toolbar's Refresh: nine of the ten refresh messages, in
  // registration order; the finance one is not sent.
  static void BroadcastRefresh();

protected:
  int OnCreate() override;

private:
  void CreateMenus();
  void CreateBars();
  bool CreateClient();
  void BindCommands();
  void RunReferenceDialog(int listKind);
  void RunOptionsDialog();
  void UpdateKeyIndicators();

  Document* m_document = nullptr;
  wxSplitterWindow* m_splitter = nullptr;
  CLeftView* m_leftView = nullptr;
  View* m_rightView = nullptr;
  wxTimer m_keyTimer;
  bool m_destroying = false;
};
