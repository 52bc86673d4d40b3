// What assistive tools are told of the calculator's display, a line edit.
#pragma once

#include <QAccessibleInterface>

class QLineEdit;

namespace ringcoil {

// The display as Qt's own line edit interface tells it, but with its text as
// one run of attributes: Qt 6.4 gives a line edit's runs no length, and Orca
// 43 then reads the text without its last character («1,» for «1,5»).
QAccessibleInterface* accessibleDisplay(QLineEdit& display);

// Tab into a line edit selects its text before Qt tells that the focus came:
// Orca reads the selection as it comes, then the line edit with its
// selection where the focus lands, the text twice. From this call on, a
// selection made as the focus arrives is not told; the focus tells it. Call
// once, with the accessibility set up.
void tellSelectionWithTheFocus();

}  // namespace ringcoil
