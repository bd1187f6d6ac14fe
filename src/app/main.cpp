#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessaly");
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8("Визуальный редактор HTML"));
  window.show();
  return QApplication::exec();
}
