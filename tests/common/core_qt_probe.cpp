// Built with the drill logic's settings only. It must not compile: the
// logic layer has no way to reach Qt.
#include <QtCore/QString>

QString probe() { return QString(); }
