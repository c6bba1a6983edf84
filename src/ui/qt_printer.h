// Putting a print document on paper through Qt: the default printer in its
// default font, one column being the font's average character width. With
// no printer the document is shown in a print preview, from which the user
// can still print it to a PDF file.
#pragma once

#include <QString>

#include <functional>

#include "print/print_document.h"

class QPrinter;
class QPrinterInfo;
class QWidget;

namespace pennant {

// Prints on the default printer; with none, hands the document to the
// no-printer handler (the preview). False when nothing reached a printer or
// a file, so the caller can say so.
bool printDocument(const PrintDocument& document, QWidget* parent);

// The same on the given printer; a null QPrinterInfo means "no printer".
bool printDocument(const PrintDocument& document, QWidget* parent, const QPrinterInfo& printer);

// Writes the document to a PDF file laid out as on a printer page.
bool printDocumentToPdf(const PrintDocument& document, const QString& path);

// Paints the document onto a printer that is set up but not yet begun:
// lines one after another at the font's line spacing, a new page when one
// is full. False when the printer cannot be begun or a page not started.
bool paintDocument(const PrintDocument& document, QPrinter& printer);

// What happens to a document when there is no printer. The program shows a
// modal QPrintPreviewDialog; tests put in one that does not wait for a user.
using NoPrinterHandler = std::function<bool(const PrintDocument&, QWidget* parent)>;

// The preview: true when the user printed the document from it.
bool showPrintPreview(const PrintDocument& document, QWidget* parent);

// Replaces the handler and returns the one it replaces (an empty handler
// restores the preview).
NoPrinterHandler setNoPrinterHandler(NoPrinterHandler handler);

}  // namespace pennant
