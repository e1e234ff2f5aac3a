#pragma once

#include "gui/ui/Platform.h"
#include "support/ScriptedRandomSource.h"
#include "support/gui/ScriptedClock.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace Velmora {

/// The platform of GUI tests. Records every call in order and answers from a script:
/// message boxes take the next queued answer (or the button that changes nothing: No, Cancel,
/// OK), file dialogs the next queued file (or cancel), our own dialogs run the next queued
/// handler instead of exec() (or are rejected). Colour and font dialogs are cancelled, the shell
/// opens everything, the user is "gamemaster". Nothing is shown, played or opened.
///
///     ScriptedPlatform platform;
///     platform.answerMessage(MessageAnswer::Yes);
///     platform.answerFile(u"/tmp/x.vlf"_s);
///     ... run the code ...
///     QCOMPARE(platform.trace(), QStringList{u"message Save New Campaign: Do you ..."_s, ...});
///     QCOMPARE(platform.calls().at(0).text, u"Line one\r\nLine two"_s);
class ScriptedPlatform final : public Platform
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Colour, Font, Printer, Dialog, Sound, ShellOpen, Help, Note };

    struct Call
    {
        Kind kind = Kind::Note;
        QString title;          ///< message box, file dialog, colour/font dialog, our dialog's window title
        QString text;           ///< message text as given (CR LF kept), the note, or "to its end" (sound)
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        FileDialogRequest request; ///< open and save dialogs
        QString target;         ///< sound file, shell target, help file, our dialog's objectName

        /// One line per call, for comparing whole sequences: "message <title>: <text>",
        /// "open-dialog <title>", "save-dialog <title>", "colour-dialog <title>",
        /// "font-dialog <title>", "print-dialog <title>", "dialog <objectName>", "sound <file name>", "shell <target>",
        /// "help <file name>", or the note itself.
        QString summary() const;
    };

    // The script.
    void answerMessage(MessageAnswer answer) { m_answers.enqueue(answer); }
    /// "" cancels. `filterIndex` -1: the filter the request selected.
    void answerFile(const QString &path, int filterIndex = -1) { m_files.enqueue({path, filterIndex}); }
    /// The font dialog's choice; std::nullopt cancels it. Unscripted, it is cancelled.
    void answerFont(std::optional<QFont> font) { m_fonts.enqueue(font); }
    /// The print dialog prints to this PDF file; "" cancels it. Unscripted, it is cancelled.
    void answerPrinter(const QString &pdfPath) { m_printers.enqueue(pdfPath); }
    /// Runs instead of exec(); returns the dialog code (for instance after accept()).
    void answerDialog(std::function<int(QDialog &)> handler) { m_dialogs.enqueue(std::move(handler)); }
    void setScreenSize(QSize size) { m_screen = size; }
    ScriptedRandomSource &scriptedRandom() { return m_random; }
    ScriptedClock &scriptedClock() { return m_clock; }
    /// Adds a line to the record, so that fakes of other seams show up in the same sequence.
    void note(const QString &text);

    // The record.
    const QList<Call> &calls() const { return m_calls; }
    QList<Call> callsOf(Kind kind) const;
    QStringList trace() const;
    /// The file names (without folder) of the sounds played, in order.
    QStringList sounds() const;
    void clearCalls() { m_calls.clear(); }
    /// Scripted answers not used yet (messages, files, printers, dialogs).
    int unusedAnswers() const;

    MessageAnswer message(const QString &title, const QString &text, MessageButtons buttons,
                          MessageIcon icon) override;
    FileDialogResult openFile(const FileDialogRequest &request) override { return fileDialog(Kind::OpenFile, request); }
    FileDialogResult saveFile(const FileDialogRequest &request) override { return fileDialog(Kind::SaveFile, request); }
    std::optional<QColor> chooseColour(const QColor &, const QString &title) override
    {
        record(Kind::Colour, title);
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont &, const QString &title) override
    {
        record(Kind::Font, title);
        return next(m_fonts);
    }
    bool choosePrinter(QPrinter &printer, const QString &title) override;
    int execDialog(QDialog &dialog) override;
    void playSound(const QString &wavFile) override { record(Kind::Sound, {}, wavFile); }
    void playSoundToEnd(const QString &wavFile) override { record(Kind::Sound, {}, wavFile).text = u"to its end"_qs; }
    void beep() override { note(u"beep"_qs); }
    bool shellOpen(const QString &target) override
    {
        record(Kind::ShellOpen, {}, target);
        return true;
    }
    /// Recorded as a shell call: "shell <path> <parameters>".
    bool startProgram(const QString &path, const QString &parameters) override
    {
        record(Kind::ShellOpen, {}, parameters.isEmpty() ? path : path + u' ' + parameters);
        return true;
    }
    void showHelp(const QString &helpFile) override { record(Kind::Help, {}, helpFile); }
    QString userName() override { return QStringLiteral("gamemaster"); }
    QSize screenSize() override { return m_screen; }
    Clock &clock() override { return m_clock; }
    RandomSource &random() override { return m_random; }

private:
    /// Appends a call of `kind` to the record and returns it for the details.
    Call &record(Kind kind, const QString &title = {}, const QString &target = {});
    FileDialogResult fileDialog(Kind kind, const FileDialogRequest &request);
    /// The next scripted answer of `queue`, or `unscripted` when there is none.
    template<typename T> static T next(QQueue<T> &queue, T unscripted = {})
    {
        return queue.isEmpty() ? unscripted : queue.dequeue();
    }

    QList<Call> m_calls;
    QQueue<MessageAnswer> m_answers;
    QQueue<FileDialogResult> m_files;
    QQueue<std::optional<QFont>> m_fonts;
    QQueue<QString> m_printers;
    QQueue<std::function<int(QDialog &)>> m_dialogs;
    QSize m_screen{1280, 1024};
    ScriptedRandomSource m_random;
    ScriptedClock m_clock;
};

} // namespace Velmora
