#include "ui/common/grid_edit.h"

#include <QAbstractItemView>

void CommitGridEdit(QAbstractItemView* grid)
{
    // Moving the current cell away commits and closes the editor of the previous one.
    const QModelIndex current = grid->currentIndex();
    grid->setCurrentIndex(QModelIndex());
    grid->setCurrentIndex(current);
}
