#pragma once
// The plug-in's windows on Windows: a window thread with the control window, reached from
// the host's thread by posted messages only.

#include "plugin/windows_link.h"

// The one instance, which the module hands to the entry points when it loads.
WindowsLink& ThreadWindows();
