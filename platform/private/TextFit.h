// Fixed texts that fit their controls: a button's or a label's text that is wider than the
// control is shown in a smaller size of its font, as a long entry is in its line.
#pragma once

class QWidget;

// Gives a button or a label the largest size of its parent's font, down to a readable
// least, in which its text fits it whole; other controls are left as they are.
void fitText(QWidget* control);
