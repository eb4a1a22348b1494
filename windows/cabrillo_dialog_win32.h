#pragma once
// The Cabrillo header dialog of template 101, shown modally on the calling thread.

#include "reports/cabrillo_header_fields.h"

// True after OK, with the fields as the operator left them; false after Cancel or when the
// dialog cannot be shown, with the fields unchanged.
bool ShowCabrilloDialog(CabrilloDialogFields& fields);
