#include "ui/socle/TAboutBox.h"

#include "ui_TAboutBox.h"

#include "core/data/Version.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

namespace zyv {

namespace {

QPixmap ImageBanc(qreal echelle) {
    QSvgRenderer rendu(QStringLiteral(":/socle/AboutZYV.svg"));
    const QSize taille = rendu.defaultSize();
    QPixmap image(taille * echelle);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    rendu.render(&peintre, QRectF(QPointF(0, 0), taille));
    return image;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(new Ui::TAboutBox) {
    ui_->setupUi(this);
    ui_->Version->setText(QStringLiteral("Version %1").arg(QString::fromLatin1(VersionZYV)));
    ui_->ProgramIcon->setPixmap(ImageBanc(devicePixelRatioF()));
    connect(ui_->OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    // Fixed border: the box keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

TAboutBox::~TAboutBox() {
    delete ui_;
}

void TAboutBox::OKButtonClick() {
    accept();
}

} // namespace zyv
