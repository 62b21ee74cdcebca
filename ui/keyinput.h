#pragma once

class QLineEdit;

// Applies hungarianKey to every character typed into the box, before the box inserts it.
// Text that arrives otherwise (pasted, or composed by an input method) passes unchanged.
void attachHungarianKeys(QLineEdit *box);
