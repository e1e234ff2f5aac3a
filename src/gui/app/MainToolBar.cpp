#include "gui/app/MainToolBar.h"

#include <QAction>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct ButtonSpec
{
    QString key;
    QString caption;
    QString toolTip;
    QStyle::StandardPixmap icon;
};

QList<ButtonSpec> buttonSpecs()
{
    return {
        {u"New"_s, MainToolBar::tr("New"), MainToolBar::tr("Create new campaign"), QStyle::SP_FileIcon},
        {u"Open"_s, MainToolBar::tr("Open"), MainToolBar::tr("Select existing campaign"), QStyle::SP_DialogOpenButton},
        {u"Save"_s, MainToolBar::tr("Save"), MainToolBar::tr("Save campaign"), QStyle::SP_DialogSaveButton},
        {u"SaveAs"_s, MainToolBar::tr("Save As"), MainToolBar::tr("Save as..."), QStyle::SP_DialogSaveButton},
        {u"Help"_s, MainToolBar::tr("Help"), QString(), QStyle::SP_DialogHelpButton},
        {u"ask"_s, MainToolBar::tr("Ask"), MainToolBar::tr("Ask the Velmora"), QStyle::SP_MessageBoxQuestion},
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
        QAction *action = addAction(style()->standardIcon(spec.icon), spec.caption);
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
