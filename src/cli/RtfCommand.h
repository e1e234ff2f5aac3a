#pragma once

#include <QByteArray>

#include <optional>

class QCommandLineParser;
class QString;

namespace Velmora {

class CliCall;

/// velmora-cli rtf: converts rich-text documents.
///   rtf FILE --to text|html            the document as plain text or HTML on standard output
///   rtf FILE --from html --out OUT.rtf an HTML file written as RTF
/// HTML goes through the editor's own document (Qt Gui on the offscreen platform), so what the
/// command writes is what the notes editor would.
class RtfCommand
{
public:
    static int run(CliCall &call);
    /// True when the parsed command line needs a QGuiApplication (HTML in or out).
    static bool needsGui(const QCommandLineParser &parser);

private:
    /// The input file's bytes; none (after saying why) when it is refused.
    static std::optional<QByteArray> readInput(CliCall &call);
    static int toText(CliCall &call, bool html);
    static int fromHtml(CliCall &call, const QString &out);
};

} // namespace Velmora
