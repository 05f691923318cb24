// The game's icon for its windows, from the compiled-in copy of the installed theme icons.
#pragma once

#include <QIcon>

#include <limits>

// The drawn sizes of the icon from `smallest` to `largest` pixels (every size by default); null
// when the pictures are not compiled in. Each size is decoded as the icon is made.
QIcon applicationIcon(int smallest = 0, int largest = std::numeric_limits<int>::max());
