#pragma once

class QAbstractItemView;

// Where a cell of the view is too narrow for its text and cuts it ("Ez a lány szép, a…"), its
// tool tip shows the whole text, above the tip the cell has of its own; a cell that shows its text
// whole keeps its own tip (or none). The view's font, language and column widths decide, as the
// learner sees them at the moment the tip is asked for.
void showWholeTextWhereCut(QAbstractItemView *view);
