#pragma once

#include <QStringList>
#include <QTextStream>

namespace Velmora {

/// velmora-cli rtf: converts rich-text documents.
///   rtf FILE --to text|html            the document as plain text or HTML on standard output
///   rtf FILE --from html --out OUT.rtf an HTML file written as RTF
/// HTML goes through the editor's own document (Qt Gui on the offscreen platform), so what the
/// command writes is what the notes editor would.
class RtfCommand
{
public:
    RtfCommand(QTextStream &out, QTextStream &err);
    /// `arguments` without the leading "rtf". Returns the exit code (0, 1 refused, 2 usage).
    int run(const QStringList &arguments);
    /// True when the arguments need a QGuiApplication (HTML in or out).
    static bool needsGui(const QStringList &arguments);

private:
    int toText(const QString &path, bool html);
    int fromHtml(const QString &path, const QString &out);
    int refuse(const QString &path, const QString &why);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace Velmora
