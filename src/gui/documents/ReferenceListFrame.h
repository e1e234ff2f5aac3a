#pragma once

#include <QGroupBox>
#include <QList>

class QStandardItemModel;
class QTreeView;

namespace Velmora {

class ReferenceList;

/// One reference list on its tab: a frame with the list's caption around the list view
/// lsvClass of the list's index. Shipped classes are shown in blue. It reports clicks and
/// context-menu requests with the list's index.
class ReferenceListFrame : public QGroupBox
{
    Q_OBJECT

public:
    ReferenceListFrame(int index, const QString &caption, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QTreeView *view() const { return m_view; }
    void show(const ReferenceList &list);
    /// The selected row, -1 when none.
    int selectedRow() const;
    void clearSelection();

signals:
    void itemClicked(int index, int row);
    void menuRequested(int index, const QPoint &globalAt);

private:
    int m_index;
    QTreeView *m_view;
    QStandardItemModel *m_model;
};

} // namespace Velmora
