// The help window: "Aide ZYV.pdf" from the guide's folder, shown without waiting, with its
// bookmarks as a contents panel.
#pragma once

#include "core/data/Emplacements.h"
#include "core/data/Travail.h"

#include <QString>
#include <QWidget>

class QModelIndex;
class QPdfBookmarkModel;
class QPdfDocument;
class QPrinter;

namespace Ui {
class TFormVisualisationPDF;
}

namespace zyv {

class TFormVisualisationPDF : public QWidget {
    Q_OBJECT
public:
    explicit TFormVisualisationPDF(Etude& etude, QWidget* parent = nullptr);
    ~TFormVisualisationPDF() override;

    // What "Aide" does: shows the window, or brings it forward and reloads the document when it
    // is already open. Asked from a modal dialog, the window becomes modal over it, otherwise
    // that dialog would keep it from receiving any input.
    void Affiche();
    // Loads the document again, so an edited or newly installed help file shows at once.
    void FormShow();
    void FormResize();

    // Zoom steps of the viewer; a zoom of 0 fits the page width.
    void ZoomAvant();
    void ZoomArriere();
    void PleineLargeur();
    // The print dialog, then the pages chosen in it.
    void Imprimer();
    // Prints the pages of the loaded document within the printer's page range (all when none).
    // False when there is nothing to print or the printer cannot start.
    bool ImprimeDocument(QPrinter& imprimante);
    // A click in the contents panel: the page of that heading.
    void AllerAuSignet(const QModelIndex& signet);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Zoom(double facteur);

    Etude& etude_;
    Ui::TFormVisualisationPDF* ui_;
    QPdfDocument* document_;
    QPdfBookmarkModel* signets_;
    QString nomDocument_;
};

} // namespace zyv
