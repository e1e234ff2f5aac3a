#include "support/gui/ScriptedPlatform.h"

#include <algorithm>

#include <QDialog>
#include <QFileInfo>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace Velmora {

QString ScriptedPlatform::Call::summary() const
{
    switch (kind) {
    case Kind::Message: return u"message "_s + title + u": "_s + text;
    case Kind::OpenFile: return u"open-dialog "_s + title;
    case Kind::SaveFile: return u"save-dialog "_s + title;
    case Kind::Colour: return u"colour-dialog "_s + title;
    case Kind::Font: return u"font-dialog "_s + title;
    case Kind::Printer: return u"print-dialog "_s + title;
    case Kind::Dialog: return u"dialog "_s + target;
    case Kind::Sound: return u"sound "_s + QFileInfo(target).fileName();
    case Kind::ShellOpen: return u"shell "_s + target;
    case Kind::Help: return u"help "_s + QFileInfo(target).fileName();
    case Kind::Note: break;
    }
    return text;
}

ScriptedPlatform::Call &ScriptedPlatform::record(Kind kind, const QString &title, const QString &target)
{
    Call call;
    call.kind = kind;
    call.title = title;
    call.target = target;
    m_calls << call;
    return m_calls.last();
}

void ScriptedPlatform::note(const QString &text)
{
    record(Kind::Note).text = text;
}

QList<ScriptedPlatform::Call> ScriptedPlatform::callsOf(Kind kind) const
{
    QList<Call> found;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(found),
                 [kind](const Call &call) { return call.kind == kind; });
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
    return static_cast<int>(m_answers.size() + m_files.size() + m_fonts.size() + m_printers.size() + m_dialogs.size());
}

MessageAnswer ScriptedPlatform::message(const QString &title, const QString &text, MessageButtons buttons,
                                        MessageIcon icon)
{
    Call &call = record(Kind::Message, title);
    call.text = text;
    call.buttons = buttons;
    call.icon = icon;
    return next(m_answers, defaultAnswer(buttons));
}

FileDialogResult ScriptedPlatform::fileDialog(Kind kind, const FileDialogRequest &request)
{
    record(kind, request.title).request = request;
    FileDialogResult result = next(m_files);
    if (!result.accepted())
        return {};
    if (result.filterIndex < 0)
        result.filterIndex = request.selectedFilter;
    return result;
}

bool ScriptedPlatform::choosePrinter(QPrinter &printer, const QString &title)
{
    record(Kind::Printer, title);
    const QString pdf = next(m_printers);
    if (pdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}

int ScriptedPlatform::execDialog(QDialog &dialog)
{
    record(Kind::Dialog, dialog.windowTitle(), dialog.objectName());
    return m_dialogs.isEmpty() ? int(QDialog::Rejected) : m_dialogs.dequeue()(dialog);
}

} // namespace Velmora
