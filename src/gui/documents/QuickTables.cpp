#include "gui/documents/QuickTables.h"

#include "core/common/AppFolder.h"
#include "gui/documents/DocumentViewer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct TableSpec
{
    int frame;
    const char *caption;
    const char *file;
};

constexpr std::array<TableSpec, QuickTables::Count> Tables = { {
    { 0, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Objects"), "Library/Object Hardness and Hit Points.rtf" },
    { 0, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Substances"), "Library/Substance Hardness and Hit Points.rtf" },
    { 0, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Armor, Weapons, And Shields"),
        "Library/Common Armor Weapon and Shield Hardness and Hit Points.rtf" },
    { 1, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Mounts And Vehicles"), "Library/Mounts and Vehicles.rtf" },
    { 1, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Movement And Distance"), "Library/Movement and Distance.rtf" },
    { 1, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Terrain And Overland"),
        "Library/Terrain and Overland Movement.rtf" },
    { 1, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Hampered"), "Library/Hampered Movement.rtf" },
    { 2, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Actions In Combat"), "Library/Actions In Combat.rtf" },
    { 2, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Encounters"), "Library/Encounters.rtf" },
    { 2, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Exchange Value of Coins"), "Library/Exchange Value Of Coins.rtf" },
    { 2, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Light Sources And Illumination"),
        "Library/Light Sources And Illumination.rtf" },
    { 2, QT_TRANSLATE_NOOP("Velmora::QuickTables", "Skill Synergies"), "Library/Skill Synergies.rtf" },
} };

} // namespace

QuickTables::QuickTables(const AppFolder &folder, DocumentViewer *viewer, QWidget *parent)
    : QWidget(parent)
    , m_folder(folder)
    , m_viewer(viewer)
{
    setObjectName(u"QuickTables"_s);
    const QString frameCaptions[] = { tr("Hardness And HP"), tr("Movement"), tr("Misc. Tables") };
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    std::array<QVBoxLayout *, 3> frames {};
    for (int frame = 0; frame < 3; ++frame) {
        auto *box = new QGroupBox(frameCaptions[frame], this);
        box->setObjectName(u"fraQuickTables"_s);
        box->setProperty("index", frame);
        frames[size_t(frame)] = new QVBoxLayout(box);
        row->addWidget(box, 0, Qt::AlignTop);
    }
    for (int index = 0; index < Count; ++index) {
        const TableSpec &spec = Tables[size_t(index)];
        auto *button = new QPushButton(tr(spec.caption), this);
        button->setObjectName(u"ObjectsCommand"_s);
        button->setProperty("index", index);
        button->setToolTip(tr("Click to load file"));
        frames[size_t(spec.frame)]->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, index] { ObjectsCommand_Click(index); });
    }
    for (QVBoxLayout *frame : frames)
        frame->addStretch(1);
}

QString QuickTables::file(int index)
{
    return AppFolder::relativeForm(QString::fromLatin1(Tables.at(size_t(index)).file));
}

// The path goes above the viewer as for every other document shown there, so that the game
// master sees which file an edit would be saved to.
void QuickTables::ObjectsCommand_Click(int index)
{
    if (!m_viewer)
        return;
    m_viewer->AskSaveChanges();
    const QString path = m_folder.file(file(index));
    if (m_viewer->loadFile(path))
        m_viewer->showPath(path);
}

} // namespace Velmora
