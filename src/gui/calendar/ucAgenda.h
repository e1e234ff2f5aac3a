#pragma once

#include "core/calendar/AgendaBook.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;
class QTreeView;

namespace Velmora {

class AgendaCellEditor;
class AppFolder;

/// The Agenda (a dated to-do list) or the Almanach (a dated event list): one year of the campaign
/// calendar as a page per month (tab strip `tbsMonth`, list views `lsvAgenda` indexed by month
/// number), a row per day whose "Events" text is edited in place, and, when moons are shown, a
/// column per moon with its phase pictures. The AgendaBook, which outlives the agenda, holds
/// everything shown; the pages only show and edit it.
class ucAgenda : public QWidget
{
    Q_OBJECT

public:
    /// The moon phase pictures are read from the application folder's "Icons" here, once.
    /// Shows `book` as showBook() does.
    ucAgenda(const AppFolder &folder, AgendaBook &book, bool showMoons, QWidget *parent = nullptr);
    ~ucAgenda() override;

    /// Starts over from the stored entries, the calendar's months with the campaign's start date
    /// (a date string), and the moons. `showMoons` is the program-wide option: with it, each page
    /// carries a column per moon.
    void init(const QList<DatedLine> &entries, const oCalendar &calendar, const QString &startDate,
              const QList<MoonRecord> &moons, bool showMoons);
    /// The filled days in calendar order, stamped with the year shown. An edit still open in
    /// `txtEdit` is not part of them: only Enter commits a text.
    QList<DatedLine> GetEntries() const;
    /// At least one day has text (an open edit does not count, as for GetEntries).
    bool IsThereEntries() const;
    AgendaBook &book() { return m_book; }
    /// Commits an edit still open in `txtEdit`, as Enter would. The main window calls it before
    /// the campaign is saved or the pages are rebuilt, so that text typed is never lost.
    void commitOpenEdit();
    /// The day of `date` (a date string) in front, its row selected and its text open in
    /// `txtEdit`, as a click on it opens it; nullptr when the pages have no such day.
    QPlainTextEdit *openDay(const QString &date);

signals:
    /// An edit was committed and changed a day's text.
    void changed();
    /// The year shown changed: the entries will be saved under the new year.
    void yearChanged();

private:
    void buildWidgets();
    /// Pages for what the book holds now.
    void showBook(bool showMoons);
    void loadMoonPictures(const AppFolder &folder);
    void clearPages();
    void buildPages();
    /// The page of `month` (from 1), made on first use.
    QTreeView *page(int month);
    QTreeView *makePage(int month, bool showMoons);
    void showDates();

    void tbsMonth_Click(int index);
    void cmdScrollY_Click(int index);
    void lsvAgenda_Click(QTreeView *page, const QModelIndex &index);
    /// Enter (commit) or Escape in the editor: it closes and the page has the focus again.
    void txtEdit_KeyDown(bool commit);
    void commitEdit();
    void closeEditor();

    AgendaBook &m_book;
    QList<QPixmap> m_imgMoons; ///< the phase pictures 1 to 8 at indexes 0 to 7
    QTabBar *m_tabs;
    QStackedWidget *m_pages;
    std::vector<QTreeView *> m_monthPages; ///< by month from 1; nullptr until first shown
    bool m_showMoons = false;
    AgendaCellEditor *m_editor;
    QLabel *m_startDate;        ///< lblCampaignStartDate(0): the start date as a date string
    QLabel *m_startDateNumeric; ///< lblCampaignStartDate(1): the same date as the clock shows it
    QLabel *m_year;
    QPointer<QTreeView> m_editedPage;
    QPersistentModelIndex m_editedCell; ///< invalid while no edit is open
};

} // namespace Velmora
