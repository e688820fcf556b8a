#pragma once

#include <QSize>

class QWidget;

// Gives a window of its own the wanted size, at most nine tenths of its screen's free area, and
// centres it over its parent window, wholly on the screen.
void placeOnScreen(QWidget* window, QSize wanted);
