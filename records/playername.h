// What a player's name may hold, and how a stored name is shown.
#pragma once

#include <QString>

// The longest name, counted in characters as a player sees them: an emoji, or a letter with
// its accents, is one character however many code units it takes.
constexpr int nameLength = 14;

// The name box's text after an edit that left the cursor at `cursor`. Line breaks, tabs and
// other control characters never enter a name. A name that grew too long loses what was just
// put in before the cursor, as much as it must and never half a character, so typing stops
// at the limit and a paste is cut to fit. `cursor` is moved to match.
QString fitName(const QString &text, qsizetype &cursor);

// A name on one line, as a label shows it: each control character stands as a space. The name
// itself, as stored, is left as it is.
QString nameOnOneLine(const QString &name);
