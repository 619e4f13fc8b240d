#include "ui/app/Dessins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace zyv {

namespace {

constexpr double LargeurScene = 780;
constexpr double HauteurScene = 220;

const QColor Acier(88, 104, 122);
const QColor AcierClair(176, 190, 204);
const QColor Socle(70, 70, 70);
const QColor Fil(40, 40, 40);

// One machine lying on its feet: body, end shield, terminal box, letter.
void DessineMachine(QPainter& p, const QRectF& corps, const QString& lettre, const QColor& teinte,
                    const QString& legende) {
    QLinearGradient g(corps.topLeft(), corps.bottomLeft());
    g.setColorAt(0, teinte.lighter(160));
    g.setColorAt(0.45, teinte);
    g.setColorAt(1, teinte.darker(170));
    p.setPen(QPen(Qt::black, 1.2));
    // Feet first so that the body covers their top.
    p.setBrush(Socle);
    p.drawRect(QRectF(corps.left() + 12, corps.bottom() - 4, 22, 14));
    p.drawRect(QRectF(corps.right() - 34, corps.bottom() - 4, 22, 14));
    p.setBrush(g);
    p.drawRoundedRect(corps, 10, 10);
    // Cooling ribs.
    p.setPen(QPen(teinte.darker(200), 1));
    for (double x = corps.left() + 18; x < corps.right() - 14; x += 10)
        p.drawLine(QPointF(x, corps.top() + 6), QPointF(x, corps.bottom() - 6));
    // Terminal box.
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(teinte.darker(130));
    const QRectF boite(corps.center().x() - 20, corps.top() - 16, 40, 16);
    p.drawRect(boite);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(boite.left() + 11, boite.top() + 8), 4, 4);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(boite.right() - 11, boite.top() + 8), 4, 4);
    // Letter in a white disc.
    p.setBrush(Qt::white);
    const QPointF c = corps.center();
    p.drawEllipse(c, 17, 17);
    QFont f = p.font();
    f.setBold(true);
    f.setPointSizeF(14);
    p.setFont(f);
    p.drawText(QRectF(c.x() - 17, c.y() - 17, 34, 34), Qt::AlignCenter, lettre);
    f.setPointSizeF(9);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(corps.left() - 20, corps.bottom() + 12, corps.width() + 40, 16),
               Qt::AlignCenter, legende);
}

void DessineModule(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::black, 1.2));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(236, 236, 226));
    g.setColorAt(1, QColor(190, 190, 176));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    // Display with a reading.
    const QRectF ecran(r.left() + 12, r.top() + 12, r.width() - 24, 30);
    p.setBrush(QColor(24, 60, 40));
    p.drawRect(ecran);
    p.setPen(QColor(120, 255, 160));
    const QFont normale = p.font();
    QFont f = normale;
    f.setFamily(QStringLiteral("monospace"));
    f.setPointSizeF(11);
    p.setFont(f);
    p.drawText(ecran, Qt::AlignCenter, QStringLiteral("24,30 V"));
    // Sockets.
    p.setPen(QPen(Qt::black, 1));
    const QColor douilles[] = {QColor(200, 40, 40), Qt::black, QColor(200, 40, 40), Qt::black};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(douilles[i]);
        p.drawEllipse(QPointF(r.left() + 22 + i * 25, r.top() + 62), 5, 5);
    }
    // Serial connector.
    p.setBrush(QColor(120, 120, 140));
    p.drawRect(QRectF(r.left() + 30, r.bottom() - 22, 60, 12));
    f = normale;
    f.setPointSizeF(9);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(r.left() - 10, r.bottom() + 4, r.width() + 20, 16), Qt::AlignCenter,
               QStringLiteral("Module de mesure"));
}

void DessineCharge(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(r);
    // Resistor wire wound on the former.
    p.setPen(QPen(QColor(230, 200, 120), 2));
    for (double x = r.left() + 8; x < r.right() - 6; x += 7)
        p.drawLine(QPointF(x, r.top() + 4), QPointF(x + 4, r.bottom() - 4));
    // Slider.
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(60, 60, 60));
    const double xc = r.left() + r.width() * 0.6;
    QPolygonF curseur;
    curseur << QPointF(xc - 7, r.top() - 14) << QPointF(xc + 7, r.top() - 14)
            << QPointF(xc, r.top() - 2);
    p.drawPolygon(curseur);
    QFont f = p.font();
    f.setPointSizeF(9);
    p.setFont(f);
    p.drawText(QRectF(r.left() - 10, r.bottom() + 22, r.width() + 20, 16), Qt::AlignCenter,
               QStringLiteral("Charge"));
}

} // namespace

ImageBanc::ImageBanc(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ImageBanc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 246));
    const double k = std::min(width() / LargeurScene, height() / HauteurScene);
    p.translate((width() - LargeurScene * k) / 2, (height() - HauteurScene * k) / 2);
    p.scale(k, k);

    // Bench plate.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(120, 120, 112));
    p.drawRect(QRectF(170, 172, 440, 12));

    const QRectF moteur(190, 92, 150, 80);
    const QRectF generatrice(440, 92, 150, 80);
    // Shaft and the torque/speed sensor between the machines.
    p.setBrush(AcierClair);
    p.drawRect(QRectF(340, 126, 100, 12));
    p.setBrush(QColor(230, 170, 40));
    const QRectF capteur(370, 110, 40, 44);
    p.drawRoundedRect(capteur, 4, 4);
    p.setBrush(Socle);
    p.drawRect(QRectF(378, 154, 24, 18));

    DessineMachine(p, moteur, QStringLiteral("M"), Acier, QStringLiteral("Moteur"));
    DessineMachine(p, generatrice, QStringLiteral("G"), QColor(70, 112, 88),
                   QStringLiteral("Génératrice"));
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(340, 60, 100, 30), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Couple et vitesse"));
    p.drawLine(QPointF(390, 88), QPointF(390, 110));

    const QRectF module(12, 40, 130, 110);
    DessineModule(p, module);
    const QRectF charge(648, 100, 110, 26);
    DessineCharge(p, charge);

    // Wiring: module to the motor, the sensor and the generator; generator to the load.
    p.setBrush(Qt::NoBrush);
    auto cable = [&p](const QColor& c, std::initializer_list<QPointF> points) {
        p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath chemin;
        auto it = points.begin();
        chemin.moveTo(*it);
        for (++it; it != points.end(); ++it) chemin.lineTo(*it);
        p.drawPath(chemin);
    };
    cable(QColor(200, 40, 40), {{34, 97}, {34, 22}, {256, 22}, {256, 76}});
    cable(Fil, {{59, 97}, {59, 30}, {274, 30}, {274, 76}});
    cable(QColor(40, 90, 200), {{84, 97}, {84, 38}, {390, 38}, {390, 60}});
    cable(QColor(200, 40, 40), {{506, 76}, {506, 22}, {672, 22}, {672, 86}});
    cable(Fil, {{524, 76}, {524, 30}, {728, 30}, {728, 100}});
}

LogoMachine::LogoMachine(QWidget* parent) : QWidget(parent) {}

void LogoMachine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = std::min(width(), height()) - 6.0;
    const QRectF cercle((width() - d) / 2, (height() - d) / 2, d, d);
    p.setPen(QPen(QColor(30, 50, 120), 2.5));
    p.setBrush(QColor(225, 232, 250));
    // The armature's leads.
    p.drawLine(QPointF(0, height() / 2.0), QPointF(cercle.left(), height() / 2.0));
    p.drawLine(QPointF(cercle.right(), height() / 2.0), QPointF(width(), height() / 2.0));
    p.drawEllipse(cercle);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(static_cast<int>(d * 0.42));
    p.setFont(f);
    p.drawText(cercle.adjusted(0, 0, 0, -d * 0.25), Qt::AlignCenter, QStringLiteral("M"));
    // Direct current sign: a full line over a dashed one.
    const double y = cercle.center().y() + d * 0.2;
    const double x0 = cercle.center().x() - d * 0.2;
    const double x1 = cercle.center().x() + d * 0.2;
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(QColor(30, 50, 120), 2.5, Qt::DashLine));
    p.drawLine(QPointF(x0, y + 5), QPointF(x1, y + 5));
}

} // namespace zyv
