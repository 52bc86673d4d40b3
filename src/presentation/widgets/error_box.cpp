#include "presentation/widgets/error_box.hpp"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QWindow>
#include <algorithm>

#include "presentation/platform.hpp"
#include "presentation/widgets/fonts.hpp"
#include "window/elements.hpp"

namespace ringcoil {

namespace {

// Widens the box so that its title bar shows the whole title.
void fitTitleBar(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  const std::optional<int> width = widthForTitle(box.windowTitle());
  if (!grid || !width) return;
  const QMargins margins = grid->contentsMargins();
  const int inner = std::max(0, *width - margins.left() - margins.right());
  grid->addItem(new QSpacerItem(inner, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// Runs the box to its end, modal over `owner`'s window, in the frame the
// platform gives it (Wayland: one of the program's own, like the window's),
// which is then as modal as the box: the calculator behind takes no click
// and no key meanwhile.
void execMessageBox(QMessageBox& box, QWidget& owner) {
  const std::unique_ptr<QWidget> frame = frameForPlatform(box);
  if (frame) {
    frame->setWindowModality(Qt::ApplicationModal);
    frame->winId();
    if (QWindow* parent = owner.window()->windowHandle()) frame->windowHandle()->setTransientParent(parent);
    frame->show();
  }
  box.exec();
}

}  // namespace

void showErrorBox(ErrorCode code, QWidget& owner) {
  QMessageBox box(QMessageBox::Critical, qText(kForm.caption), qText(errorMessage(code)),
                  QMessageBox::Ok, &owner);
  fitTitleBar(box);
  // Shown as «OK»; read in Russian.
  box.button(QMessageBox::Ok)->setAccessibleName(QStringLiteral("ОК"));
  execMessageBox(box, owner);
}

}  // namespace ringcoil
