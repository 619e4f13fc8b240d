#include "ui/socle/ServicesQt.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace zyv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "ZYV|*.ZYV" becomes Qt's "ZYV (*.ZYV)"; several pairs may follow one another.
QString FiltreQt(const std::string& filtre) {
    const QStringList morceaux = Q(filtre).split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2)
        filtres << QStringLiteral("%1 (%2)").arg(morceaux[i], morceaux[i + 1]);
    return filtres.join(QStringLiteral(";;"));
}

bool LanceDialogue(DialogueFichier& d, QFileDialog::AcceptMode mode) {
    QFileDialog dlg(QApplication::activeWindow());
    dlg.setAcceptMode(mode);
    dlg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    // The save commands ask themselves, and not about the study's own file.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    dlg.setNameFilter(FiltreQt(d.Filtre));
    dlg.setDefaultSuffix(Q(d.ExtensionDefaut));
    // Names cross to the core as the file system's bytes.
    dlg.setDirectory(QFile::decodeName(QByteArray::fromStdString(d.RepertoireInitial)));
    if (!d.NomFichier.empty())
        dlg.selectFile(QFile::decodeName(QByteArray::fromStdString(d.NomFichier)));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    d.NomFichier = QFile::encodeName(dlg.selectedFiles().constFirst()).toStdString();
    return true;
}

} // namespace

void ServicesQt::Avertissement(const std::string& texte) {
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Avertissement"), Q(texte),
                         QMessageBox::Ok);
}

void ServicesQt::Erreur(const std::string& texte) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Erreur"), Q(texte),
                          QMessageBox::Ok);
}

Reponse ServicesQt::Confirmation(const std::string& texte) {
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), Q(texte),
                      QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    QPushButton* annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == oui) return Reponse::Oui;
    if (boite.clickedButton() == non) return Reponse::Non;
    return Reponse::Annuler;
}

bool ServicesQt::Question(const std::string& texte) {
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), Q(texte),
                      QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

bool ServicesQt::Ouvrir(DialogueFichier& d) {
    return LanceDialogue(d, QFileDialog::AcceptOpen);
}

bool ServicesQt::Enregistrer(DialogueFichier& d) {
    return LanceDialogue(d, QFileDialog::AcceptSave);
}

void ServicesQt::CopieTexte(const std::string& texte) {
    QApplication::clipboard()->setText(Q(texte), QClipboard::Clipboard);
}

void ServicesQt::CopieImage(const QByteArray& svg, const QImage& png) {
    auto* donnees = new QMimeData;
    donnees->setData(QStringLiteral("image/svg+xml"), svg);
    donnees->setImageData(png);
    QApplication::clipboard()->setMimeData(donnees, QClipboard::Clipboard);
}

void ProposeFichierPdf(QPrinter& imprimante, const std::string& chemin) {
    // A ".pdf" name switches the printer to PDF output: a chosen printer is put back, so the
    // dialog only fills in the file name.
    const bool natif = imprimante.outputFormat() == QPrinter::NativeFormat;
    const QString nom = imprimante.printerName();
    imprimante.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(chemin)));
    if (!natif) return;
    imprimante.setOutputFormat(QPrinter::NativeFormat);
    if (!nom.isEmpty()) imprimante.setPrinterName(nom);
}

bool ServicesQt::DialogueImpression(QPrinter& imprimante, QWidget* parent) {
    QPrintDialog dlg(&imprimante, parent);
    return dlg.exec() == QDialog::Accepted;
}

void ServicesQt::ConfigurationImprimante(QPrinter& imprimante, QWidget* parent) {
    QPageSetupDialog dlg(&imprimante, parent);
    dlg.exec();
}

void ServicesQt::Bip() {
    QApplication::beep();
}

} // namespace zyv
