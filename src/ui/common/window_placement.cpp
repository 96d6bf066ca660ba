#include "ui/common/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
void MoveCentreTo(QWidget* window, const QPoint& centre)
{
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    window->move(frame.topLeft());
}

QScreen* ScreenOf(const QWidget* reference)
{
    QScreen* screen = reference != nullptr ? reference->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}
} // namespace

void CentreOnScreenOf(QWidget* window, const QWidget* reference)
{
    if (QScreen* screen = ScreenOf(reference))
        MoveCentreTo(window, screen->availableGeometry().center());
}

void CentreOver(QWidget* window, const QWidget* reference)
{
    if (reference != nullptr && reference->isVisible())
        MoveCentreTo(window, reference->frameGeometry().center());
    else
        CentreOnScreenOf(window, reference);
}
