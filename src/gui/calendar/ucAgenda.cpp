#include "gui/calendar/ucAgenda.h"

#include "core/calendar/oCalendar.h"
#include "core/common/AppFolder.h"
#include "gui/calendar/AgendaCellEditor.h"
#include "gui/calendar/AgendaMonthModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int MoonPictureCount = 8;

QPushButton *yearButton(int index, const QString &caption, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(u"cmdScrollY"_s);
    button->setProperty("index", index);
    button->setToolTip(tip);
    return button;
}

} // namespace

ucAgenda::ucAgenda(const AppFolder &folder, AgendaBook &book, bool showMoons, QWidget *parent)
    : QWidget(parent)
    , m_book(book)
    , m_tabs(new QTabBar(this))
    , m_pages(new QStackedWidget(this))
    , m_editor(new AgendaCellEditor(this))
    , m_startDate(new QLabel(this))
    , m_startDateNumeric(new QLabel(this))
    , m_year(new QLabel(this))
{
    setObjectName(u"ucAgenda"_s);
    loadMoonPictures(folder);
    buildWidgets();
    connect(m_tabs, &QTabBar::currentChanged, this, &ucAgenda::tbsMonth_Click);
    // A click on the tab in front changes no page but still drops an open edit.
    connect(m_tabs, &QTabBar::tabBarClicked, this, &ucAgenda::closeEditor);
    connect(m_editor, &AgendaCellEditor::commitRequested, this, [this] { txtEdit_KeyDown(true); });
    connect(m_editor, &AgendaCellEditor::cancelRequested, this, [this] { txtEdit_KeyDown(false); });
    showBook(showMoons);
}

ucAgenda::~ucAgenda()
{
    // The pages read the book and the pictures, which go before QWidget deletes its children.
    clearPages();
}

void ucAgenda::loadMoonPictures(const AppFolder &folder)
{
    // A picture that cannot be read leaves its phase days blank.
    for (int phase = 1; phase <= MoonPictureCount; ++phase)
        m_imgMoons << QPixmap(folder.file(u"\\Icons\\Moon%1.png"_s.arg(phase)));
}

void ucAgenda::buildWidgets()
{
    m_tabs->setObjectName(u"tbsMonth"_s);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_startDate->setObjectName(u"lblCampaignStartDate"_s);
    m_startDate->setProperty("index", 0);
    m_startDateNumeric->setObjectName(u"lblCampaignStartDate"_s);
    m_startDateNumeric->setProperty("index", 1);
    m_year->setObjectName(u"lblCurrentYear"_s);

    auto *back = yearButton(0, tr("<"), tr("One year back"), this);
    auto *forward = yearButton(1, tr(">"), tr("One year on"), this);
    connect(back, &QPushButton::clicked, this, [this] { cmdScrollY_Click(0); });
    connect(forward, &QPushButton::clicked, this, [this] { cmdScrollY_Click(1); });

    auto *dates = new QGroupBox(tr(" Dates "), this);
    auto *year = new QHBoxLayout;
    year->addWidget(back);
    year->addWidget(m_year);
    year->addWidget(forward);
    year->addStretch();
    auto *grid = new QGridLayout(dates);
    grid->addWidget(new QLabel(tr("Starting date of campaign:"), dates), 0, 0);
    auto *start = new QHBoxLayout;
    start->addWidget(m_startDate);
    start->addSpacing(12);
    start->addWidget(m_startDateNumeric);
    start->addStretch();
    grid->addLayout(start, 0, 1);
    grid->addWidget(new QLabel(tr("Current year:"), dates), 1, 0);
    grid->addLayout(year, 1, 1);
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);
    layout->addSpacing(4);
    layout->addWidget(dates);
}

void ucAgenda::init(const QList<DatedLine> &entries, const oCalendar &calendar, const QString &startDate,
                    const QList<MoonRecord> &moons, bool showMoons)
{
    // The pages read the book: they go before it changes.
    closeEditor();
    clearPages();
    m_book.init(entries, calendar, startDate, moons);
    showBook(showMoons);
}

void ucAgenda::showBook(bool showMoons)
{
    closeEditor();
    clearPages();
    m_showMoons = showMoons;
    showDates();
    buildPages();
}

QList<DatedLine> ucAgenda::GetEntries() const
{
    return m_book.GetEntries();
}

bool ucAgenda::IsThereEntries() const
{
    return m_book.IsThereEntries();
}

void ucAgenda::showDates()
{
    const QString start = m_book.StartDate();
    m_startDate->setText(start);
    m_startDateNumeric->setText(start.isEmpty() ? QString() : oCalendar::FormatDateNumeric(start));
    m_year->setText(m_book.CurrentYear());
}

void ucAgenda::clearPages()
{
    // The editor lives on a page while it is open; it must not go with the page.
    m_editor->setParent(this);
    m_editor->hide();
    const QSignalBlocker blocker(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    while (QWidget *page = m_pages->widget(0)) {
        m_pages->removeWidget(page);
        delete page;
    }
    m_monthPages.clear();
}

void ucAgenda::buildPages()
{
    const QSignalBlocker blocker(m_tabs);
    if (m_book.PageCount() == 0) {
        m_tabs->addTab(AgendaBook::CalendarNotSetCaption());
        return;
    }
    for (int month = 1; month <= m_book.PageCount(); ++month)
        m_tabs->addTab(m_book.PageName(month));
    m_monthPages.assign(size_t(m_book.PageCount()), nullptr);
    m_tabs->setCurrentIndex(0);
    m_pages->setCurrentWidget(page(1));
}

QTreeView *ucAgenda::page(int month)
{
    // A month's page is made when it is first shown: a campaign opens with the first month in
    // front, and making every page at once slowed the program's start down.
    QTreeView *&page = m_monthPages[size_t(month - 1)];
    if (!page) {
        page = makePage(month, m_showMoons);
        m_pages->addWidget(page);
    }
    return page;
}

QTreeView *ucAgenda::makePage(int month, bool showMoons)
{
    auto *page = new QTreeView(m_pages);
    page->setObjectName(u"lsvAgenda"_s);
    page->setProperty("index", month);
    page->setRootIsDecorated(false);
    page->setItemsExpandable(false);
    page->setUniformRowHeights(false); // a text of several lines makes its row higher
    page->setAllColumnsShowFocus(true);
    page->setSelectionBehavior(QAbstractItemView::SelectRows);
    page->setSelectionMode(QAbstractItemView::SingleSelection);
    page->setEditTriggers(QAbstractItemView::NoEditTriggers);
    page->setModel(new AgendaMonthModel(m_book, month, showMoons, m_imgMoons, page));

    QHeaderView *header = page->header();
    header->setStretchLastSection(false);
    header->resizeSection(AgendaMonthModel::DateColumn, fontMetrics().horizontalAdvance(u"Date00"_s));
    header->setSectionResizeMode(AgendaMonthModel::EventsColumn, QHeaderView::Stretch);
    for (int column = AgendaMonthModel::FirstMoonColumn; column < page->model()->columnCount(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    connect(page, &QTreeView::clicked, this, [this, page](const QModelIndex &index) { lsvAgenda_Click(page, index); });
    return page;
}

void ucAgenda::tbsMonth_Click(int index)
{
    closeEditor();
    if (index >= 0 && index < int(m_monthPages.size()))
        m_pages->setCurrentWidget(page(index + 1));
}

void ucAgenda::cmdScrollY_Click(int index)
{
    // The pages stay as they are: the year shown is the year the entries are read back with.
    if (m_book.ScrollYear(index)) {
        m_year->setText(m_book.CurrentYear());
        emit yearChanged();
    }
}

void ucAgenda::lsvAgenda_Click(QTreeView *page, const QModelIndex &index)
{
    if (!index.isValid() || index.column() != AgendaMonthModel::EventsColumn)
        return;
    commitEdit();
    m_editedPage = page;
    m_editedCell = index;
    if (m_editor->parent() != page->viewport())
        m_editor->setParent(page->viewport());
    m_editor->open(index.data(Qt::EditRole).toString(), page->visualRect(index));
}

QPlainTextEdit *ucAgenda::openDay(const QString &date)
{
    const QStringList fields = date.split(u':');
    const int month = fields.value(1).toInt();
    const int day = fields.value(2).toInt();
    if (fields.size() != 3 || month < 1 || month > m_book.PageCount() || day < 1 || day > m_book.RowCount(month))
        return nullptr;
    m_tabs->setCurrentIndex(month - 1);
    QTreeView *shown = page(month);
    const QModelIndex cell = shown->model()->index(day - 1, AgendaMonthModel::EventsColumn);
    shown->setCurrentIndex(cell);
    shown->scrollTo(cell);
    lsvAgenda_Click(shown, cell);
    // A page just placed is shown and laid out at the next turn of the event loop: the editor
    // goes over its cell again then.
    QTimer::singleShot(0, this, [this] {
        if (m_editedCell.isValid() && m_editedPage) {
            const QRect cellRect = m_editedPage->visualRect(m_editedCell);
            m_editor->setGeometry(cellRect.left(), cellRect.top(), cellRect.width(), m_editor->height());
        }
    });
    return m_editor;
}

void ucAgenda::commitEdit()
{
    const QPersistentModelIndex cell = m_editedCell;
    QTreeView *page = m_editedPage;
    const bool edited = cell.isValid() && page && m_editor->isChanged();
    const QString text = m_editor->text();
    closeEditor();
    // The model takes only a text that differs from the day's.
    if (edited && page->model()->setData(cell, text))
        emit changed();
}

void ucAgenda::commitOpenEdit()
{
    if (m_editedCell.isValid())
        commitEdit();
}

void ucAgenda::closeEditor()
{
    m_editedCell = QPersistentModelIndex();
    m_editor->hide();
}

void ucAgenda::txtEdit_KeyDown(bool commit)
{
    QTreeView *page = m_editedPage;
    if (commit)
        commitEdit();
    else
        closeEditor();
    if (page)
        page->setFocus();
}

} // namespace Velmora
