#pragma once

#include "gui/options/OptionsValues.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace Velmora {

class AppFolder;
class Platform;
class SoundCuePlayer;

/// The options dialog: the General, Sounds, Custom Tools and Label Captions pages of tbsOptions.
/// init() fills the pages; Apply and OK hand the pages back (applied()), OK then closes, Cancel
/// closes without applying. "Reset lists..." asks for the list-layout reset window.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    enum GeneralBox { LastCampaign, ShowMoons, Tips, Sounds, SaveOnClose, GeneralBoxCount };
    enum ToolButton { AddTool, UpdateTool, RemoveTool };

    frmOptions(Platform &platform, const SoundCuePlayer &sounds, const AppFolder &folder, QWidget *parent = nullptr);

    void init(const OptionsValues &values);
    /// The pages as they stand.
    OptionsValues values() const;

    void cmdAutosaveUp_Click();
    void cmdAutosaveDown_Click();
    void cmdSoundPath_Click();
    void cmdSoundDefault_Click();
    void cmdAppPath_Click();
    void cmdAppCustom_Click(int index);
    void cmdCaption_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void applied(const Velmora::OptionsValues &values);
    void resetListsRequested();

private:
    QWidget *buildGeneral();
    QWidget *buildSounds();
    QWidget *buildTools();
    QWidget *buildCaptions();
    void chkAutoSave_Toggled(bool on);
    void showSelectedSound();
    void showSelectedTool();
    void showTools();
    CustomTool toolFields() const;
    int interval() const;

    Platform &m_platform;
    const SoundCuePlayer &m_sounds;
    const AppFolder &m_folder;
    OptionsValues m_values; ///< what init() gave, with the pages' lists edited in place
    QTabWidget *m_tabs;
    std::array<QCheckBox *, GeneralBoxCount> m_general {};
    QCheckBox *m_autoSave = nullptr;
    QLineEdit *m_interval = nullptr;
    std::array<QLabel *, 2> m_intervalLabels {};
    std::array<QToolButton *, 2> m_arrows {};
    QTreeWidget *m_soundList = nullptr;
    QLineEdit *m_soundKey = nullptr;
    QLineEdit *m_soundPath = nullptr;
    QPushButton *m_soundDefault = nullptr;
    QTreeWidget *m_toolList = nullptr;
    std::array<QLineEdit *, 3> m_toolFields {};
    std::array<QPushButton *, 3> m_toolButtons {};
    QTreeWidget *m_captionList = nullptr;
    QLineEdit *m_caption = nullptr;
};

} // namespace Velmora
