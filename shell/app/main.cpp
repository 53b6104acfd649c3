// The main program Corvane: everything lives in the shell library.
#include "shell/CorvaneApp.h"

wxIMPLEMENT_APP(CorvaneApp);
