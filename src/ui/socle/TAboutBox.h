// The About box: the program's name, a picture of the bench and the version.
#pragma once

#include <QDialog>

namespace Ui {
class TAboutBox;
}

namespace zyv {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    void OKButtonClick();

private:
    Ui::TAboutBox* ui_;
};

} // namespace zyv
