// numora_empty_window: a Qt program that shows an empty window of the main
// window's size and closes it once painted, saying so as `numora --check-start`
// does. The start-up benchmark's baseline.
#include <QApplication>
#include <QDialog>

#include "ui/main/MainWindowLayout.h"
#include "ui/app/StartCheck.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QDialog window;
    window.setFixedSize(numora::mainWindowClientSize({}));
    const numora::StartCheck check(window);
    window.exec();
    return 0;
}
