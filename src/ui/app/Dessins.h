// Pictures of the main window, drawn rather than stored: the bench and the title's machine.
#pragma once

#include <QWidget>

namespace zyv {

// The motor, coupled through the torque and speed sensor to the generator, with the
// measurement module and the load.
class ImageBanc : public QWidget {
    Q_OBJECT
public:
    explicit ImageBanc(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A DC machine symbol: a circle with "M" over "=".
class LogoMachine : public QWidget {
    Q_OBJECT
public:
    explicit LogoMachine(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace zyv
