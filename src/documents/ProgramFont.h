#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The font of a stored name and size. A name this desktop does not have (the defaults name fonts
// of another system) gives its fixed-pitch font, so that program columns stay aligned.
QFont ProgramFont(const QString& family, int pointSize);

// The chosen size in whole points, as the settings keep it.
int WholePoints(const QFont& font);

// The font dialog, preset to the font; false when it was cancelled (the font is then unchanged).
bool ChooseFont(QWidget* parent, QFont& font);
