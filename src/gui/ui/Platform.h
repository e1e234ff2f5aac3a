#pragma once

#include "core/common/Clock.h"
#include "core/common/RandomSource.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

class QDialog;
class QPrinter;

namespace Velmora {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

/// What an open or save dialog is asked to show.
struct FileDialogRequest
{
    QString title;
    /// Pairs of description and pattern joined by "|": "Velmora 4.0 (*.vlf)|*.vlf|Zip (*.zip)|*.zip".
    /// A pattern may hold several masks joined by ";".
    QString filter;
    int selectedFilter = 0;   ///< 0-based index of the pair shown first
    QString initialFolder;
    QString initialFileName;  ///< a bare name, or a full path that also gives the folder
    bool overwritePrompt = false; ///< save dialogs: ask before replacing an existing file
    bool fileMustExist = false;   ///< open dialogs: only existing files can be chosen
    bool pathMustExist = true;

    bool operator==(const FileDialogRequest &) const = default;
};

/// What the user chose in an open or save dialog. An empty path means the dialog was cancelled.
struct FileDialogResult
{
    QString path;
    int filterIndex = -1; ///< 0-based index of the pair in use when the dialog closed

    bool accepted() const { return !path.isEmpty(); }
};

/// Every interaction of the program with the desktop goes through here: message boxes, the
/// common dialogs, sound, the shell, the user's name, the screen, the clock and the random
/// generator. Windows receive a Platform& in their constructor; the program passes QtPlatform,
/// tests pass ScriptedPlatform, which records every call and answers from a script.
class Platform
{
public:
    virtual ~Platform() = default;

    /// A modal message box. Lines of `text` are joined by CR LF, as the program's messages are
    /// written; they are shown as line breaks. Returns the button pressed.
    virtual MessageAnswer message(const QString &title, const QString &text, MessageButtons buttons,
                                  MessageIcon icon) = 0;

    virtual FileDialogResult openFile(const FileDialogRequest &request) = 0;
    virtual FileDialogResult saveFile(const FileDialogRequest &request) = 0;
    /// std::nullopt when cancelled.
    virtual std::optional<QColor> chooseColour(const QColor &initial, const QString &title) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial, const QString &title) = 0;
    /// The print dialog: sets up `printer` (which printer, pages, copies) for a print job called
    /// `title`. False when cancelled; nothing is printed then.
    virtual bool choosePrinter(QPrinter &printer, const QString &title) = 0;

    /// Runs one of the program's own dialogs modally and returns its QDialog::DialogCode.
    /// Windows open their dialogs through this so that tests can drive them without exec().
    virtual int execDialog(QDialog &dialog) = 0;

    /// Starts playing a WAV file and returns at once, without running the event loop. A file that
    /// cannot be played, or a machine without sound output, plays nothing and reports nothing.
    virtual void playSound(const QString &wavFile) = 0;
    /// The same, but returns only when the sound has had its time to play, still without running
    /// the event loop: for the sound the program ends with.
    virtual void playSoundToEnd(const QString &wavFile) = 0;
    /// The system's warning beep, for a refused entry.
    virtual void beep() = 0;
    /// The shell's "open" on a file or a web address. False when nothing could open it.
    virtual bool shellOpen(const QString &target) = 0;
    /// The shell's "open" on a program with its parameters (a custom tool's command line), in a
    /// normal window; no parameters when `parameters` is empty. False when it could not start.
    virtual bool startProgram(const QString &path, const QString &parameters) = 0;
    /// Opens the help window on an HTML page (a file path), or brings it to the front.
    virtual void showHelp(const QString &helpFile) = 0;

    /// The logged-on user's name: the part after "\" of a domain-qualified name, else the plain
    /// logon name.
    virtual QString userName() = 0;
    /// The primary screen in pixels.
    virtual QSize screenSize() = 0;
    virtual Clock &clock() = 0;
    /// The one program-wide random generator.
    virtual RandomSource &random() = 0;

    // Shorthands for the program's usual boxes.
    void information(const QString &title, const QString &text);
    void exclamation(const QString &title, const QString &text);
    /// Yes/No with the question icon; true for Yes.
    bool question(const QString &title, const QString &text);

    /// The answer of a box nobody answers: the button that changes nothing (No, Cancel), or OK.
    static MessageAnswer defaultAnswer(MessageButtons buttons);
};

} // namespace Velmora
