#pragma once
// `Tform_MainWindow`, the web update window. It keeps its place in the
// start-up order and the Help menu; checking and downloading come with the
// update component.

#include <QDialog>

namespace tessaly {

class Tform_MainWindow : public QDialog {
  Q_OBJECT
public:
  explicit Tform_MainWindow(QWidget* parent = nullptr);
};

}  // namespace tessaly
