// The pseudo-terminal is all in its header; this file keeps the support library's list of sources.
#include "PseudoTerminal.h"
