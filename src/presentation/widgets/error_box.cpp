#include "presentation/widgets/error_box.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "presentation/widgets/fonts.hpp"
#include "presentation/platform.hpp"
#include "window/elements.hpp"

namespace ringcoil {

void showErrorBox(ErrorCode code, QWidget& owner) {
  QMessageBox box(QMessageBox::Critical, qText(kForm.caption), qText(errorMessage(code)),
                  QMessageBox::Ok, &owner);
  fitTitleBar(box);
  // Shown as «OK»; read in Russian.
  box.button(QMessageBox::Ok)->setAccessibleName(QStringLiteral("ОК"));
  execMessageBox(box, owner);
}

}  // namespace ringcoil
