#include "gui/calendar/AgendaReportWindow.h"

#include "core/common/FileWriter.h"
#include "core/documents/RtfWriter.h"
#include "gui/documents/RichTextConverter.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr qreal ReportPointSize = 10;

/// The report is set in one fixed-pitch font so that its rules and indents line up on screen, on
/// paper and in the saved file; "Courier New" names it for word processors, the hint finds a
/// fixed-pitch font where that one is missing.
QFont reportFont()
{
    QFont font;
    font.setFamilies({u"Courier New"_s});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(ReportPointSize);
    return font;
}

} // namespace

AgendaReportWindow::AgendaReportWindow(Platform &platform, AgendaReport::Kind kind,
                                       const QList<AgendaReport::Line> &report, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_kind(kind)
    , m_report(new QTextEdit(this))
{
    setObjectName(u"AgendaReportWindow"_s);
    setWindowTitle(AgendaReport::Title(kind));
    resize(640, 480);

    m_report->setObjectName(u"rtbReport"_s);
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QTextEdit::NoWrap);
    // The widget's font is the document's default font; set it before the text goes in.
    m_report->setFont(reportFont());
    fillReport(*m_report->document(), report);

    auto *print = PushButtons::make(tr("Print..."), u"cmdPrint"_s, this);
    auto *saveAs = PushButtons::make(tr("Save as..."), u"cmdSaveAs"_s, this);
    auto *done = PushButtons::make(tr("Done"), u"cmdDone"_s, this);
    done->setDefault(true);
    connect(print, &QPushButton::clicked, this, &AgendaReportWindow::cmdPrint_Click);
    connect(saveAs, &QPushButton::clicked, this, &AgendaReportWindow::cmdSaveAs_Click);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(saveAs);
    buttons->addStretch();
    buttons->addWidget(done);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
}

void AgendaReportWindow::fillReport(QTextDocument &document, const QList<AgendaReport::Line> &lines)
{
    using Type = AgendaReport::Line::Type;
    document.clear();
    document.setDefaultFont(reportFont());
    // The size goes into every run so that a saved file keeps it. The title and the dates are
    // bold: they set each entry apart from its text.
    QTextCharFormat plain;
    plain.setFontPointSize(ReportPointSize);
    plain.setFontWeight(QFont::Normal);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);

    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    QTextCursor cursor(&document);
    bool first = true;
    for (const AgendaReport::Line &line : lines) {
        const QTextCharFormat &format = line.type == Type::Title || line.type == Type::EntryDate ? bold : plain;
        // An entry of several lines keeps the indent of its first line on every line.
        const QStringList parts = line.type == Type::EntryText ? line.text.split(lineBreak) : QStringList{line.text};
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (std::exchange(first, false))
                cursor.setBlockCharFormat(format);
            else
                cursor.insertBlock(QTextBlockFormat(), format);
            cursor.insertText(i == 0 ? parts.at(i) : u"     "_s + parts.at(i), format);
        }
    }
}

void AgendaReportWindow::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    const QString title = AgendaReport::Title(m_kind);
    printer.setDocName(title);
    if (!m_platform.choosePrinter(printer, title))
        return;
    // Laid out anew on the printer's pages; QTextDocument numbers them at the foot.
    m_report->document()->print(&printer);
}

void AgendaReportWindow::cmdSaveAs_Click()
{
    FileDialogRequest request;
    request.title = AgendaReport::SaveDialogTitle(m_kind);
    request.filter = AgendaReport::SaveFilter();
    request.initialFileName = AgendaReport::Title(m_kind) + u".rtf"_s;
    request.overwritePrompt = true;
    const FileDialogResult chosen = m_platform.saveFile(request);
    if (!chosen.accepted())
        return;
    const QByteArray rtf = RtfWriter::write(RichTextConverter::fromQTextDocument(*m_report->document()));
    if (const Result<void> written = FileWriter::writeAtomically(chosen.path, rtf); !written) {
        m_platform.exclamation(u"Velmora"_s,
                               tr("\"%1\" could not be saved.").arg(written.error().path) + u"\r\n"_s + written.error().message);
    }
}

} // namespace Velmora
