#include "gui/archive/frmArchiveBuild.h"

#include "core/archive/clsZip_Zip.h"
#include "gui/archive/ArchiveWorkBar.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The leaf boxes, in the order of the groups of files they add.
const QStringList &leafNames()
{
    static const QStringList names { u"chkVLF"_s, u"chkSounds"_s, u"chkImages"_s, u"chkNotes"_s, u"chkBBLinked"_s,
        u"chkClasses_Std"_s, u"chkClasses_Prest"_s, u"chkCharacters"_s, u"chkLibrary"_s, u"chkMaps"_s, u"chkMapIcons"_s,
        u"chkLinks"_s, u"chkArticles"_s, u"chkNetBooks"_s };
    return names;
}

} // namespace

frmArchiveBuild::frmArchiveBuild(
    Platform &platform, AppFolder folder, CampaignModel model, QString campaignPath, QString userName, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_folder(std::move(folder))
    , m_model(std::move(model))
    , m_campaignPath(std::move(campaignPath))
    , m_userName(std::move(userName))
    , m_txtArchiveName(new QLineEdit(this))
    , m_txtComments(new QPlainTextEdit(tr("Enter any comments here"), this))
    , m_work(new ArchiveWorkBar(this))
{
    setObjectName(u"frmArchiveBuild"_s);
    setWindowTitle(tr("Build ZIP Archive"));
    m_txtArchiveName->setObjectName(u"txtArchiveName"_s);
    m_txtComments->setObjectName(u"txtComments"_s);
    const QStringList captions { tr("..."), tr("Build"), tr("Close") };
    for (int i = 0; i < captions.size(); ++i)
        m_cmbArchive << PushButtons::make(captions[i], u"cmbArchive"_s, this, {}, i);
    QWidget *boxes = layoutBoxes();

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Archive name to be built:"), this));
    nameRow->addWidget(m_txtArchiveName, 1);
    nameRow->addWidget(m_cmbArchive[0]);
    auto *commentsFrame = new QGroupBox(tr(" Archive Comments "), this);
    (new QVBoxLayout(commentsFrame))->addWidget(m_txtComments);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmbArchive[1]);
    buttons->addWidget(m_cmbArchive[2]);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(boxes);
    layout->addLayout(nameRow);
    layout->addWidget(commentsFrame);
    layout->addLayout(buttons);
    layout->addWidget(m_work);

    // At first only the campaign file is chosen, and Build waits for an archive name.
    ++m_updating;
    for (QCheckBox *box : std::as_const(m_boxes))
        box->setChecked(box->objectName() == u"chkVLF");
    for (auto it = m_remembered.begin(); it != m_remembered.end(); ++it)
        it.value() = it.key()->isChecked();
    --m_updating;
    m_cmbArchive[1]->setEnabled(false);
    connect(m_txtArchiveName, &QLineEdit::textChanged, this,
        [this](const QString &text) { m_cmbArchive[1]->setEnabled(!text.isEmpty() && !isWorking()); });
    connect(m_cmbArchive[0], &QPushButton::clicked, this, &frmArchiveBuild::cmdBrowse_Click);
    connect(m_cmbArchive[1], &QPushButton::clicked, this, &frmArchiveBuild::cmdBuild_Click);
    connect(m_cmbArchive[2], &QPushButton::clicked, this, &frmArchiveBuild::reject);
    m_work->showStatus(ArchiveBuildPlan::preparingText(m_campaignPath));
}

frmArchiveBuild::~frmArchiveBuild() { m_work->stop(); }

bool frmArchiveBuild::isWorking() const { return m_work->isWorking(); }

QCheckBox *frmArchiveBuild::addBox(const QString &name, const QString &caption)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    m_boxes.insert(name, box);
    return box;
}

// Members of a group include the sub-groups (classes, resources, docs): their own state comes
// back too when the outer group is cleared, and it brings back their members'.
void frmArchiveBuild::makeGroup(QCheckBox *group, const QList<QCheckBox *> &members)
{
    for (QCheckBox *member : members) {
        m_remembered.insert(member, false);
        connect(member, &QCheckBox::toggled, this, [this, member](bool on) {
            if (m_updating == 0)
                m_remembered[member] = on;
        });
    }
    connect(group, &QCheckBox::toggled, this, [this, members](bool on) {
        ++m_updating;
        for (QCheckBox *member : members) {
            member->setChecked(on || m_remembered.value(member));
            member->setEnabled(!on);
        }
        --m_updating;
    });
}

QWidget *frmArchiveBuild::layoutBoxes()
{
    QCheckBox *campaign = addBox(u"chkCampaign"_s, tr("Include all campaign documents "));
    QCheckBox *vlf = addBox(u"chkVLF"_s, tr("Include VLF file"));
    QCheckBox *sounds = addBox(u"chkSounds"_s, tr("Include sound collection"));
    QCheckBox *images = addBox(u"chkImages"_s, tr("Include forms image collection"));
    QCheckBox *documents = addBox(u"chkDocuments"_s, tr("Include all referenced documents "));
    QCheckBox *notes = addBox(u"chkNotes"_s, tr("Include 'Notes', 'Game last played' and 'NPCs have met'"));
    QCheckBox *bbLinked = addBox(u"chkBBLinked"_s, tr("Incluse all 'Linked Battle Boxes' files"));
    QCheckBox *classes = addBox(u"chkClasses_Top"_s, tr("Include all classes"));
    QCheckBox *std = addBox(u"chkClasses_Std"_s, tr("Include only 'Standard' classes"));
    QCheckBox *prest = addBox(u"chkClasses_Prest"_s, tr("Include onbly 'Prestige' classes"));
    QCheckBox *misc = addBox(u"chkMisc"_s, tr("Include all 'Resources.' tab documents"));
    QCheckBox *characters = addBox(u"chkCharacters"_s, tr("Include all 'Characters' documents"));
    QCheckBox *library = addBox(u"chkLibrary"_s, tr("Include all 'Library' documents"));
    QCheckBox *maps = addBox(u"chkMaps"_s, tr("Include complete map collection"));
    QCheckBox *mapIcons = addBox(u"chkMapIcons"_s, tr("Include all icons used in all maps"));
    QCheckBox *docTab = addBox(u"chkDocTab"_s, tr("Include all 'Docs.' tab documents"));
    QCheckBox *links = addBox(u"chkLinks"_s, tr("Include all 'Links' documents"));
    QCheckBox *articles = addBox(u"chkArticles"_s, tr("Include all 'Articles' documents"));
    QCheckBox *netBooks = addBox(u"chkNetBooks"_s, tr("Include all 'NetBooks' documents"));
    makeGroup(campaign, { vlf, sounds, images });
    makeGroup(documents, { notes, bbLinked, classes, maps, mapIcons, misc, docTab });
    makeGroup(classes, { std, prest });
    makeGroup(misc, { characters, library });
    makeGroup(docTab, { links, articles, netBooks });

    auto *frame = new QWidget(this);
    auto *columns = new QHBoxLayout(frame);
    const auto column = [&](QCheckBox *group, const QList<QCheckBox *> &rows) {
        auto *box = new QGroupBox(frame);
        auto *list = new QVBoxLayout(box);
        list->addWidget(group);
        for (QCheckBox *row : rows) {
            // Members of a sub-group stand further in.
            const bool inner = row == std || row == prest || row == characters || row == library || row == links
                || row == articles || row == netBooks;
            row->setContentsMargins(inner ? 40 : 20, 0, 0, 0);
            list->addWidget(row);
        }
        list->addStretch();
        columns->addWidget(box);
    };
    column(campaign, { vlf, sounds, images });
    column(documents,
        { notes, bbLinked, classes, std, prest, misc, characters, library, maps, mapIcons, docTab, links, articles,
            netBooks });
    return frame;
}

ArchiveBuildPlan::Groups frmArchiveBuild::chosenGroups() const
{
    ArchiveBuildPlan::Groups groups;
    for (int i = 0; i < leafNames().size(); ++i)
        groups.set(size_t(i), m_boxes.value(leafNames()[i])->isChecked());
    return groups;
}

void frmArchiveBuild::cmdBrowse_Click()
{
    FileDialogRequest request;
    request.title = tr("Archive Name");
    request.filter = tr("Zip (*.zip)|*.zip");
    request.selectedFilter = 0;
    request.initialFolder = m_folder.root() + u"/Campaigns"_s;
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const FileDialogResult chosen = m_platform.saveFile(request);
    if (chosen.accepted())
        m_txtArchiveName->setText(chosen.path);
}

void frmArchiveBuild::cmdBuild_Click()
{
    if (isWorking() || m_txtArchiveName->text().isEmpty())
        return;
    // The comment's own lines end as its signature line does, in CR LF.
    QString text = m_txtComments->toPlainText();
    text.replace(u"\n"_s, u"\r\n"_s);
    const QString comment = ArchiveBuildPlan::comment(text, m_userName);
    const ArchiveBuildPlan plan(m_model, m_campaignPath, m_folder, chosenGroups());
    const QString archive = m_txtArchiveName->text();
    AppFolder folder = m_folder;
    setWorking(true);
    m_work->start(
        [plan, archive, comment, folder](
            const ArchiveJob::Status &status, const ArchiveJob::Progress &progress, const ArchiveJob::Stop &stop) {
            clsZip_Zip zip(folder);
            plan.build(zip, archive, comment, status, stop, progress);
        },
        [this] { setWorking(false); });
}

void frmArchiveBuild::setWorking(bool working)
{
    m_cmbArchive[0]->setEnabled(!working);
    m_cmbArchive[1]->setEnabled(!working && !m_txtArchiveName->text().isEmpty());
    m_txtArchiveName->setReadOnly(working);
}

// Closing while the archive is being built stops it first: no partial archive is left.
void frmArchiveBuild::reject()
{
    m_work->stop();
    QDialog::reject();
}

} // namespace Velmora
