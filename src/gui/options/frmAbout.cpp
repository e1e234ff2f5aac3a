#include "gui/options/frmAbout.h"

#include "core/common/AppFolder.h"
#include "core/common/Version.h"
#include "gui/options/PictureBox.h"
#include "gui/options/PictureShelf.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLabel *makeLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmAbout::frmAbout(Platform &platform, const AppFolder &folder, PictureShelf &pictures, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("About Velmora"));
    QLabel *name = makeLabel(u"Velmora"_s, u"lblProductName"_s, this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    name->setFont(bold);
    const QString root = QDir::toNativeSeparators(folder.root());
    QPushButton *open
        = PushButtons::make(tr("Open Folder"), u"cmdOpenFolder"_s, this, tr("Open the application folder"));
    QPushButton *ok = PushButtons::make(tr("OK"), u"cmdOK"_s, this);
    connect(open, &QPushButton::clicked, this, [&platform, root] { platform.shellOpen(root); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(makeLabel(tr("Version %1").arg(Version::text()), u"lblVersion"_s, this));
    text->addWidget(makeLabel(tr("Built with Qt %1").arg(QStringLiteral(QT_VERSION_STR)), u"lblQtVersion"_s, this));
    text->addWidget(makeLabel(tr("Application folder:"), u"lblFolderCaption"_s, this));
    text->addWidget(makeLabel(root, u"lblAppFolder"_s, this));
    text->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(pictures.make(u"about"_s, u"AboutImage"_s, this), 0, Qt::AlignTop);
    body->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

} // namespace Velmora
