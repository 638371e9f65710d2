#pragma once

#include <QList>
#include <QRect>

// Window geometry is kept in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

// The rectangle to place a window at: the stored one, moved wholly onto the screen it mostly lies
// on, or centred on the first screen when too little of it lies on any screen to be grabbed; never
// larger than that screen.
QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens);
