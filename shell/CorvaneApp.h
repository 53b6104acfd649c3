#pragma once

// The program's wxApp: the one application object of the process, shared
// with the preview library. It runs the application's start-up from OnInit
// (the program ends when that fails), ends the message loop when the main
// window closes, and on exit releases the preview library and the database.

#include <memory>
#include <string>

#include <wx/app.h>

class CQuennetApp;

class CorvaneApp : public wxApp {
public:
  CorvaneApp();
  ~CorvaneApp() override;

  bool OnInit() override;
  int OnExit() override;
  // The last-chance catcher: shows what escaped an event handler and goes on.
  bool OnExceptionInMainLoop() override;

private:
  std::unique_ptr<CQuennetApp> m_application;
};

// The text of the exception being handled (call inside a catch block).
std::wstring DescribeCurrentException();
