// Chooses and builds the Qt widget that shows one window: a top-level widget for a
// dialog, and for each control the Qt widget of its kind, with Qt's own editing, focus
// chain and toggling switched off, so that the window system alone decides.
#pragma once

#include <QWidget>

#include "windef.h"

// The widget for hWnd under parent (nullptr for a top-level window), placed at the
// window's rectangle and filled with its current state; nullptr for a class that has
// nothing to show.
QWidget* CreateWidgetFor(HWND hWnd, QWidget* parent);
