#include "ui/qt_printer.h"

#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <string_view>
#include <utility>
#include <vector>

namespace pennant {
namespace {

// The name a print job goes by in the printer's queue and as a file.
const QString kDocName = QStringLiteral("Pennant95");

QString qtText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

NoPrinterHandler& noPrinterHandler() {
    static NoPrinterHandler handler = showPrintPreview;
    return handler;
}

void setUpPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(kDocName);
}

// Where the preview offers to save the PDF unless the user names another file.
QString suggestedPdfPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::homePath();
    return QDir(dir).filePath(kDocName + QStringLiteral(".pdf"));
}

}  // namespace

bool paintDocument(const PrintDocument& document, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter starts in the printer's default font; columns are measured in it.
    const QFontMetricsF metrics(painter.font(), &printer);
    const TextWidth width = [&metrics](std::string_view text) { return metrics.horizontalAdvance(qtText(text)); };
    const std::vector<PlacedLine> lines = layOut(document, width, metrics.averageCharWidth());

    // Painter coordinates start at the printable area the printer gives.
    const double pageHeight = printer.height();
    double top = 0;
    for (const PlacedLine& line : lines) {
        // A line that is not whole on this page goes on the next one; the
        // first line of a page always goes, however small the page.
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        for (const PlacedItem& item : line) painter.drawText(QPointF(item.x, top + metrics.ascent()), qtText(item.text));
        top += metrics.lineSpacing();
    }
    return painter.end();
}

bool printDocument(const PrintDocument& document, QWidget* parent) {
    return printDocument(document, parent, QPrinterInfo::defaultPrinter());
}

bool printDocument(const PrintDocument& document, QWidget* parent, const QPrinterInfo& printerInfo) {
    if (printerInfo.isNull()) {
        const NoPrinterHandler& handler = noPrinterHandler();
        return handler ? handler(document, parent) : showPrintPreview(document, parent);
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    printer.setDocName(kDocName);
    return paintDocument(document, printer);
}

bool printDocumentToPdf(const PrintDocument& document, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, path);
    return paintDocument(document, printer);
}

bool showPrintPreview(const PrintDocument& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    // No printer to send it to: the dialog's Print writes a PDF file.
    setUpPdf(printer, suggestedPdfPath());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QStringLiteral("Print Preview (no printer found)"));
    // Ctrl+P prints from here as it does from the main window; the dialog's
    // own Print has no key.
    for (QAction* action : dialog.findChildren<QAction*>())
        if (action->text() == QPrintPreviewDialog::tr("Print")) action->setShortcut(QKeySequence::Print);
    // The preview paints the pages, and so does Print, on the printer the
    // user chose; what counts is whether that last painting worked.
    bool painted = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { painted = paintDocument(document, *target); });
    return dialog.exec() == QDialog::Accepted && painted;
}

NoPrinterHandler setNoPrinterHandler(NoPrinterHandler handler) {
    return std::exchange(noPrinterHandler(), std::move(handler));
}

}  // namespace pennant
