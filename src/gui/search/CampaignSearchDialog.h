#pragma once

#include "core/persistence/CampaignModel.h"
#include "core/search/CampaignSearch.h"
#include "gui/ui/ToolHost.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;

namespace Velmora {

/// "Find in Campaign": a word searched in every text of the campaign (CampaignSearch), the
/// matches listed with their place and line. Choosing a match brings the tab that holds its place
/// to the front and shows the place's text below the list with the match selected.
class CampaignSearchDialog : public QDialog
{
    Q_OBJECT

public:
    CampaignSearchDialog(ToolHost &host, CampaignModel model, QWidget *parent = nullptr);

    /// The tab that shows a place: Docs for the notes, Classes for the class lists, Resources for
    /// the other lists, Tools for the Battle Box notes, User for the agenda and almanach, Maps
    /// for the map notes.
    static MainTab tabOf(const QString &where);

    /// Searches the campaign for the typed text and lists the matches.
    void cmdFind_Click();
    /// Shows the match of list row `row`.
    void showHit(int row);

private:
    struct Found
    {
        qsizetype place;
        SearchHit hit;
    };

    ToolHost &m_host;
    CampaignModel m_model;
    QList<SearchPlace> m_places;
    QList<Found> m_found;
    QLineEdit *m_text = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QTreeWidget *m_hits = nullptr;
    QLabel *m_place = nullptr;
    QPlainTextEdit *m_viewer = nullptr;
};

} // namespace Velmora
