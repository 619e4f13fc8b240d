// The help window: "Aide ZYV.pdf" from the start-up directory, shown without waiting.
#pragma once

#include "core/data/Travail.h"

#include <QString>
#include <QWidget>

class QPdfDocument;

namespace Ui {
class TFormVisualisationPDF;
}

namespace zyv {

inline constexpr const char* NomDocumentAide = "Aide ZYV.pdf";

class TFormVisualisationPDF : public QWidget {
    Q_OBJECT
public:
    explicit TFormVisualisationPDF(Etude& etude, QWidget* parent = nullptr);
    ~TFormVisualisationPDF() override;

    // What "Aide" does: shows the window, or brings it forward and reloads the document when it
    // is already open.
    void Affiche();
    // Loads the document again, so an edited or newly installed help file shows at once.
    void FormShow();
    void FormResize();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Etude& etude_;
    Ui::TFormVisualisationPDF* ui_;
    QPdfDocument* document_;
    QString nomDocument_;
};

} // namespace zyv
