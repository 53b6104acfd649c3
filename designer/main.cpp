// The template designer CorvanDesigner: everything lives in the designer library.
#include "designer/CPlandelApp.h"

wxIMPLEMENT_APP(designer::DesignerApp);
