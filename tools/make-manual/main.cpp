// Turns the manual's Markdown into Sondalog_help.pdf with Qt alone (QTextDocument + QPdfWriter): a contents
// page with each chapter's page, every chapter on a new page, pictures fitted to the page's width, and the
// page number at the foot of every page.
// Usage: sondalog-make-manual MANUAL.md OUT.pdf [TITLE]
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Heading {
    QTextBlock block;
    int level = 2;
};

/// Pictures wider than the text are drawn at its width, keeping their proportions.
void FitPictures(QTextDocument& document, const QDir& base, double width)
{
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat image = f.charFormat().toImageFormat();
            const QSize natural = QImageReader(base.filePath(image.name())).size();
            if (!natural.isValid()) {
                continue;
            }
            const double w = std::min(width, static_cast<double>(natural.width()));
            image.setWidth(w);
            image.setHeight(w * natural.height() / natural.width());
            QTextCursor c(&document);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(image);
        }
    }
}

/// Every chapter (level 2) starts a page; chapters and sections (level 3) go in the contents.
std::vector<Heading> Headings(QTextDocument& document)
{
    std::vector<Heading> headings;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 2 || level == 3) {
            headings.push_back({b, level});
        }
        if (level == 2) {
            QTextCursor c(b);
            QTextBlockFormat f = b.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.setBlockFormat(f);
        }
    }
    return headings;
}

int PageOf(QTextDocument& document, const QTextBlock& block, double pageHeight)
{
    document.pageCount();  // the layout is made lazily: finished first
    const double top = document.documentLayout()->blockBoundingRect(block).top();
    return static_cast<int>(std::floor(top / pageHeight)) + 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a build step: no display
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: sondalog-make-manual MANUAL.md OUT.pdf [TITLE]\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString title = argc == 4 ? QString::fromUtf8(argv[3]) : QStringLiteral("Sondalog — manuel de l'utilisateur");
    const QString contentsTitle = title.contains(QStringLiteral("manual")) ? QStringLiteral("Contents")
                                                                           : QStringLiteral("Table des matières");

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 16, 18, 12), QPageLayout::Millimeter);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Sondalog"));
    pdf.setResolution(96);
    const QRect paint = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const int footer = 28;
    const QSizeF page(paint.width(), paint.height() - footer);

    QTextDocument document;
    const QDir base = QFileInfo(source).absoluteDir();
    // Images are found beside the manual's source.
    document.setBaseUrl(QUrl::fromLocalFile(base.absolutePath() + QStringLiteral("/")));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    QFont font = document.defaultFont();
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setPageSize(page);
    FitPictures(document, base, page.width() - 2 * document.documentMargin());
    const std::vector<Heading> headings = Headings(document);

    // The contents, after the title: one row per heading, its page filled in once the pages are known.
    QTextCursor at(document.begin());
    at.movePosition(QTextCursor::EndOfBlock);
    QTextBlockFormat contentsHeading;
    contentsHeading.setHeadingLevel(3);
    contentsHeading.setTopMargin(12);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(13);
    at.insertBlock(contentsHeading, bold);
    at.insertText(contentsTitle);
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellPadding(1);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                           QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* table = at.insertTable(static_cast<int>(headings.size()), 2, tableFormat);
    QTextCharFormat plain;
    plain.setFontPointSize(10);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        QTextCursor cell = table->cellAt(static_cast<int>(i), 0).firstCursorPosition();
        QTextCharFormat f = plain;
        f.setFontWeight(headings[i].level == 2 ? QFont::Bold : QFont::Normal);
        cell.insertText((headings[i].level == 3 ? QStringLiteral("      ") : QString()) + headings[i].block.text(), f);
        QTextCursor number = table->cellAt(static_cast<int>(i), 1).firstCursorPosition();
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        number.setBlockFormat(right);
        number.insertText(QStringLiteral("000"), plain);
    }
    // The numbers' widths barely move the layout: twice settles them.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < headings.size(); ++i) {
            QTextCursor number = table->cellAt(static_cast<int>(i), 1).firstCursorPosition();
            number.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            number.insertText(QString::number(PageOf(document, headings[i].block, page.height())), plain);
        }
    }

    const int pages = document.pageCount();
    if (qEnvironmentVariableIsSet("MANUAL_DEBUG")) {
        for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
            const QRectF r = document.documentLayout()->blockBoundingRect(b);
            std::fprintf(stderr, "%8.1f %6.1f %s\n", r.top(), r.height(), b.text().left(40).toUtf8().constData());
        }
        std::fprintf(stderr, "page %f\n", page.height());
    }
    QPainter painter(&pdf);
    QFont footFont = font;
    footFont.setPointSize(8);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            pdf.newPage();
        }
        painter.save();
        painter.setClipRect(QRectF(0, 0, page.width(), page.height()));
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, page.height() + 6, page.width(), footer - 6), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(QRectF(0, page.height() + 6, page.width(), footer - 6), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
    return painter.end() ? 0 : 1;
}
