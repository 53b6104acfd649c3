#include "shell/CQuennetView.h"

CQuennetView::CQuennetView(wxWindow* parent) : BaseListView(parent, L"CQuennetView") {}
