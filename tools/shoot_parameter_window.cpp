// Not a test: writes a PNG of the parameter window, after capturing a sample mag, for a
// look at the layout. Usage: shoot_parameter_window out.png
#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include "platform/fake_platform.h"
#include "ui/parameter/frm_parameter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    toviran::MagState state;
    state.MagName = "ヴァーユ";
    state.DefLevel = 12;
    state.PowLevel = 122;
    state.DexLevel = 8;
    state.MindLevel = 1;
    state.Level = 143;
    state.DefProgress = 40;
    state.PowProgress = 99;
    state.DexProgress = 5;
    state.IQ = 87;
    state.Synchro = 120;
    toviran::FakeMessageBoxes boxes;
    toviran::NullDisplay display;
    toviran::frmParameter window(state, boxes, display);
    window.show();
    window.findChild<QPushButton*>("cmdCopy")->click();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
