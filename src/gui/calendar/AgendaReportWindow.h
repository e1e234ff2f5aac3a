#pragma once

#include "core/calendar/AgendaReport.h"

#include <QDialog>
#include <QList>

class QTextDocument;
class QTextEdit;

namespace Velmora {

class Platform;

/// The collated report of the Agenda or the Almanach: the report in rich text, read-only, with
/// "Print...", "Save as..." (a rich-text file) and "Done". The main window runs it through
/// Platform::execDialog.
class AgendaReportWindow : public QDialog
{
    Q_OBJECT

public:
    /// `report` as AgendaReport::Collate builds it.
    AgendaReportWindow(Platform &platform, AgendaReport::Kind kind, const QList<AgendaReport::Line> &report,
                       QWidget *parent = nullptr);

    /// Sets the report's lines into `document`, replacing what it held.
    static void fillReport(QTextDocument &document, const QList<AgendaReport::Line> &lines);

private:
    void cmdPrint_Click();
    void cmdSaveAs_Click();

    Platform &m_platform;
    AgendaReport::Kind m_kind;
    QTextEdit *m_report;
};

} // namespace Velmora
