// Compiled only by the CoreCannotIncludeTheWindow test, with the core's
// include folders, where the window's header must not be found.
#include "ui/form1.h"
