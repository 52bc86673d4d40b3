// What every window of the program shares.
#pragma once

class QApplication;

namespace ringcoil {

// Sets up what every window of the program shares: the bundled fonts, the
// classic widget style and palette, the program's name and the desktop file
// it is known by, and the accessibility.
void prepareApplication(QApplication& app);

}  // namespace ringcoil
