#include "ui/socle/TFormVisualisationPDF.h"

#include "ui_TFormVisualisationPDF.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zyv {

namespace {

constexpr double ZoomMin = 0.25;
constexpr double ZoomMax = 6.0;
constexpr double PasZoom = 1.25;
// Enough for sharp text on paper without building page images of hundreds of megabytes.
constexpr int ResolutionImpressionMax = 300;

} // namespace

TFormVisualisationPDF::TFormVisualisationPDF(Etude& etude, QWidget* parent)
    : QWidget(parent, Qt::Window), etude_(etude), ui_(new Ui::TFormVisualisationPDF),
      document_(new QPdfDocument(this)), signets_(new QPdfBookmarkModel(this)) {
    ui_->setupUi(this);
    signets_->setDocument(document_);
    ui_->Sommaire->setModel(signets_);
    ui_->Separateur->setStretchFactor(1, 1);
    ui_->Separateur->setSizes({260, 540});
    connect(ui_->Sommaire, &QTreeView::clicked, this, &TFormVisualisationPDF::AllerAuSignet);
    connect(ui_->Sommaire, &QTreeView::activated, this, &TFormVisualisationPDF::AllerAuSignet);
    ui_->AcroPDF1->setDocument(document_);
    ui_->AcroPDF1->setPageMode(QPdfView::PageMode::MultiPage);
    ui_->AcroPDF1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    ui_->AcroPDF1->viewport()->installEventFilter(this);
    ui_->LabelAbsent->hide();

    // The viewer's own commands, from its context menu or the keyboard.
    const auto ajoute = [this](const QString& texte, QKeySequence touche, auto action) {
        auto* a = new QAction(texte, this);
        a->setShortcut(touche);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, action);
        addAction(a);
        ui_->AcroPDF1->addAction(a);
        return a;
    };
    ajoute(QStringLiteral("Zoom avant"), QKeySequence::ZoomIn, &TFormVisualisationPDF::ZoomAvant);
    ajoute(QStringLiteral("Zoom arrière"), QKeySequence::ZoomOut,
           &TFormVisualisationPDF::ZoomArriere);
    ajoute(QStringLiteral("Pleine largeur"), QKeySequence(Qt::CTRL | Qt::Key_0),
           &TFormVisualisationPDF::PleineLargeur);
    auto* separateur = new QAction(this);
    separateur->setSeparator(true);
    ui_->AcroPDF1->addAction(separateur);
    ajoute(QStringLiteral("Imprimer..."), QKeySequence::Print, &TFormVisualisationPDF::Imprimer);
    ui_->AcroPDF1->setContextMenuPolicy(Qt::ActionsContextMenu);

    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        QRect zone = ecran->availableGeometry();
        move(zone.center() - rect().center());
    }
}

TFormVisualisationPDF::~TFormVisualisationPDF() {
    delete ui_;
}

void TFormVisualisationPDF::Affiche() {
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality voulue = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != voulue) {
        // Modality only changes on a hidden window.
        hide();
        setWindowModality(voulue);
    }
    if (isVisible()) FormShow();
    show();
    raise();
    activateWindow();
}

void TFormVisualisationPDF::FormShow() {
    nomDocument_ = QString::fromLatin1(NomDocumentAide);
    // The name is taken relative to the guide's folder, never to whatever the current
    // directory has become since (file dialogs move it).
    const QString chemin =
        QDir(QString::fromStdString(etude_.RepertoireAide)).filePath(nomDocument_);
    document_->close();
    const bool present = QFileInfo(chemin).isFile();
    const bool charge = present && document_->load(chemin) == QPdfDocument::Error::None;
    if (!charge) {
        document_->close();
        const QString dossier = QDir::toNativeSeparators(QFileInfo(chemin).absolutePath());
        ui_->LabelAbsent->setText(
            present
                ? QStringLiteral("Le document d'aide « %1 » est illisible (dossier %2).")
                      .arg(nomDocument_, dossier)
                : QStringLiteral("Le document d'aide « %1 » est introuvable dans le dossier %2.")
                      .arg(nomDocument_, dossier));
    }
    ui_->LabelAbsent->setVisible(!charge);
    // A guide without bookmarks leaves the whole width to the pages.
    ui_->Sommaire->setVisible(charge && signets_->rowCount() > 0);
}

void TFormVisualisationPDF::AllerAuSignet(const QModelIndex& signet) {
    if (!signet.isValid()) return;
    const auto role = [&](QPdfBookmarkModel::Role r) { return signet.data(static_cast<int>(r)); };
    ui_->AcroPDF1->pageNavigator()->jump(role(QPdfBookmarkModel::Role::Page).toInt(),
                                         role(QPdfBookmarkModel::Role::Location).toPointF());
}

void TFormVisualisationPDF::FormResize() {
    if (!isVisible()) return;
    ui_->Panel1->setFocus();
    ui_->AcroPDF1->setFocus();
}

void TFormVisualisationPDF::Zoom(double facteur) {
    QPdfView* vue = ui_->AcroPDF1;
    // From "fit width" the zoom starts at the factor the page is shown at.
    double actuel = vue->zoomFactor();
    if (vue->zoomMode() == QPdfView::ZoomMode::FitToWidth && document_->pageCount() > 0) {
        const double largeurPage = document_->pagePointSize(0).width() * logicalDpiX() / 72.0;
        if (largeurPage > 0) actuel = vue->viewport()->width() / largeurPage;
    }
    vue->setZoomMode(QPdfView::ZoomMode::Custom);
    vue->setZoomFactor(std::clamp(actuel * facteur, ZoomMin, ZoomMax));
}

void TFormVisualisationPDF::ZoomAvant() {
    Zoom(PasZoom);
}

void TFormVisualisationPDF::ZoomArriere() {
    Zoom(1.0 / PasZoom);
}

void TFormVisualisationPDF::PleineLargeur() {
    ui_->AcroPDF1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
}

void TFormVisualisationPDF::Imprimer() {
    if (document_->pageCount() == 0) return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(nomDocument_);
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setMinMax(1, document_->pageCount());
    if (dialogue.exec() != QDialog::Accepted) return;
    ImprimeDocument(imprimante);
}

bool TFormVisualisationPDF::ImprimeDocument(QPrinter& imprimante) {
    const int nbPages = document_->pageCount();
    if (nbPages == 0) return false;
    int premiere = 0;
    int derniere = nbPages - 1;
    if (imprimante.printRange() == QPrinter::PageRange && imprimante.fromPage() > 0) {
        premiere = std::min(imprimante.fromPage(), nbPages) - 1;
        derniere = std::clamp(imprimante.toPage(), premiere + 1, nbPages) - 1;
    }
    QPainter peintre;
    if (!peintre.begin(&imprimante)) return false;
    const int resolution = std::min(imprimante.resolution(), ResolutionImpressionMax);
    for (int p = premiere; p <= derniere; ++p) {
        if (p > premiere && !imprimante.newPage()) return false;
        const QSizeF points = document_->pagePointSize(p);
        if (points.isEmpty()) continue;
        const QSize taille(qRound(points.width() * resolution / 72.0),
                           qRound(points.height() * resolution / 72.0));
        const QImage image = document_->render(p, taille);
        // Centred and scaled to the printable area, keeping the page's proportions.
        const QRect zone = peintre.viewport();
        const QSize cible = taille.scaled(zone.size(), Qt::KeepAspectRatio);
        const QRect rect(zone.x() + (zone.width() - cible.width()) / 2,
                         zone.y() + (zone.height() - cible.height()) / 2, cible.width(),
                         cible.height());
        peintre.drawImage(rect, image);
    }
    return peintre.end();
}

void TFormVisualisationPDF::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFormVisualisationPDF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

bool TFormVisualisationPDF::eventFilter(QObject* objet, QEvent* event) {
    if (objet == ui_->AcroPDF1->viewport() && event->type() == QEvent::Wheel) {
        auto* roue = static_cast<QWheelEvent*>(event);
        if (roue->modifiers() & Qt::ControlModifier) {
            if (roue->angleDelta().y() > 0)
                ZoomAvant();
            else if (roue->angleDelta().y() < 0)
                ZoomArriere();
            return true;
        }
    }
    return QWidget::eventFilter(objet, event);
}

} // namespace zyv
