#include "ui/app/TFormVisualisationPDF.h"

#include "ui_TFormVisualisationPDF.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfDocument>
#include <QPdfView>
#include <QScreen>

namespace zyv {

TFormVisualisationPDF::TFormVisualisationPDF(Etude& etude, QWidget* parent)
    : QWidget(parent, Qt::Window), etude_(etude), ui_(new Ui::TFormVisualisationPDF),
      document_(new QPdfDocument(this)) {
    ui_->setupUi(this);
    ui_->AcroPDF1->setDocument(document_);
    ui_->AcroPDF1->setPageMode(QPdfView::PageMode::MultiPage);
    ui_->AcroPDF1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    ui_->LabelAbsent->hide();
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        QRect zone = ecran->availableGeometry();
        move(zone.center() - rect().center());
    }
}

TFormVisualisationPDF::~TFormVisualisationPDF() {
    delete ui_;
}

void TFormVisualisationPDF::FormShow() {
    nomDocument_ = QString::fromLatin1(NomDocumentAide);
    // The name is taken relative to the start-up directory, never to whatever the current
    // directory has become since (file dialogs move it).
    const QString chemin =
        QDir(QString::fromStdString(etude_.RepertoireProgramme)).filePath(nomDocument_);
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
}

void TFormVisualisationPDF::Affiche() {
    if (isVisible()) FormShow();
    show();
    raise();
    activateWindow();
}

void TFormVisualisationPDF::FormResize() {
    if (!isVisible()) return;
    ui_->Panel1->setFocus();
    ui_->AcroPDF1->setFocus();
}

void TFormVisualisationPDF::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFormVisualisationPDF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

} // namespace zyv
