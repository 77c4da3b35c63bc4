#pragma once
// The heights every field control is built with, from the dialog font: a line is the
// font's height and a third, and a single-line control adds room for its edges.

// The font's text height x 4 / 3.
int kxLineHeight();

// The line height + 2 x the edge height + 2.
int kxStandardCtrlHeight();
