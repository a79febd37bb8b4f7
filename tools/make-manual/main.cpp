// Turns the manual's Markdown into Sondalog_help.pdf with Qt alone (QTextDocument + QPdfWriter).
// Usage: sondalog-make-manual MANUAL.md OUT.pdf
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a build step: no display
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sondalog-make-manual MANUAL.md OUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    // Images are found beside the manual's source.
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absolutePath() + QStringLiteral("/")));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    QFont font = document.defaultFont();
    font.setPointSize(10);
    document.setDefaultFont(font);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("Sondalog — manuel de l'utilisateur"));
    pdf.setCreator(QStringLiteral("Sondalog"));
    pdf.setResolution(96);
    document.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    document.print(&pdf);
    return 0;
}
