#include "gui/options/frmOptions.h"

#include "core/common/AppFolder.h"
#include "core/options/OptionsRules.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"
#include "gui/ui/StepButton.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QTreeWidget *makeList(const QString &name, const QStringList &columns, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLineEdit *makeField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

int selectedRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

// The rows of the label captions page, in the order of the LABELS items.
QString FrameLabels::*const kCaptionMembers[4]
    = { &FrameLabels::links, &FrameLabels::articles, &FrameLabels::netBooks, &FrameLabels::webSites };

} // namespace

frmOptions::frmOptions(Platform &platform, const SoundCuePlayer &sounds, const AppFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_sounds(sounds)
    , m_folder(folder)
    , m_tabs(new QTabWidget(this))
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(tr("Options"));
    m_tabs->setObjectName(u"tbsOptions"_s);
    m_tabs->addTab(buildGeneral(), tr("General"));
    m_tabs->setTabToolTip(0, tr("Set application level options"));
    m_tabs->addTab(buildSounds(), tr("Sounds"));
    m_tabs->setTabToolTip(1, tr("Set options for sounds"));
    m_tabs->addTab(buildTools(), tr("Custom Tools"));
    // Our wording: the tooltip of this tab is left to us.
    m_tabs->setTabToolTip(2, tr("Start other programs from the application's Tools menu"));
    m_tabs->addTab(buildCaptions(), tr("Label Captions"));
    m_tabs->setTabToolTip(3, tr("Recaption labels"));

    QPushButton *ok = PushButtons::make(tr("OK"), u"cmdOK"_s, this);
    QPushButton *apply = PushButtons::make(tr("Apply"), u"cmdApply"_s, this);
    QPushButton *cancel = PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit applied(values());
        accept();
    });
    connect(apply, &QPushButton::clicked, this, [this] { emit applied(values()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

QWidget *frmOptions::buildGeneral()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    const QString captions[GeneralBoxCount] = {
        tr("Will load last opened campaign on re-opening."),
        tr("Will display defined moons in agenda and almanach"),
        tr("Will display tips on next application startup."),
        tr("Will play sounds on opening, closing, saving and clicking,"),
        tr("Autosave: will save on closing without prompting"),
    };
    for (int i = 0; i < GeneralBoxCount; ++i) {
        m_general[i] = new QCheckBox(captions[i], page);
        m_general[i]->setObjectName(u"chkGeneral"_s);
        m_general[i]->setProperty("index", i);
        layout->addWidget(m_general[i]);
    }

    auto *frame = new QGroupBox(page);
    frame->setObjectName(u"fraAutoSave"_s);
    m_autoSave = new QCheckBox(tr("Automated Saving"), frame);
    m_autoSave->setObjectName(u"chkAutoSave"_s);
    m_interval = makeField(u"txtAutosave"_s, frame);
    m_interval->setValidator(new QIntValidator(1, 32767, m_interval));
    m_interval->setMaximumWidth(48);
    m_intervalLabels = { new QLabel(tr("Save every "), frame), new QLabel(tr(" minutes"), frame) };
    for (int i = 0; i < 2; ++i) {
        m_intervalLabels[i]->setObjectName(u"lblAutosave"_s);
        m_intervalLabels[i]->setProperty("index", i);
    }
    m_arrows = { new StepButton(u"cmdAutosaveUp"_s, Qt::UpArrow, tr("Maximal time: 15 mins."), frame),
        new StepButton(u"cmdAutosaveDown"_s, Qt::DownArrow, tr("Minimal time: 5 mins"), frame) };
    auto *row = new QHBoxLayout;
    row->addWidget(m_intervalLabels[0]);
    row->addWidget(m_interval);
    row->addWidget(m_arrows[0]);
    row->addWidget(m_arrows[1]);
    row->addWidget(m_intervalLabels[1]);
    row->addStretch();
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_autoSave);
    frameLayout->addLayout(row);
    layout->addWidget(frame);
    connect(m_autoSave, &QCheckBox::toggled, this, &frmOptions::chkAutoSave_Toggled);
    connect(m_arrows[0], &QToolButton::clicked, this, &frmOptions::cmdAutosaveUp_Click);
    connect(m_arrows[1], &QToolButton::clicked, this, &frmOptions::cmdAutosaveDown_Click);

    QPushButton *reset
        = PushButtons::make(tr("Reset lists..."), u"cmdResetLists"_s, page, tr("Reset list columns to default  width"));
    connect(reset, &QPushButton::clicked, this, [this] {
        m_sounds.play(SoundEvent::Click);
        emit resetListsRequested();
    });
    layout->addWidget(reset, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QWidget *frmOptions::buildSounds()
{
    auto *page = new QWidget;
    m_soundList = makeList(u"lsvSounds"_s, { tr("Event"), tr("Sound short path") }, page);
    m_soundKey = makeField(u"txtSoundKey"_s, page);
    m_soundKey->setReadOnly(true);
    // The path comes from the file dialog only, so that every sound is inside the Sounds folder.
    m_soundPath = makeField(u"txtSoundPath"_s, page);
    m_soundPath->setReadOnly(true);
    QPushButton *choose = PushButtons::make(tr("..."), u"cmdSoundPath"_s, page, tr("Choose the sound file"));
    // An empty path plays the sound the program ships: "Default" is the way back to it.
    m_soundDefault = PushButtons::make(
        tr("Default"), u"cmdSoundDefault"_s, page, tr("Play the sound the program comes with for this event"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_soundPath, 1);
    pathRow->addWidget(choose);
    pathRow->addWidget(m_soundDefault);
    auto *fields = new QFormLayout;
    fields->addRow(tr("Sound file path:"), pathRow);
    fields->addRow(tr("Event:"), m_soundKey);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_soundList, 1);
    layout->addLayout(fields);
    connect(m_soundList, &QTreeWidget::itemSelectionChanged, this, &frmOptions::showSelectedSound);
    connect(choose, &QPushButton::clicked, this, &frmOptions::cmdSoundPath_Click);
    connect(m_soundDefault, &QPushButton::clicked, this, &frmOptions::cmdSoundDefault_Click);
    return page;
}

QWidget *frmOptions::buildTools()
{
    auto *page = new QWidget;
    m_toolList = makeList(u"lsvApps"_s, { tr("Name"), tr("Path"), tr("Commandline") }, page);
    m_toolFields = { makeField(u"txtAppName"_s, page), makeField(u"txtAppPath"_s, page),
        makeField(u"txtAppCommandLine"_s, page) };
    QPushButton *choose = PushButtons::make(tr("..."), u"cmdAppPath"_s, page, tr("Choose the program"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_toolFields[1], 1);
    pathRow->addWidget(choose);
    auto *fields = new QFormLayout;
    fields->addRow(tr("Name:"), m_toolFields[0]);
    fields->addRow(tr("Path:"), pathRow);
    fields->addRow(tr("Commandline:"), m_toolFields[2]);
    auto *buttons = new QHBoxLayout;
    const QString captions[3] = { tr("Add"), tr("Update"), tr("Remove") };
    for (int i = 0; i < 3; ++i) {
        m_toolButtons[i] = PushButtons::make(captions[i], u"cmdAppCustom"_s, page, {}, i);
        buttons->addWidget(m_toolButtons[i]);
        connect(m_toolButtons[i], &QPushButton::clicked, this, [this, i] { cmdAppCustom_Click(i); });
    }
    buttons->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_toolList, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    connect(m_toolList, &QTreeWidget::itemSelectionChanged, this, &frmOptions::showSelectedTool);
    m_toolList->viewport()->installEventFilter(this);
    connect(choose, &QPushButton::clicked, this, &frmOptions::cmdAppPath_Click);
    return page;
}

QWidget *frmOptions::buildCaptions()
{
    auto *page = new QWidget;
    m_captionList = makeList(u"lsvLabelCaptions"_s, { tr("Label"), tr("Caption") }, page);
    const FrameLabels names = FrameLabels::defaults();
    for (QString FrameLabels::*member : kCaptionMembers)
        new QTreeWidgetItem(m_captionList, { names.*member, QString() });
    m_caption = makeField(u"txtCaption"_s, page);
    QPushButton *set = PushButtons::make(tr("Set caption"), u"cmdCaption"_s, page, tr("Caption the selected label"));
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Caption:"), page));
    row->addWidget(m_caption, 1);
    row->addWidget(set);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_captionList, 1);
    layout->addLayout(row);
    connect(set, &QPushButton::clicked, this, &frmOptions::cmdCaption_Click);
    return page;
}

void frmOptions::init(const OptionsValues &values)
{
    m_values = values;
    const CampaignOptions &options = values.options;
    const bool boxes[GeneralBoxCount]
        = { values.openLastCampaign, options.showMoons, options.tipFlag, options.soundsOn, options.saveOnClose };
    for (int i = 0; i < GeneralBoxCount; ++i)
        m_general[i]->setChecked(boxes[i]);
    m_interval->setText(QString::number(options.autosaveInterval));
    m_autoSave->setChecked(options.timedSave);
    chkAutoSave_Toggled(options.timedSave);

    m_soundList->clear();
    for (int e = 0; e < SoundCues::Count; ++e)
        new QTreeWidgetItem(m_soundList, { SoundCues::key(SoundEvent(e)), options.soundPath(SoundEvent(e)) });
    showSelectedSound();
    showTools();
    for (int row = 0; row < 4; ++row)
        m_captionList->topLevelItem(row)->setText(1, values.labels.*kCaptionMembers[row]);
}

OptionsValues frmOptions::values() const
{
    OptionsValues values = m_values;
    CampaignOptions &options = values.options;
    values.openLastCampaign = m_general[LastCampaign]->isChecked();
    options.showMoons = m_general[ShowMoons]->isChecked();
    options.tipFlag = m_general[Tips]->isChecked();
    options.soundsOn = m_general[Sounds]->isChecked();
    options.saveOnClose = m_general[SaveOnClose]->isChecked();
    options.timedSave = m_autoSave->isChecked();
    options.autosaveInterval = interval();
    for (int e = 0; e < SoundCues::Count && e < m_soundList->topLevelItemCount(); ++e)
        options.setSoundPath(SoundEvent(e), m_soundList->topLevelItem(e)->text(1));
    for (int row = 0; row < 4; ++row)
        values.labels.*kCaptionMembers[row] = m_captionList->topLevelItem(row)->text(1);
    return values;
}

// What the field holds, or the interval it was opened with while it holds no number.
int frmOptions::interval() const
{
    bool ok = false;
    const int minutes = m_interval->text().toInt(&ok);
    return ok && minutes >= 1 ? minutes : m_values.options.autosaveInterval;
}

void frmOptions::chkAutoSave_Toggled(bool on)
{
    m_interval->setEnabled(on);
    for (QWidget *widget : { static_cast<QWidget *>(m_intervalLabels[0]), static_cast<QWidget *>(m_intervalLabels[1]),
             static_cast<QWidget *>(m_arrows[0]), static_cast<QWidget *>(m_arrows[1]) })
        widget->setEnabled(on);
}

void frmOptions::cmdAutosaveUp_Click() { m_interval->setText(QString::number(OptionsRules::intervalUp(interval()))); }

void frmOptions::cmdAutosaveDown_Click()
{
    m_interval->setText(QString::number(OptionsRules::intervalDown(interval())));
}

void frmOptions::showSelectedSound()
{
    const int row = selectedRow(m_soundList);
    m_soundKey->setText(row < 0 ? QString() : m_soundList->topLevelItem(row)->text(0));
    m_soundPath->setText(row < 0 ? QString() : m_soundList->topLevelItem(row)->text(1));
    m_soundDefault->setEnabled(row >= 0);
}

void frmOptions::cmdSoundDefault_Click()
{
    m_sounds.play(SoundEvent::Click);
    const int row = selectedRow(m_soundList);
    if (row < 0)
        return;
    m_soundList->topLevelItem(row)->setText(1, QString());
    m_soundPath->clear();
}

void frmOptions::cmdSoundPath_Click()
{
    m_sounds.play(SoundEvent::Click);
    FileDialogRequest request;
    request.title = tr("Select WAV file");
    request.filter = tr("WAV sound file (*.wav)|*.wav");
    request.initialFolder = m_folder.file(u"\\Sounds"_s);
    request.fileMustExist = true;
    // The working folder is the platform dialog's own business: it never changes ours.
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    const std::optional<QString> shortPath = OptionsRules::soundShortPath(m_folder, chosen.path);
    if (!shortPath) {
        m_platform.information(OptionsRules::soundOutsideTitle(), OptionsRules::soundOutsideText());
        return;
    }
    const int row = selectedRow(m_soundList);
    if (row >= 0)
        m_soundList->topLevelItem(row)->setText(1, *shortPath);
    m_soundPath->setText(*shortPath);
    m_soundPath->setFocus();
}

void frmOptions::showTools()
{
    m_toolList->clear();
    for (const CustomTool &tool : m_values.tools)
        new QTreeWidgetItem(m_toolList, { tool.name, tool.path, tool.commandLine });
    showSelectedTool();
}

void frmOptions::showSelectedTool()
{
    const int row = selectedRow(m_toolList);
    if (row >= 0) {
        const CustomTool &tool = m_values.tools.at(row);
        m_toolFields[0]->setText(tool.name);
        m_toolFields[1]->setText(tool.path);
        m_toolFields[2]->setText(tool.commandLine);
    }
    m_toolButtons[AddTool]->setEnabled(row < 0);
    m_toolButtons[UpdateTool]->setEnabled(row >= 0);
    m_toolButtons[RemoveTool]->setEnabled(row >= 0);
}

CustomTool frmOptions::toolFields() const
{
    return { m_toolFields[0]->text(), m_toolFields[1]->text(), m_toolFields[2]->text() };
}

void frmOptions::cmdAppPath_Click()
{
    m_sounds.play(SoundEvent::Click);
    FileDialogRequest request;
    request.title = tr("Select Application to Run");
    request.filter = tr("Executable (*.exe)|*.exe|Excel WorkBook (*.xls)|*.xls|All (*.*)|*.*");
    request.fileMustExist = true;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (chosen.accepted())
        m_toolFields[1]->setText(m_folder.storedPath(chosen.path));
}

void frmOptions::cmdAppCustom_Click(int index)
{
    m_sounds.play(SoundEvent::Click);
    const int row = selectedRow(m_toolList);
    // Add is for nothing selected (with an entry selected, its fields update it); Update and
    // Remove act on the selected entry.
    if ((index == AddTool) != (row < 0))
        return;
    if (index == AddTool) {
        if (!OptionsRules::addTool(m_values.tools, toolFields())) {
            m_platform.information(OptionsRules::duplicateTitle(), OptionsRules::duplicateText());
            return;
        }
    } else if (index == UpdateTool) {
        m_values.tools[row] = toolFields();
    } else {
        m_values.tools.removeAt(row);
    }
    showTools();
}

// A click on the empty part of the tools list clears its selection, so that Add is in reach
// again once an entry has been looked at.
bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_toolList->viewport() && event->type() == QEvent::MouseButtonPress
        && !m_toolList->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        m_toolList->clearSelection();
    return QDialog::eventFilter(watched, event);
}

void frmOptions::cmdCaption_Click()
{
    m_sounds.play(SoundEvent::Click);
    const int row = selectedRow(m_captionList);
    if (row < 0)
        return;
    m_captionList->topLevelItem(row)->setText(1, m_caption->text());
    m_caption->clear();
    m_captionList->setFocus();
}

} // namespace Velmora
