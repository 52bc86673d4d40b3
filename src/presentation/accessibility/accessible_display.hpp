// What assistive tools are told of the calculator's display, a line edit.
#pragma once

#include <QAccessibleInterface>

class QLineEdit;

namespace ringcoil {

// The display as Qt's own line edit interface tells it, but with its text as
// one run of attributes: Qt 6.4 gives a line edit's runs no length, and Orca
// 43 then reads the text without its last character («1,» for «1,5»).
QAccessibleInterface* accessibleDisplay(QLineEdit& display);

}  // namespace ringcoil
