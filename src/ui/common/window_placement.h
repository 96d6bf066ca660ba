#pragma once
// Dialogs are placed in the middle of the screen that holds the window they belong to.
class QWidget;

// Centres window on the screen of reference (the primary screen when reference is null).
void CentreOnScreenOf(QWidget* window, const QWidget* reference);
// Centres window over reference (on the primary screen when reference is null).
void CentreOver(QWidget* window, const QWidget* reference);
