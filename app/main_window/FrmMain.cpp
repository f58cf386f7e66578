#include "FrmMain.h"

namespace brannock {

FrmMain::FrmMain(QWidget *parent) : QWidget(parent) {}

} // namespace brannock
