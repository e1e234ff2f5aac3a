#pragma once

#include "gui/ui/Platform.h"
#include "gui/ui/WavPlayer.h"

#include <QPointer>

namespace Velmora {

class HelpWindow;

/// The desktop as Qt offers it: QMessageBox, QFileDialog, QColorDialog, QFontDialog, Qt
/// Multimedia for sound, QDesktopServices for the shell. Dialogs open over the active window.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer message(const QString &title, const QString &text, MessageButtons buttons,
                          MessageIcon icon) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::optional<QColor> chooseColour(const QColor &initial, const QString &title) override;
    std::optional<QFont> chooseFont(const QFont &initial, const QString &title) override;
    bool choosePrinter(QPrinter &printer, const QString &title) override;
    int execDialog(QDialog &dialog) override;
    void playSound(const QString &wavFile) override;
    void playSoundToEnd(const QString &wavFile) override;
    void beep() override;
    bool shellOpen(const QString &target) override;
    bool startProgram(const QString &path, const QString &parameters) override;
    void showHelp(const QString &helpFile) override;
    QString userName() override;
    QSize screenSize() override;
    Clock &clock() override { return m_clock; }
    RandomSource &random() override { return m_random; }

    /// Message text as a message box shows it: CR LF (and lone CR) become line breaks.
    static QString displayText(const QString &text);
    /// The part after the last "\" of a domain-qualified user name; the name itself otherwise.
    static QString plainUserName(const QString &qualified);

private:
    FileDialogResult runFileDialog(const FileDialogRequest &request, bool save);

    SystemClock m_clock;
    MersenneRandomSource m_random;
    WavPlayer m_sound;
    QPointer<HelpWindow> m_help;
};

} // namespace Velmora
