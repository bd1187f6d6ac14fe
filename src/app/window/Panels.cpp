#include "app/window/Panels.h"

#include <QWidget>

namespace tessaly {

TPanel NewPanel(const char* name, QBoxLayout::Direction direction, QWidget* parent, int spacing) {
  auto* widget = new QWidget(parent);
  widget->setObjectName(QString::fromUtf8(name));
  auto* layout = new QBoxLayout(direction, widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(spacing);
  return {widget, layout};
}

}  // namespace tessaly
