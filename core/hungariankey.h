#pragma once
#include <QString>

// Replaces a typed character by the Hungarian letter that its key stands for on an English
// keyboard (the semicolon gives é, the digit 0 gives ö ...); every other character is left alone.
void hungarianKey(char16_t &code);

// The reminder of the substitution that the Char button shows.
QString hungarianKeyHint();

// The paragraph of the How-to texts that points to the Char button.
QString charButtonHelp();
