#pragma once

#include "core/persistence/CampaignModel.h"
#include "core/search/CampaignSearch.h"
#include "gui/ui/ToolHost.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace Velmora {

/// "Find in Campaign": a word searched in every text of the campaign (CampaignSearch), the
/// matches listed with their place and line. The match in front is shown below the list, its
/// place's text with the match selected, and the tab that holds the place comes to the front.
/// Choosing a match (a double-click, Enter or "&Go To") closes the window with it as chosenHit(),
/// for the part that shows its place to open it there; a match whose part cannot open it is only
/// shown.
class CampaignSearchDialog : public QDialog
{
    Q_OBJECT

public:
    /// `opensInPlace` tells a place that a part opens in its own window (by its "where"); without
    /// it every match is only shown.
    CampaignSearchDialog(ToolHost &host, CampaignModel model, QWidget *parent = nullptr,
        std::function<bool(const QString &)> opensInPlace = {});

    /// The tab that shows a place: Docs for the notes, Classes for the class lists, Resources for
    /// the other lists, Tools for the Battle Box notes, User for the agenda and almanach, Maps
    /// for the map notes.
    static MainTab tabOf(const QString &where);

    /// Searches the campaign for the typed text and lists the matches.
    void cmdFind_Click();
    /// Searches `text` with `options`, as typed and ticked.
    void search(const QString &text, CampaignSearch::Options options);
    /// Shows the match of list row `row`.
    void showHit(int row);
    /// Chooses the match of list row `row`: the window closes with it, or shows it when no part
    /// opens its place.
    void chooseHit(int row);

    /// The match chosen, once the window closed on it.
    const std::optional<SearchHit> &chosenHit() const { return m_chosen; }
    /// The text and options of the last search.
    const QString &searched() const { return m_searched; }
    CampaignSearch::Options options() const { return m_options; }

private:
    struct Found
    {
        qsizetype place;
        SearchHit hit;
    };

    ToolHost &m_host;
    CampaignModel m_model;
    std::function<bool(const QString &)> m_opensInPlace;
    QString m_searched;
    CampaignSearch::Options m_options;
    std::optional<SearchHit> m_chosen;
    QList<SearchPlace> m_places;
    QList<Found> m_found;
    QLineEdit *m_text = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QTreeWidget *m_hits = nullptr;
    QLabel *m_place = nullptr;
    QPlainTextEdit *m_viewer = nullptr;
    QPushButton *m_goTo = nullptr;
};

} // namespace Velmora
