// The paint area of a plot frame: a backing image drawn through one engine surface that stays
// alive between redraws, so that the XOR cursor moves over the curves without redrawing them.
// Painting only shows the image; the frame decides when to draw into it.
#pragma once

#include "core/plot/Surface.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>

namespace zyv {

class SurfaceImage;

class ZoneTrace : public QWidget {
    Q_OBJECT
public:
    explicit ZoneTrace(QWidget* parent = nullptr);
    ~ZoneTrace() override;

    // The surface on an image of the area's current size. When the size has changed since the
    // last call a new image and surface replace the old ones and `remplacee` is set: whatever
    // pointed at the old surface must let go of it.
    Surface& Ecran(bool* remplacee = nullptr);
    TRect Rectangle() const;
    int Resolution() const;
    // Flushes what the surface holds back and asks for the image to be shown.
    void Montre();
    // Shown where the image does not cover the area (between a resize and the next redraw).
    void ChoisitFond(Couleur fond);
    const QImage& Image() const { return image_; }

signals:
    void Appui(int x, int y);  // left button pressed
    void Glisse(int x, int y); // moved with the left button held
    void Redimensionnee();
    void MenuDemande(const QPoint& global);

protected:
    void paintEvent(QPaintEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;

private:
    QImage image_;
    std::unique_ptr<SurfaceImage> surface_;
    QColor fond_{Qt::white};
};

} // namespace zyv
