#include "support/gui/ScriptedPlatform.h"

#include <QDialog>
#include <QFileInfo>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace Velmora {

QString ScriptedPlatform::Call::summary() const
{
    switch (kind) {
    case Kind::Message:
        return u"message "_s + title + u": "_s + text;
    case Kind::OpenFile:
        return u"open-dialog "_s + request.title;
    case Kind::SaveFile:
        return u"save-dialog "_s + request.title;
    case Kind::Colour:
        return u"colour-dialog "_s + title;
    case Kind::Font:
        return u"font-dialog "_s + title;
    case Kind::Printer:
        return u"print-dialog "_s + title;
    case Kind::Dialog:
        return u"dialog "_s + target;
    case Kind::Sound:
        return u"sound "_s + QFileInfo(target).fileName();
    case Kind::ShellOpen:
        return u"shell "_s + target;
    case Kind::Help:
        return u"help "_s + QFileInfo(target).fileName();
    case Kind::Note:
        break;
    }
    return text;
}

void ScriptedPlatform::answerMessage(MessageAnswer answer)
{
    m_answers.enqueue(answer);
}

void ScriptedPlatform::answerFile(const QString &path, int filterIndex)
{
    m_files.enqueue({path, filterIndex});
}

void ScriptedPlatform::answerColour(std::optional<QColor> colour)
{
    m_colours.enqueue(colour);
}

void ScriptedPlatform::answerFont(std::optional<QFont> font)
{
    m_fonts.enqueue(font);
}

void ScriptedPlatform::answerPrinter(const QString &pdfPath)
{
    m_printers.enqueue(pdfPath);
}

void ScriptedPlatform::answerDialog(std::function<int(QDialog &)> handler)
{
    m_dialogs.enqueue(std::move(handler));
}

void ScriptedPlatform::note(const QString &text)
{
    Call call;
    call.text = text;
    m_calls << call;
}

QList<ScriptedPlatform::Call> ScriptedPlatform::callsOf(Kind kind) const
{
    QList<Call> found;
    for (const Call &call : m_calls) {
        if (call.kind == kind)
            found << call;
    }
    return found;
}

QStringList ScriptedPlatform::trace() const
{
    QStringList lines;
    for (const Call &call : m_calls)
        lines << call.summary();
    return lines;
}

QStringList ScriptedPlatform::sounds() const
{
    QStringList files;
    for (const Call &call : callsOf(Kind::Sound))
        files << QFileInfo(call.target).fileName();
    return files;
}

int ScriptedPlatform::unusedAnswers() const
{
    return static_cast<int>(m_answers.size() + m_files.size() + m_colours.size() + m_fonts.size() + m_printers.size()
                            + m_dialogs.size());
}

MessageAnswer ScriptedPlatform::message(const QString &title, const QString &text, MessageButtons buttons,
                                        MessageIcon icon)
{
    Call call;
    call.kind = Kind::Message;
    call.title = title;
    call.text = text;
    call.buttons = buttons;
    call.icon = icon;
    m_calls << call;
    return m_answers.isEmpty() ? defaultAnswer(buttons) : m_answers.dequeue();
}

FileDialogResult ScriptedPlatform::answerFileDialog(Kind kind, const FileDialogRequest &request)
{
    Call call;
    call.kind = kind;
    call.title = request.title;
    call.request = request;
    m_calls << call;
    if (m_files.isEmpty())
        return {};
    FileDialogResult result = m_files.dequeue();
    if (!result.accepted())
        return {};
    if (result.filterIndex < 0)
        result.filterIndex = request.selectedFilter;
    return result;
}

FileDialogResult ScriptedPlatform::openFile(const FileDialogRequest &request)
{
    return answerFileDialog(Kind::OpenFile, request);
}

FileDialogResult ScriptedPlatform::saveFile(const FileDialogRequest &request)
{
    return answerFileDialog(Kind::SaveFile, request);
}

std::optional<QColor> ScriptedPlatform::chooseColour(const QColor &, const QString &title)
{
    Call call;
    call.kind = Kind::Colour;
    call.title = title;
    m_calls << call;
    return m_colours.isEmpty() ? std::nullopt : m_colours.dequeue();
}

std::optional<QFont> ScriptedPlatform::chooseFont(const QFont &, const QString &title)
{
    Call call;
    call.kind = Kind::Font;
    call.title = title;
    m_calls << call;
    return m_fonts.isEmpty() ? std::nullopt : m_fonts.dequeue();
}

bool ScriptedPlatform::choosePrinter(QPrinter &printer, const QString &title)
{
    Call call;
    call.kind = Kind::Printer;
    call.title = title;
    m_calls << call;
    const QString pdf = m_printers.isEmpty() ? QString() : m_printers.dequeue();
    if (pdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}

int ScriptedPlatform::execDialog(QDialog &dialog)
{
    Call call;
    call.kind = Kind::Dialog;
    call.title = dialog.windowTitle();
    call.target = dialog.objectName();
    m_calls << call;
    return m_dialogs.isEmpty() ? int(QDialog::Rejected) : m_dialogs.dequeue()(dialog);
}

void ScriptedPlatform::playSound(const QString &wavFile)
{
    Call call;
    call.kind = Kind::Sound;
    call.target = wavFile;
    m_calls << call;
}

void ScriptedPlatform::playSoundToEnd(const QString &wavFile)
{
    playSound(wavFile);
    m_calls.last().text = QStringLiteral("to its end");
}

bool ScriptedPlatform::shellOpen(const QString &target)
{
    Call call;
    call.kind = Kind::ShellOpen;
    call.target = target;
    m_calls << call;
    return m_shellOpens;
}

void ScriptedPlatform::showHelp(const QString &helpFile)
{
    Call call;
    call.kind = Kind::Help;
    call.target = helpFile;
    m_calls << call;
}

} // namespace Velmora
