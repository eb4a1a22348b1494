#include "plugin/contest_state.h"

ContestState contest;
