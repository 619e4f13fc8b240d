// The sort dialog: which quantity and which order; the caller stores the choice.
#pragma once

#include "core/data/Travail.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TFormTrierPoints;
}

namespace zyv {

class TFormTrierPoints : public QDialog {
    Q_OBJECT
public:
    explicit TFormTrierPoints(Etude& e, QWidget* parent = nullptr);
    ~TFormTrierPoints() override;

    // Offers quantities 0..11 and starts both choices on their first item.
    void FormShow();
    int Grandeur() const; // 0..11
    int Ordre() const;    // 0 ascending, 1 descending

protected:
    void showEvent(QShowEvent* ev) override;

private:
    Etude& etude_;
    std::unique_ptr<Ui::TFormTrierPoints> ui_;
};

} // namespace zyv
