#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

using namespace platform;

TEST(MessageBoxTest, RecorderRecordsBoxesAndAnswersFromItsQueue) {
  MessageBoxRecorder recorder;
  recorder.QueueAnswer(IDYES);
  EXPECT_EQ(ShowMessageBox(L"Delete?", L"Corvane", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2), IDYES);
  // Queue empty: Yes/No boxes answer No, others OK.
  EXPECT_EQ(ShowMessageBox(L"Again?", L"Corvane", MB_YESNO), IDNO);
  EXPECT_EQ(ShowMessageBox(L"Required file x was not found!", L"", MB_ICONEXCLAMATION), IDOK);
  ASSERT_EQ(recorder.Shown().size(), 3u);
  EXPECT_EQ(recorder.Shown()[0].text, L"Delete?");
  EXPECT_EQ(recorder.Shown()[0].style, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
  EXPECT_EQ(recorder.Shown()[2].caption, L"");
}

TEST(MessageBoxTest, NestedRecorderRestoresTheOuterOne) {
  MessageBoxRecorder outer;
  {
    MessageBoxRecorder inner;
    ShowMessageBox(L"inner", L"", MB_OK);
    EXPECT_EQ(inner.Shown().size(), 1u);
  }
  ShowMessageBox(L"outer", L"", MB_OK);
  ASSERT_EQ(outer.Shown().size(), 1u);
  EXPECT_EQ(outer.Shown()[0].text, L"outer");
}

TEST(MessageBoxTest, StylesMapToWxButtonsIconsAndDefaults) {
  struct Case {
    unsigned style;
    long wx;
  };
  const Case cases[] = {
      {MB_OK, wxOK | wxICON_NONE | wxOK_DEFAULT},
      {MB_OK | MB_ICONERROR, wxOK | wxICON_ERROR | wxOK_DEFAULT},
      {MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2,
       wxOK | wxCANCEL | wxICON_INFORMATION | wxCANCEL_DEFAULT},
      {MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2, wxYES_NO | wxICON_EXCLAMATION | wxNO_DEFAULT},
      {MB_YESNO | MB_ICONQUESTION, wxYES_NO | wxICON_QUESTION | wxYES_DEFAULT},
      {MB_YESNOCANCEL | MB_DEFBUTTON2, wxYES_NO | wxCANCEL | wxICON_NONE | wxNO_DEFAULT},
  };
  for (const auto& c : cases) EXPECT_EQ(ToWxMessageStyle(c.style), c.wx) << std::hex << c.style;
}

TEST(MessageBoxTest, WxResultsMapToAnswers) {
  EXPECT_EQ(ToMessageBoxResult(wxID_YES, MB_YESNO), IDYES);
  EXPECT_EQ(ToMessageBoxResult(wxID_NO, MB_YESNO), IDNO);
  EXPECT_EQ(ToMessageBoxResult(wxID_OK, MB_OK), IDOK);
  EXPECT_EQ(ToMessageBoxResult(wxID_CANCEL, MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(ToMessageBoxResult(wxID_CANCEL, MB_OKCANCEL), IDCANCEL);
  // Closed with Escape: a Yes/No box must not read as Yes.
  EXPECT_EQ(ToMessageBoxResult(wxID_CANCEL, MB_YESNO), IDNO);
  EXPECT_EQ(ToMessageBoxResult(wxID_CANCEL, MB_OK), IDOK);
}
