// Compiled only: the main window's header needs nothing but src/ and Qt on the include path.
#include "app/numlet.h"
