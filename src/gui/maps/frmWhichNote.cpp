#include "gui/maps/frmWhichNote.h"

#include "gui/maps/DialogButtons.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

QList<MarkerChoice> MarkerChoice::of(const QList<oPlayer> &players)
{
    QList<MarkerChoice> choices;
    for (const oPlayer &player : players)
        choices.append({ player.name, player.name, player.mapKey });
    return choices;
}

QList<MarkerChoice> MarkerChoice::of(const QList<oObject> &objects)
{
    QList<MarkerChoice> choices;
    for (const oObject &object : objects)
        choices.append({ object.name, object.name, object.mapKey });
    return choices;
}

QList<MarkerChoice> MarkerChoice::of(const QList<oNote> &notes)
{
    QList<MarkerChoice> choices;
    for (const oNote &note : notes)
        choices.append({ note.key, note.content, note.mapKey });
    return choices;
}

frmWhichNote::frmWhichNote(QWidget *parent)
    : QDialog(parent)
    , m_list(new QTreeWidget(this))
{
    setObjectName(u"frmWhichNote"_s);
    m_list->setObjectName(u"lsvMarkers"_s);
    m_list->setRootIsDecorated(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    const auto choose = [this] {
        m_cancelled = false;
        accept();
    };
    QPushButton *ok = DialogButtons::add(*this, *layout, choose);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, choose);
    connect(m_list, &QTreeWidget::currentItemChanged, ok, [ok](QTreeWidgetItem *item) { ok->setEnabled(item); });
    ok->setEnabled(false);
}

void frmWhichNote::init(bool isNote, const QList<MarkerChoice> &markers, const QString &mapKey)
{
    setWindowTitle(isNote ? tr("Note Selection") : tr("Player Selection"));
    m_list->setHeaderLabels({ isNote ? tr("Mote") : tr("Player name") });
    m_list->clear();
    for (const MarkerChoice &marker : markers) {
        if (marker.mapKey != mapKey)
            continue;
        auto *item = new QTreeWidgetItem(m_list, { marker.text });
        item->setData(0, Qt::UserRole, marker.key);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

QString frmWhichNote::GetNoteID() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace Velmora
