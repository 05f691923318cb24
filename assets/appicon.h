// The game's icon for its windows, from the compiled-in copy of the installed theme icons.
#pragma once

#include <QIcon>

// Every drawn size of the icon; null when the pictures are not compiled in.
QIcon applicationIcon();
