#pragma once

#include <QWidget>

namespace brannock {

/// The main window: the program's start-up object.
class FrmMain final : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
};

} // namespace brannock
