#pragma once

#include "core/options/PictureTable.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>

namespace Velmora {

class PictureBox;
class ToolHost;

/// The program's picture table and the replaceable pictures that show it. Any window makes its
/// picture here (make()): the picture shows the table's file for its key, and a replacement
/// goes into the table, marks the campaign modified and is announced (SharedData::Pictures), so
/// that every picture of that key follows. The options tools provide it among the part services.
class PictureShelf
{
    Q_DECLARE_TR_FUNCTIONS(PictureShelf)

public:
    explicit PictureShelf(ToolHost &host);

    /// A picture of `key` named `objectName`, owned by `parent`.
    PictureBox *make(const QString &key, const QString &objectName, QWidget *parent = nullptr);

    const PictureTable &table() const { return m_table; }
    /// A campaign's IMAGES entries; every picture shows its file again.
    void load(const QList<ImageEntry> &entries);

private:
    void replaced(const QString &key, const QString &file);
    void refresh();

    struct Shown
    {
        QString key;
        QPointer<PictureBox> box;
    };

    ToolHost &m_host;
    PictureTable m_table = PictureTable::defaults();
    QList<Shown> m_shown;
};

} // namespace Velmora
