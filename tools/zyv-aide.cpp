// Turns the help text (Markdown) into the PDF shown by the program's help window.
//   zyv-aide <source.md> <output.pdf>
#include "core/data/Version.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

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
    {
        QPdfWriter pdf(provisoire);
        pdf.setTitle(QStringLiteral("Aide ZYV"));
        pdf.setCreator(QStringLiteral("ZYV %1").arg(QString::fromLatin1(zyv::VersionZYV)));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        // Without a page size of its own the document paginates on the writer's page and numbers
        // the pages.
        document.print(&pdf);
    }
    if (QFileInfo(provisoire).size() == 0) {
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
