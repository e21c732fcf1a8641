#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The icon of an image button, looked up by the button's object name (e.g. "imgPrevious").
// A null QIcon for a name that has no icon.
QIcon controlIcon(const QString& objectName);

// One of the program's own window pictures, rendered to size (logical pixels):
// "title-strip", "splash", "about" or "kivra-bible" (a trailing ".svg" is accepted).
// The picture is stretched to size; an empty size gives the picture's own size.
// It is drawn at the screen's device pixel ratio so it stays sharp on scaled displays.
// A null QPixmap for an unknown name.
QPixmap windowPicture(const QString& name, const QSize& size);

// The program's icon for its windows and the desktop.
QIcon applicationIcon();
