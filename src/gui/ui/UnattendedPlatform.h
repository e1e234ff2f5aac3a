#pragma once

#include "gui/ui/Platform.h"

namespace Velmora {

/// Runs the program without anyone at the screen (the screenshot start): every message box is
/// answered with the button that changes nothing, every dialog is cancelled, nothing plays and
/// nothing is opened. The clock, the random generator, the user name and the screen come from
/// the wrapped platform.
class UnattendedPlatform final : public Platform
{
public:
    explicit UnattendedPlatform(Platform &inner);

    MessageAnswer message(const QString &title, const QString &text, MessageButtons buttons,
                          MessageIcon icon) override;
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
    std::optional<QColor> chooseColour(const QColor &initial, const QString &title) override;
    std::optional<QFont> chooseFont(const QFont &initial, const QString &title) override;
    bool choosePrinter(QPrinter &printer, const QString &title) override;
    int execDialog(QDialog &dialog) override;
    void playSound(const QString &wavFile) override;
    void playSoundToEnd(const QString &) override {}
    void beep() override {}
    bool shellOpen(const QString &target) override;
    bool startProgram(const QString &path, const QString &parameters) override;
    void showHelp(const QString &helpFile) override;
    QString userName() override;
    QSize screenSize() override;
    Clock &clock() override;
    RandomSource &random() override;

private:
    Platform &m_inner;
};

} // namespace Velmora
