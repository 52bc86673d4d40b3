// A shown window with its clock stopped, and the gestures of a user.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "dialogue/keys.hpp"
#include "presentation/widgets/form_window.hpp"
#include "window/geometry.hpp"

namespace ringcoil::testing {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { open(); }

  // A new window in place of the last, as the program starts.
  void open() {
    window = std::make_unique<FormWindow>();
    window->stopClock();
    window->presentError = [this](ErrorCode code) { errors.push_back(code); };
    window->endApplication = [this] { ++applicationEnds; };
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  const WindowState& state() const { return window->state(); }
  QWidget* widget(Id id) const { return window->widgetFor(id); }

  // A movement or a click on the window's surface at a client pixel.
  void moveTo(int x, int y) { QTest::mouseMove(window.get(), QPoint(x, y)); }
  void clickAt(int x, int y) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
  // A click on whatever widget lies front-most at a client pixel, as the
  // window system delivers it.
  void clickWidgetAt(int x, int y) {
    QWidget* target = window->childAt(x, y);
    ASSERT_NE(target, nullptr) << x << "," << y;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), QPoint(x, y)));
  }
  // A click on a windowed element's own widget.
  void click(Id id) { QTest::mouseClick(widget(id), Qt::LeftButton); }
  void keys(const char* text) {
    for (const char* c = text; *c; ++c) click(*keyBinding(std::string_view(c, 1))->element);
  }
  QLineEdit* display() const { return static_cast<QLineEdit*>(widget(el::Text1)); }

  std::unique_ptr<FormWindow> window;
  std::vector<ErrorCode> errors;
  int applicationEnds = 0;
};

}  // namespace ringcoil::testing
