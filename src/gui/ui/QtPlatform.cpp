#include "gui/ui/QtPlatform.h"

#include "gui/ui/FileFilterList.h"
#include "gui/ui/HelpWindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// The first button is the default one, as in the program's message boxes everywhere.
QMessageBox::StandardButton firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Abort:
        return MessageAnswer::Abort;
    case QMessageBox::Ignore:
        return MessageAnswer::Ignore;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return Platform::defaultAnswer(buttons);
    }
}

} // namespace

QtPlatform::QtPlatform()
    : m_random(m_clock.timerTicks())
{
}

QtPlatform::~QtPlatform()
{
    delete m_help.data();
}

QString QtPlatform::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    return shown;
}

QString QtPlatform::plainUserName(const QString &qualified)
{
    const qsizetype slash = qualified.lastIndexOf(u'\\');
    return slash < 0 ? qualified : qualified.mid(slash + 1);
}

MessageAnswer QtPlatform::message(const QString &title, const QString &text, MessageButtons buttons,
                                  MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), title, displayText(text), standardButtons(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(firstButton(buttons));
    return answerOf(box.exec(), buttons);
}

FileDialogResult QtPlatform::runFileDialog(const FileDialogRequest &request, bool save)
{
    const FileFilterList filters(request.filter);
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList qtFilters = filters.qtFilters();
    if (!qtFilters.isEmpty()) {
        dialog.setNameFilters(qtFilters);
        dialog.selectNameFilter(qtFilters.value(request.selectedFilter, qtFilters.first()));
    }
    QString initial = request.initialFileName;
    initial.replace(u'\\', u'/');
    const QString folder = QDir::fromNativeSeparators(request.initialFolder);
    if (QFileInfo(initial).isAbsolute()) {
        dialog.setDirectory(QFileInfo(initial).absolutePath());
        dialog.selectFile(QFileInfo(initial).fileName());
    } else {
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        if (!initial.isEmpty())
            dialog.selectFile(initial);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const int filterIndex = filters.indexOf(dialog.selectedNameFilter());
    QString chosen = dialog.selectedFiles().constFirst();
    if (save)
        chosen = filters.withDefaultExtension(chosen, filterIndex);
    if (request.pathMustExist && !QFileInfo(QFileInfo(chosen).absolutePath()).isDir())
        return {};
    return {chosen, filterIndex};
}

FileDialogResult QtPlatform::openFile(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

FileDialogResult QtPlatform::saveFile(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QColor> QtPlatform::chooseColour(const QColor &initial, const QString &title)
{
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<QFont> QtPlatform::chooseFont(const QFont &initial, const QString &title)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), title);
    if (!ok)
        return std::nullopt;
    return font;
}

bool QtPlatform::choosePrinter(QPrinter &printer, const QString &title)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

int QtPlatform::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void QtPlatform::playSound(const QString &wavFile)
{
    m_sound.play(wavFile);
}

void QtPlatform::playSoundToEnd(const QString &wavFile)
{
    m_sound.playToEnd(wavFile);
}

void QtPlatform::beep()
{
    QApplication::beep();
}

bool QtPlatform::shellOpen(const QString &target)
{
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const QString &path, const QString &parameters)
{
    // Without parameters a document opens in its program, as the shell opens it; with them
    // the path is a program, started on its own with the parameters split as a shell would.
    if (parameters.isEmpty())
        return shellOpen(path);
    return QProcess::startDetached(path, QProcess::splitCommand(parameters));
}

void QtPlatform::showHelp(const QString &helpFile)
{
    if (!m_help) {
        m_help = new HelpWindow;
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showFile(helpFile);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

QString QtPlatform::userName()
{
#if defined(Q_OS_UNIX)
    if (const passwd *entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return plainUserName(QString::fromLocal8Bit(entry->pw_name));
#endif
    const QString fromEnvironment = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return plainUserName(fromEnvironment);
}

QSize QtPlatform::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

} // namespace Velmora
