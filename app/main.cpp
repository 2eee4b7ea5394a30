#include "window/resxwindow.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  ResXWindow window;
  window.open();
  return QApplication::exec();
}
