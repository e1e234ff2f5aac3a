#include "gui/search/CampaignSearchDialog.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/PushButtons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

CampaignSearchDialog::CampaignSearchDialog(
    ToolHost &host, CampaignModel model, QWidget *parent, std::function<bool(const QString &)> opensInPlace)
    : QDialog(parent)
    , m_host(host)
    , m_model(std::move(model))
    , m_opensInPlace(std::move(opensInPlace))
{
    setObjectName(u"frmFindInCampaign"_s);
    setWindowTitle(tr("Find in Campaign"));
    auto *column = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    m_text = new QLineEdit(this);
    m_text->setObjectName(u"txtFind"_s);
    m_wholeWord = new QCheckBox(tr("Whole word"), this);
    m_wholeWord->setObjectName(u"chkWholeWord"_s);
    m_matchCase = new QCheckBox(tr("Match case"), this);
    m_matchCase->setObjectName(u"chkMatchCase"_s);
    QPushButton *find = PushButtons::make(tr("&Find"), u"cmdFind"_s, this);
    row->addWidget(m_text, 1);
    row->addWidget(m_wholeWord);
    row->addWidget(m_matchCase);
    row->addWidget(find);
    column->addLayout(row);
    m_hits = new QTreeWidget(this);
    m_hits->setObjectName(u"lsvHits"_s);
    m_hits->setHeaderLabels({tr("Where"), tr("Line")});
    m_hits->setRootIsDecorated(false);
    m_hits->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    column->addWidget(m_hits, 1);
    m_place = new QLabel(this);
    m_place->setObjectName(u"lblPlace"_s);
    column->addWidget(m_place);
    m_viewer = new QPlainTextEdit(this);
    m_viewer->setObjectName(u"txtPlace"_s);
    m_viewer->setReadOnly(true);
    column->addWidget(m_viewer, 1);
    auto *buttons = new QHBoxLayout;
    m_goTo = PushButtons::make(tr("&Go To"), u"cmdGoTo"_s, this);
    m_goTo->setEnabled(false);
    QPushButton *close = PushButtons::make(tr("Close"), u"cmdClose"_s, this);
    buttons->addStretch();
    buttons->addWidget(m_goTo);
    buttons->addWidget(close);
    column->addLayout(buttons);
    resize(640, 480);
    connect(find, &QPushButton::clicked, this, &CampaignSearchDialog::cmdFind_Click);
    connect(m_text, &QLineEdit::returnPressed, this, &CampaignSearchDialog::cmdFind_Click);
    connect(m_hits, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem *item) { showHit(item ? m_hits->indexOfTopLevelItem(item) : -1); });
    connect(m_hits, &QTreeWidget::itemActivated, this,
        [this](QTreeWidgetItem *item) { chooseHit(m_hits->indexOfTopLevelItem(item)); });
    connect(m_goTo, &QPushButton::clicked, this,
        [this] { chooseHit(m_hits->indexOfTopLevelItem(m_hits->currentItem())); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

MainTab CampaignSearchDialog::tabOf(const QString &where)
{
    if (where.startsWith(u"notes:"_s))
        return MainTab::Docs;
    if (where.startsWith(u"list:0:"_s) || where.startsWith(u"list:1:"_s))
        return MainTab::Classes;
    if (where.startsWith(u"list:"_s))
        return MainTab::Resources;
    if (where.startsWith(u"map-note:"_s))
        return MainTab::Maps;
    if (where == u"battlebox-notes"_s)
        return MainTab::Tools;
    return MainTab::User;
}

// The documents are read again at every search, so that a document saved meanwhile is found.
void CampaignSearchDialog::cmdFind_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    search(m_text->text(), {m_wholeWord->isChecked(), m_matchCase->isChecked()});
}

void CampaignSearchDialog::search(const QString &text, CampaignSearch::Options options)
{
    m_text->setText(text);
    m_wholeWord->setChecked(options.wholeWord);
    m_matchCase->setChecked(options.matchCase);
    m_searched = text;
    m_options = options;
    m_hits->clear();
    m_found.clear();
    m_viewer->clear();
    m_place->clear();
    m_goTo->setEnabled(false);
    m_places = CampaignSearch(m_host.folder()).places(m_model);
    for (qsizetype place = 0; place < m_places.size(); ++place) {
        for (const SearchHit &hit : CampaignSearch::find(m_places.at(place), text, options)) {
            m_found.append({place, hit});
            auto *item = new QTreeWidgetItem(m_hits, {hit.where, hit.context});
            item->setToolTip(0, hit.path);
        }
    }
}

void CampaignSearchDialog::showHit(int row)
{
    if (row < 0 || row >= m_found.size())
        return;
    const Found &found = m_found.at(row);
    m_goTo->setEnabled(true);
    m_host.showTab(tabOf(found.hit.where));
    const QString key = found.hit.key.isEmpty() ? QString() : u" ("_s + found.hit.key + u')';
    m_place->setText((found.hit.path.isEmpty() ? found.hit.where : found.hit.path) + key);
    m_viewer->setPlainText(m_places.at(found.place).text);
    QTextCursor cursor(m_viewer->document());
    cursor.setPosition(int(found.hit.start));
    cursor.setPosition(int(found.hit.start + found.hit.length), QTextCursor::KeepAnchor);
    m_viewer->setTextCursor(cursor);
    m_viewer->ensureCursorVisible();
}

void CampaignSearchDialog::chooseHit(int row)
{
    if (row < 0 || row >= m_found.size())
        return;
    if (!m_opensInPlace || !m_opensInPlace(m_found.at(row).hit.where)) {
        showHit(row);
        return;
    }
    m_chosen = m_found.at(row).hit;
    accept();
}

} // namespace Velmora
