// Texts that fit their controls: a face narrowed just enough for a long translation.
#pragma once

#include "ui/letterart.h"

class QLabel;
class QWidget;
template <typename T> class QList;

// The narrowest a face is drawn, in percent of its own width: the same limit as for the words
// drawn into the pictures, as narrower letters read badly.
inline constexpr int narrowestStretch = int(narrowest * 100);

// Narrows the face of `control` (a label or a push button) just enough for its text to show whole
// in its room: on one line, or in the lines of a word-wrapped label; never below
// narrowestStretch. A Chinese, Japanese or Korean text is made smaller instead, down to the same
// share of its size. A text that fits keeps the face the layout gives it, so English looks as
// designed. Call it with the control in its place, after each change of its text.
void fitText(QWidget *control);

// Fits each of `controls` as fitText does, then gives them all the narrowest face and the
// smallest size any of them needed: paragraphs of one section read as one text.
void fitTogether(const QList<QWidget *> &controls);

// Letters a top-aligned label's text in one face (see inOneFace), keeping its baseline where the
// layout's own face puts it: a face with taller ascenders (Andika, the CJK faces) would set the
// words lower than the English. Fit the label again afterwards, in its new face.
void inOneFaceOnBaseline(QLabel *label);
