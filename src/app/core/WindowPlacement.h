#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

// Window geometry is kept in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

// The rectangle to place a window at: the stored one, moved wholly onto the screen it mostly lies
// on, or centred on the first screen when too little of it lies on any screen to be grabbed; never
// larger than that screen.
QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens);

// The first start's window, before any geometry is stored: with its frame, four fifths of the
// screen's width and height, centred on it. The window's own rectangle, inside the frame.
QRect FirstPlacement(const QRect& screen, const QMargins& frame);

// Where a window of that geometry is shown so that all of it, its frame (title bar) included, lies
// on the available screen area: made no larger than the area leaves room for, and moved onto it
// only as far as needed.
QRect FitOnScreen(const QRect& window, const QMargins& frame, const QRect& available);
