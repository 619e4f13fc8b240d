// Turns the help text (Markdown) into the PDF shown by the program's help window.
//   zyv-aide <source.md> <output.pdf>
#include "core/data/Version.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>
#include <vector>

namespace {

const QColor Marine(0x1d, 0x3d, 0x6e);

// Headings in the program's navy with air above them, body text justified.
void MetEnFormeBlocs(QTextDocument& document) {
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        QTextCursor curseur(bloc);
        QTextBlockFormat format = bloc.blockFormat();
        const int niveau = format.headingLevel();
        if (niveau > 0) {
            format.setTopMargin(niveau == 1 ? 0 : (niveau == 2 ? 16 : 10));
            format.setBottomMargin(6);
            if (niveau == 2) format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            curseur.setBlockFormat(format);
            curseur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat caracteres;
            caracteres.setForeground(Marine);
            curseur.mergeCharFormat(caracteres);
        } else if (!curseur.currentTable() && !curseur.currentList()) {
            format.setAlignment(Qt::AlignJustify);
            curseur.setBlockFormat(format);
        }
    }
}

// Single thin rules, full width, a shaded heading row.
void MetEnFormeTableaux(QTextDocument& document) {
    QList<QTextTable*> tableaux;
    for (QTextFrame* cadre : document.rootFrame()->childFrames())
        if (auto* tableau = qobject_cast<QTextTable*>(cadre)) tableaux.append(tableau);
    for (QTextTable* tableau : tableaux) {
        QTextTableFormat format = tableau->format();
        format.setBorderCollapse(true);
        format.setBorder(0.6);
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        format.setTopMargin(4);
        format.setBottomMargin(6);
        tableau->setFormat(format);
        for (int l = 0; l < tableau->rows(); ++l) {
            for (int c = 0; c < tableau->columns(); ++c) {
                QTextTableCell cellule = tableau->cellAt(l, c);
                QTextTableCellFormat trait = cellule.format().toTableCellFormat();
                trait.setBorder(0.6);
                trait.setBorderBrush(QColor(0x80, 0x80, 0x80));
                trait.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                if (l == 0) trait.setBackground(QColor(0xdd, 0xe6, 0xf3));
                cellule.setFormat(trait);
            }
        }
    }
}

// French typography: no line break inside « » nor before : ; ? ! %.
QString EspacesInsecables(QString texte) {
    const QChar insecable(0x00A0);
    texte.replace(QStringLiteral("« "), QStringLiteral("«") + insecable);
    texte.replace(QStringLiteral(" »"), insecable + QStringLiteral("»"));
    static const QRegularExpression avantPonctuation(QStringLiteral(" ([:;?!%])"));
    texte.replace(avantPonctuation, insecable + QStringLiteral("\\1"));
    return texte;
}

// A section heading and where the printed guide shows it.
struct Titre {
    int Niveau = 0;
    QString Texte;
    int Page = 0;       // from 0
    double Hauteur = 0; // of its top above the page's bottom edge, in points
};

// Paginates the document on the writer's page, numbers the pages at the foot of the text, and
// notes where each heading of level 2 or 3 falls, for the bookmarks.
bool Imprime(QTextDocument& document, QPdfWriter& pdf, std::vector<Titre>& titres) {
    QPainter peintre(&pdf);
    if (!peintre.isActive()) return false;
    QAbstractTextDocumentLayout* mise = document.documentLayout();
    mise->setPaintDevice(&pdf);
    QTextFrameFormat racine = document.rootFrame()->frameFormat();
    racine.setMargin(0);
    document.rootFrame()->setFrameFormat(racine);
    const QSizeF corps(pdf.width(), pdf.height());
    document.setPageSize(corps);

    const double pointsParPixel = 72.0 / pdf.resolution();
    const QRectF page = pdf.pageLayout().fullRect(QPageLayout::Point);
    const double haut = pdf.pageLayout().margins(QPageLayout::Point).top();
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        const int niveau = bloc.blockFormat().headingLevel();
        if (niveau < 2 || niveau > 3) continue;
        const double y = mise->blockBoundingRect(bloc).top();
        const int p = static_cast<int>(y / corps.height());
        titres.push_back({niveau, bloc.text().simplified(), p,
                          page.height() - haut - (y - p * corps.height()) * pointsParPixel});
    }

    const QFontMetricsF mesure(document.defaultFont(), &pdf);
    for (int p = 0; p < document.pageCount(); ++p) {
        if (p > 0 && !pdf.newPage()) return false;
        peintre.save();
        const QRectF vue(0, p * corps.height(), corps.width(), corps.height());
        peintre.translate(0, -vue.top());
        peintre.setClipRect(vue);
        QAbstractTextDocumentLayout::PaintContext contexte;
        contexte.clip = vue;
        contexte.palette.setColor(QPalette::Text, Qt::black);
        mise->draw(&peintre, contexte);
        peintre.restore();
        const QString numero = QString::number(p + 1);
        peintre.setFont(document.defaultFont());
        peintre.drawText(QPointF(corps.width() - mesure.horizontalAdvance(numero),
                                 corps.height() + 2.5 * mesure.height()),
                         numero);
    }
    return peintre.end();
}

QByteArray TexteUtf16(const QString& texte) {
    QByteArray octets("<FEFF");
    for (const QChar c : texte)
        octets += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    return octets + '>';
}

// Appends the bookmarks to a PDF as an incremental update: the headings of level 2 as chapters,
// those of level 3 as their sections, each opening its page at the heading, and a catalogue that
// shows them when the document opens.
bool AjouteSignets(const QString& chemin, const std::vector<Titre>& titres) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const QByteArray pdf = f.readAll();
    const auto entier = [&](const char* motif) {
        const QRegularExpressionMatch m =
            QRegularExpression(QString::fromLatin1(motif)).match(QString::fromLatin1(pdf));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    const int racine = entier(R"(/Root (\d+) 0 R)");
    const int info = entier(R"(/Info (\d+) 0 R)");
    const int taille = entier(R"(/Size (\d+))");
    const int xref = entier(R"(startxref\s+(\d+))");
    const QRegularExpressionMatch kids =
        QRegularExpression(QStringLiteral(R"(/Type /Pages\s*/Kids\s*\[([^\]]*)\])"))
            .match(QString::fromLatin1(pdf));
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral(R"(/Pages (\d+) 0 R)")).match(QString::fromLatin1(pdf));
    if (racine < 0 || taille < 0 || xref < 0 || !kids.hasMatch() || !pages.hasMatch()) return false;
    QList<int> objetsPages;
    static const QRegularExpression reference(QStringLiteral(R"((\d+) 0 R)"));
    for (const QRegularExpressionMatch& m : reference.globalMatch(kids.captured(1)))
        objetsPages.append(m.captured(1).toInt());

    // Object numbers: the outline root, then one per heading.
    const int n = static_cast<int>(titres.size());
    const int premier = taille + 1;
    std::vector<int> parent(titres.size(), taille), suivant(titres.size(), -1),
        precedent(titres.size(), -1), enfants(titres.size(), 0);
    std::vector<int> premierEnfant(titres.size(), -1), dernierEnfant(titres.size(), -1);
    int chapitre = -1, premierChapitre = -1, dernierChapitre = -1, nbChapitres = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (titres[k].Page >= objetsPages.size()) return false;
        const bool section = titres[k].Niveau == 3 && chapitre >= 0;
        int& dernier =
            section ? dernierEnfant[static_cast<std::size_t>(chapitre)] : dernierChapitre;
        if (section) {
            parent[k] = premier + chapitre;
            ++enfants[static_cast<std::size_t>(chapitre)];
            if (premierEnfant[static_cast<std::size_t>(chapitre)] < 0)
                premierEnfant[static_cast<std::size_t>(chapitre)] = i;
        } else {
            chapitre = i;
            ++nbChapitres;
            if (premierChapitre < 0) premierChapitre = i;
        }
        if (dernier >= 0) {
            precedent[k] = dernier;
            suivant[static_cast<std::size_t>(dernier)] = i;
        }
        dernier = i;
    }
    if (premierChapitre < 0) return false;

    QByteArray ajout("\n");
    std::vector<qint64> positions;
    const auto objet = [&](int numero, const QByteArray& contenu) {
        positions.push_back(pdf.size() + ajout.size());
        ajout += QByteArray::number(numero) + " 0 obj\n<<\n" + contenu + ">>\nendobj\n";
    };
    const auto ref = [](int numero) { return QByteArray::number(numero) + " 0 R"; };
    objet(racine, "/Type /Catalog\n/Pages " + ref(pages.captured(1).toInt()) + "\n/Outlines " +
                      ref(taille) + "\n/PageMode /UseOutlines\n");
    objet(taille, "/Type /Outlines\n/First " + ref(premier + premierChapitre) + "\n/Last " +
                      ref(premier + dernierChapitre) + "\n/Count " +
                      QByteArray::number(nbChapitres) + "\n");
    for (int i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        QByteArray d = "/Title " + TexteUtf16(titres[k].Texte) + "\n/Parent " + ref(parent[k]) +
                       "\n/Dest [" + ref(objetsPages[titres[k].Page]) + " /XYZ 0 " +
                       QByteArray::number(titres[k].Hauteur, 'f', 1) + " null]\n";
        if (precedent[k] >= 0) d += "/Prev " + ref(premier + precedent[k]) + "\n";
        if (suivant[k] >= 0) d += "/Next " + ref(premier + suivant[k]) + "\n";
        if (premierEnfant[k] >= 0)
            d += "/First " + ref(premier + premierEnfant[k]) + "\n/Last " +
                 ref(premier + dernierEnfant[k]) + "\n/Count -" + QByteArray::number(enfants[k]) +
                 "\n";
        objet(premier + i, d);
    }
    const qint64 debutXref = pdf.size() + ajout.size();
    const auto entree = [](qint64 position) {
        return QByteArray::number(position).rightJustified(10, '0') + " 00000 n \n";
    };
    ajout += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(racine) + " 1\n" +
             entree(positions[0]) + QByteArray::number(taille) + " " + QByteArray::number(n + 1) +
             "\n";
    for (std::size_t i = 1; i < positions.size(); ++i) ajout += entree(positions[i]);
    ajout +=
        "trailer\n<<\n/Size " + QByteArray::number(premier + n) + "\n/Root " + ref(racine) + "\n";
    if (info >= 0) ajout += "/Info " + ref(info) + "\n";
    ajout += "/Prev " + QByteArray::number(xref) + "\n>>\nstartxref\n" +
             QByteArray::number(debutXref) + "\n%%EOF\n";
    return f.seek(pdf.size()) && f.write(ajout) == ajout.size();
}

bool Genere(const QString& source, const QString& sortie) {
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zyv-aide: cannot read %s\n", qPrintable(source));
        return false;
    }
    const QString texte = EspacesInsecables(QString::fromUtf8(entree.readAll()));

    QTextDocument document;
    QFont police(QStringLiteral("Liberation Sans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(10.5);
    document.setDefaultFont(police);
    document.setMarkdown(texte, QTextDocument::MarkdownDialectGitHub);
    if (document.isEmpty()) {
        std::fprintf(stderr, "zyv-aide: %s is empty\n", qPrintable(source));
        return false;
    }
    MetEnFormeBlocs(document);
    MetEnFormeTableaux(document);

    // Written beside the target first, so an interrupted build never leaves a truncated help file.
    const QString provisoire = sortie + QStringLiteral(".part");
    std::vector<Titre> titres;
    bool imprime = false;
    {
        QPdfWriter pdf(provisoire);
        pdf.setTitle(QStringLiteral("Aide ZYV"));
        pdf.setCreator(QStringLiteral("ZYV %1").arg(QString::fromLatin1(zyv::VersionZYV)));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(38, 36, 38, 36), QPageLayout::Millimeter));
        imprime = Imprime(document, pdf, titres);
    }
    if (!imprime || QFileInfo(provisoire).size() == 0 || !AjouteSignets(provisoire, titres)) {
        std::fprintf(stderr, "zyv-aide: cannot write %s\n", qPrintable(sortie));
        QFile::remove(provisoire);
        return false;
    }
    QFile::remove(sortie);
    if (!QFile::rename(provisoire, sortie)) {
        std::fprintf(stderr, "zyv-aide: cannot write %s\n", qPrintable(sortie));
        QFile::remove(provisoire);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zyv-aide <source.md> <output.pdf>\n");
        return 2;
    }
    return Genere(args.at(1), args.at(2)) ? 0 : 1;
}
