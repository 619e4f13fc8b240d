#include "ui/studies/TSelectCharge.h"

#include "ui_TSelectCharge.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>

#include <tuple>

namespace zyv {

namespace {

const QColor Marine(0, 0, 128);
const QColor Cyan(0, 255, 255);
const QColor Jaune(255, 255, 0);

QString Pourcent(std::int32_t niveau) {
    return QString::number(niveau) + QStringLiteral(" %");
}

// Text with its right edge at x and its bottom at y.
void TexteDroite(QPainter& p, int x, int y, const QString& texte) {
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(x - fm.horizontalAdvance(texte), y - fm.descent(), texte);
}

} // namespace

TSelectCharge::TSelectCharge(Etude& e, TGenerateurAleatoire& alea, QWidget* parent)
    : QFrame(parent), etude_(e), alea_(alea), ui_(std::make_unique<Ui::TSelectCharge>()) {
    ui_->setupUi(this);
    for (const char* libelle : LibellesTypeCharge)
        ui_->ComboBoxCharge->addItem(QString::fromUtf8(libelle));
    ui_->ComboBoxCharge->setCurrentIndex(ChargeCyclique50); // the empty trial's kind
    ui_->Box1->installEventFilter(this);
    connect(ui_->ComboBoxCharge, &QComboBox::currentIndexChanged, this, &TSelectCharge::action);
    connect(ui_->BarY1, &QSlider::valueChanged, this, &TSelectCharge::BarY1Change);
    connect(ui_->BarY2, &QSlider::valueChanged, this, &TSelectCharge::BarY2Change);
}

TSelectCharge::~TSelectCharge() = default;

TEssai* TSelectCharge::Essai() const {
    const int t = etude_.EssaiCourant;
    if (t < 1 || t > NbEssaisMax || t > etude_.Travail.NbEssais) return nullptr;
    return &etude_.Travail.Essai(t);
}

bool TSelectCharge::EssaiVide() const {
    const TEssai* essai = Essai();
    return essai != nullptr && essai->DernierPoint == -1;
}

void TSelectCharge::SetTypeCharge(int type) {
    const QSignalBlocker bloque(ui_->ComboBoxCharge);
    ui_->ComboBoxCharge->setCurrentIndex(type >= 0 && type < NbTypesCharge ? type : -1);
}

void TSelectCharge::action() {
    const TEssai* essai = Essai();
    const bool modifiable = EssaiVide() && Modifiable;
    ui_->ComboBoxCharge->setEnabled(modifiable);
    const int type = ui_->ComboBoxCharge->currentIndex();
    const bool deuxNiveaux = type >= ChargeCyclique25 && type <= ChargeTrapezoidale;
    const bool unNiveau = deuxNiveaux || type == ChargeConstante;
    ui_->BarY1->setVisible(modifiable && unNiveau);
    ui_->BarY2->setVisible(modifiable && deuxNiveaux);
    ui_->PanelAY1->setVisible(unNiveau);
    ui_->PanelAY2->setVisible(deuxNiveaux);
    ui_->TextVariableY1->setText(deuxNiveaux ? QStringLiteral("Charge Max")
                                             : QStringLiteral("Charge"));
    ui_->TextVariableY2->setText(deuxNiveaux ? QStringLiteral("Charge min")
                                             : QStringLiteral("Charge"));
    // Trace first: an empty trial then holds the bars' levels, even those shown frozen.
    Trace();
    const bool barres = modifiable || essai == nullptr;
    ui_->TextValeurY1->setText(
        Pourcent(barres ? NiveauBarre(ui_->BarY1->value()) : essai->ChargeMax));
    ui_->TextValeurY2->setText(
        Pourcent(barres ? NiveauBarre(ui_->BarY2->value()) : essai->ChargeMin));
}

void TSelectCharge::BarY1Change(int position) {
    ui_->TextValeurY1->setText(Pourcent(NiveauBarre(position)));
    const std::int32_t min = MinApresMax(NiveauBarre(position), NiveauBarre(ui_->BarY2->value()));
    ui_->BarY2->setValue(PositionBarre(min));
    Trace();
}

void TSelectCharge::BarY2Change(int position) {
    ui_->TextValeurY2->setText(Pourcent(NiveauBarre(position)));
    const std::int32_t max = MaxApresMin(NiveauBarre(ui_->BarY1->value()), NiveauBarre(position));
    ui_->BarY1->setValue(PositionBarre(max));
    Trace();
}

void TSelectCharge::SetCharge() {
    TEssai* essai = Essai();
    if (essai == nullptr) return;
    const auto avant =
        std::tuple(essai->TypeCharge, essai->ChargeMax, essai->ChargeMin, essai->Consignes);
    zyv::SetCharge(*essai, ui_->ComboBoxCharge->currentIndex(), NiveauBarre(ui_->BarY1->value()),
                   NiveauBarre(ui_->BarY2->value()), alea_);
    if (avant ==
        std::tuple(essai->TypeCharge, essai->ChargeMax, essai->ChargeMin, essai->Consignes))
        return;
    if (enPeinture_)
        QTimer::singleShot(0, this, &TSelectCharge::ChargeModifiee);
    else
        emit ChargeModifiee();
}

void TSelectCharge::Trace() {
    if (EssaiVide()) SetCharge();
    dansTrace_ = true;
    ui_->Box1->repaint();
    dansTrace_ = false;
}

bool TSelectCharge::eventFilter(QObject* objet, QEvent* ev) {
    if (objet != ui_->Box1 || ev->type() != QEvent::Paint) return QFrame::eventFilter(objet, ev);
    // A repaint the window system asks for recomputes like Trace: a random profile is drawn
    // anew at each redraw while the trial is empty. Not during an acquisition: the window may
    // paint while it waits for the time origin, after the first set-point has gone out.
    if (!dansTrace_ && Modifiable && EssaiVide()) {
        enPeinture_ = true;
        SetCharge();
        enPeinture_ = false;
    }
    QPainter p(ui_->Box1);
    Dessine(p);
    return true;
}

void TSelectCharge::Dessine(QPainter& p) {
    const QRect r = ui_->Box1->rect();
    const TMesuresTrace m = mesures_ = MesuresTrace(r.width(), r.height());
    p.fillRect(r, Marine);
    QPen stylo(Cyan, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stylo);
    p.setFont(ui_->Box1->font());

    p.drawLine(m.X0, m.YBas, m.X1, m.YBas);
    const QPoint flecheT[] = {{m.X1 - 5, m.YBas - 4}, {m.X1, m.YBas}, {m.X1 - 5, m.YBas + 4}};
    p.drawPolyline(flecheT, 3);
    TexteDroite(p, m.X1, m.YBas - 4, QStringLiteral("60s"));
    for (int i = 1; i <= 4; ++i) p.drawLine(m.X0 + i * m.Pas, m.YBas, m.X0 + i * m.Pas, m.YBas + 4);
    p.drawLine(m.X0, m.YBas, m.X0, m.YHaut);
    const QPoint flecheN[] = {{m.X0 - 4, m.YHaut + 5}, {m.X0, m.YHaut}, {m.X0 + 4, m.YHaut + 5}};
    p.drawPolyline(flecheN, 3);
    TexteDroite(p, m.X0 + 2 * m.Pas, m.YBas - 4, QStringLiteral("30s"));

    const TEssai* essai = Essai();
    if (essai == nullptr) return;
    QPoint profil[DernierPasCycle + 1];
    for (int n = 0; n <= DernierPasCycle; ++n) profil[n] = {m.X(n), m.Y(essai->Consignes[n])};
    stylo.setColor(Jaune);
    p.setPen(stylo);
    p.drawPolyline(profil, DernierPasCycle + 1);
}

} // namespace zyv
