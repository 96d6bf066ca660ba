#pragma once
// A grid whose text is an editing buffer must not lose the cell being typed when its window closes.
class QAbstractItemView;

// Commits the text of an open cell editor to the grid and closes the editor.
void CommitGridEdit(QAbstractItemView* grid);
