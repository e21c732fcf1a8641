#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Writes the document as RTF 1.x: every font family and colour the text uses, character formatting
// per fragment and one paragraph per block. The result is plain ASCII; all other characters are
// written as \uN escapes so that any word processor reads them regardless of its code page.
QByteArray documentToRtf(const QTextDocument& document);

// Writes documentToRtf(document) to path. The file is replaced only when the whole text was
// written, so a failed save leaves an earlier file intact. On failure returns false and, when
// error is given, puts the reason there as a sentence that does not repeat the path.
bool saveRtf(const QTextDocument& document, const QString& path, QString* error);
