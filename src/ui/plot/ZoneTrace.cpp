#include "ui/plot/ZoneTrace.h"

#include "ui/plot/SurfacePeintre.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zyv {

ZoneTrace::ZoneTrace(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the image: no background erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ZoneTrace::~ZoneTrace() = default;

Surface& ZoneTrace::Ecran(bool* remplacee) {
    // A null image cannot take a painter: an area of no size still gets one pixel.
    const QSize taille(std::max(1, width()), std::max(1, height()));
    const bool neuve = !surface_ || image_.size() != taille;
    if (neuve) {
        surface_.reset();
        image_ = QImage(taille, QImage::Format_RGB32);
        image_.fill(fond_);
        surface_ = std::make_unique<SurfaceImage>(image_, Resolution());
    }
    if (remplacee != nullptr) *remplacee = neuve;
    return *surface_;
}

TRect ZoneTrace::Rectangle() const {
    return {0, 0, width(), height()};
}

int ZoneTrace::Resolution() const {
    return logicalDpiX();
}

void ZoneTrace::Montre() {
    if (surface_) surface_->Vide();
    update();
}

void ZoneTrace::ChoisitFond(Couleur fond) {
    fond_ = QColor((fond >> 16) & 0xFF, (fond >> 8) & 0xFF, fond & 0xFF);
}

void ZoneTrace::paintEvent(QPaintEvent*) {
    if (surface_) surface_->Vide();
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (image_.width() < width()) p.fillRect(image_.width(), 0, width(), height(), fond_);
    if (image_.height() < height()) p.fillRect(0, image_.height(), width(), height(), fond_);
}

void ZoneTrace::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    emit Redimensionnee();
}

void ZoneTrace::mousePressEvent(QMouseEvent* ev) {
    if (ev->buttons() & Qt::LeftButton) {
        const QPoint p = ev->position().toPoint();
        emit Appui(p.x(), p.y());
    }
    QWidget::mousePressEvent(ev);
}

void ZoneTrace::mouseMoveEvent(QMouseEvent* ev) {
    if (ev->buttons() & Qt::LeftButton) {
        const QPoint p = ev->position().toPoint();
        emit Glisse(p.x(), p.y());
    }
    QWidget::mouseMoveEvent(ev);
}

void ZoneTrace::contextMenuEvent(QContextMenuEvent* ev) {
    emit MenuDemande(ev->globalPos());
}

} // namespace zyv
