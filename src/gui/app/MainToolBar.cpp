#include "gui/app/MainToolBar.h"

#include "gui/ui/ToolIconEngine.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct ButtonSpec
{
    QString key;
    QString caption;
    QString toolTip;
    ToolIconEngine::Glyph icon;
};

using Glyph = ToolIconEngine::Glyph;

QList<ButtonSpec> buttonSpecs()
{
    return {
        {u"New"_s, MainToolBar::tr("New"), MainToolBar::tr("Create new campaign"), Glyph::Page},
        {u"Open"_s, MainToolBar::tr("Open"), MainToolBar::tr("Select existing campaign"), Glyph::Folder},
        {u"Save"_s, MainToolBar::tr("Save"), MainToolBar::tr("Save campaign"), Glyph::Disk},
        {u"SaveAs"_s, MainToolBar::tr("Save As"), MainToolBar::tr("Save as..."), Glyph::DiskWithPen},
        {u"Help"_s, MainToolBar::tr("Help"), QString(), Glyph::Help},
        {u"ask"_s, MainToolBar::tr("Ask"), MainToolBar::tr("Ask the Velmora"), Glyph::Question},
    };
}

} // namespace

MainToolBar::MainToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(u"tbToolBar"_s);
    setWindowTitle(tr("Toolbar"));
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const ButtonSpec &spec : buttonSpecs()) {
        QAction *action = addAction(QIcon(new ToolIconEngine(spec.icon)), spec.caption);
        action->setObjectName(spec.key);
        action->setData(spec.key);
        if (!spec.toolTip.isEmpty())
            action->setToolTip(spec.toolTip);
        const QString key = spec.key;
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClick(key); });
    }
}

QStringList MainToolBar::keys()
{
    QStringList result;
    for (const ButtonSpec &spec : buttonSpecs())
        result << spec.key;
    return result;
}

QAction *MainToolBar::button(const QString &key) const
{
    for (QAction *action : actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

} // namespace Velmora
