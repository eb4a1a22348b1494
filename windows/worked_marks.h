#pragma once
// Check values of a grid of boxes from the worked list of one band: 1 for every box whose
// marking prefix is in the list, 0 for the rest. Texts compare exactly, case included, so
// a text that names no box marks nothing, and a prefix with a box on two pages marks both.

#include <string>
#include <vector>

#include "windows/box_tables.h"

// One value per box of a page, in the page's box order.
using CheckValues = std::vector<int>;

CheckValues MarkWorked(const BoxPage& page, const std::vector<std::string>& worked);
