// Must not compile: Qt's top include folder is on the core's path, so only the core's guard stops this.
#include <QtWidgets/QWidget>
