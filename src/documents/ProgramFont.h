#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// The font of a stored name and size. A name this desktop does not have (the defaults name fonts
// of another system) gives its fixed-pitch font, so that program columns stay aligned.
QFont ProgramFont(const QString& family, int pointSize);

// The font dialog, preset to the font of a stored name and size. On OK the name and size become
// the chosen ones and the whole chosen font is returned; cancelled, nothing changes.
std::optional<QFont> ChooseFont(QWidget* parent, QString& family, int& pointSize);
