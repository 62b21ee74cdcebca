#pragma once

// The layouts name MS Sans Serif, MS Serif, Times New Roman and Arial; they are drawn with the
// metric-compatible Liberation fonts, so that every text fits where it was laid out.
void installFontSubstitutes();
