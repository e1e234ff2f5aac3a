#include "gui/options/PictureShelf.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "gui/options/PictureBox.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ToolHost.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The built-in pictures: drawn, so that a window always has one even without its shipped file.
QPixmap builtInPicture(const QString &key)
{
    if (key == u"tip"_s)
        return PictureBox::drawnPicture({ 96, 160 }, u"?"_s);
    if (key == u"class"_s)
        return PictureBox::drawnPicture({ 200, 150 }, PictureShelf::tr("Classes"));
    return PictureBox::drawnPicture({ 240, 180 }, u"Velmora"_s);
}

} // namespace

PictureShelf::PictureShelf(ToolHost &host)
    : m_host(host)
{
}

PictureBox *PictureShelf::make(const QString &key, const QString &objectName, QWidget *parent)
{
    auto *box = new PictureBox(m_host.platform(), m_host.sounds(), builtInPicture(key), parent);
    box->setObjectName(objectName);
    box->showFile(m_table.fileToShow(m_host.folder(), key));
    QObject::connect(box, &PictureBox::replaced, box, [this, key](const QString &file) { replaced(key, file); });
    m_shown.append({ key, box });
    return box;
}

void PictureShelf::load(const QList<ImageEntry> &entries)
{
    m_table = PictureTable(entries);
    refresh();
}

void PictureShelf::replaced(const QString &key, const QString &file)
{
    // A key the campaign's table does not hold changes the picture on screen only.
    if (!m_table.setPath(key, m_host.folder().storedPath(file)))
        return;
    m_host.campaignSession().markModified();
    refresh();
    m_host.services().announce(SharedData::Pictures);
}

void PictureShelf::refresh()
{
    m_shown.removeIf([](const Shown &shown) { return shown.box.isNull(); });
    for (const Shown &shown : m_shown)
        shown.box->showFile(m_table.fileToShow(m_host.folder(), shown.key));
}

} // namespace Velmora
