#pragma once
// Named panels whose box layout runs edge to edge: the window is built from
// many of them.

#include <QBoxLayout>

namespace tessaly {

struct TPanel {
  QWidget* Widget;
  QBoxLayout* Layout;
};

TPanel NewPanel(const char* name, QBoxLayout::Direction direction, QWidget* parent, int spacing = 0);

}  // namespace tessaly
