#include "ui/socle/TFormBancSimule.h"

#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/link/ListePorts.h"
#include "core/sim/Banc.h"

#include "ui_TFormBancSimule.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace zyv {

TFormBancSimule::TFormBancSimule(Banc& banc, ModuleZYV& module, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), banc_(banc), module_(module),
      ui_(std::make_unique<Ui::TFormBancSimule>()) {
    ui_->setupUi(this);
    ui_->TrackBarTension->setValue(static_cast<int>(std::lround(banc_.TensionAlimentation() * 10)));
    ui_->TrackBarCharge->setValue(banc_.ChargeManuelle());
    connect(ui_->TrackBarTension, &QSlider::valueChanged, this,
            &TFormBancSimule::TrackBarTensionChange);
    connect(ui_->TrackBarCharge, &QSlider::valueChanged, this,
            &TFormBancSimule::TrackBarChargeChange);
    for (QSlider* s : {ui_->TrackBarTension, ui_->TrackBarCharge}) {
        // Once a change is made: a drag ends on release, a key or a click is done at once.
        connect(s, &QSlider::valueChanged, this, [this, s] {
            if (!s->isSliderDown()) RendClavier();
        });
        connect(s, &QSlider::sliderReleased, this, &TFormBancSimule::RendClavier);
    }
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        for (QWidget* f : QApplication::topLevelWidgets())
            if (f != this && w != nullptr && f->windowHandle() == w) retour_ = f;
    });
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &TFormBancSimule::Timer1Timer);
    Timer1.start();
    AfficheValeurs();
}

TFormBancSimule::~TFormBancSimule() = default;

void TFormBancSimule::TrackBarTensionChange(int dixiemes) {
    banc_.SetTensionAlimentation(dixiemes / 10.0);
    AfficheValeurs();
}

void TFormBancSimule::TrackBarChargeChange(int pourcent) {
    banc_.SetChargeManuelle(pourcent);
    AfficheValeurs();
}

bool TFormBancSimule::Disponible() const {
    return module_.Connecte() && module_.Port().Nom == NomPortSimule;
}

void TFormBancSimule::Montre() {
    ecarte_ = false;
    Timer1Timer();
    if (isVisible()) raise();
}

void TFormBancSimule::RendClavier() {
    if (retour_ != nullptr && retour_->isVisible()) retour_->activateWindow();
}

void TFormBancSimule::Timer1Timer() {
    if (!Disponible()) {
        ecarte_ = false;
        if (isVisible()) hide();
        return;
    }
    if (!isVisible() && !ecarte_) {
        if (!place_) {
            // The bottom right corner of the screen, leaving room for the window's frame.
            place_ = true;
            if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
                const QRect zone = ecran->availableGeometry();
                move(zone.right() - width() - 16, zone.bottom() - height() - 36);
            }
        }
        show();
    }
    AfficheValeurs();
}

void TFormBancSimule::closeEvent(QCloseEvent* ev) {
    ecarte_ = true;
    QWidget::closeEvent(ev);
}

void TFormBancSimule::AfficheValeurs() {
    const auto dixiemes = static_cast<std::int32_t>(std::lround(banc_.TensionAlimentation() * 10));
    ui_->LabelTension->setText(QString::fromStdString(FormatEntier(dixiemes, 1) + " V"));
    ui_->LabelCharge->setText(QStringLiteral("%1 %").arg(banc_.ChargeManuelle()));
    const int consigne = banc_.Consigne();
    ui_->LabelConsigne->setText(consigne < 0 ? QStringLiteral("aucune")
                                             : QStringLiteral("%1 %").arg(consigne));
}

} // namespace zyv
