#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace Velmora {

class CampaignCommands;
class CampaignSession;
class Platform;
class SessionSettings;
class SoundCuePlayer;
struct ProgramState;

/// What the program does when the main window closes: decide whether to save and save, write
/// the session settings, save the documents, close the other windows, play the close sound.
/// Errors along the way are ignored, with one exception: when the campaign could not be saved,
/// the user is asked whether to close anyway, and may keep the program open to save it
/// elsewhere rather than lose the changes.
class ClosingSequence
{
    Q_DECLARE_TR_FUNCTIONS(ClosingSequence)

public:
    ClosingSequence(ProgramState &state, CampaignSession &campaignSession, Platform &platform,
                    CampaignCommands &campaign, SessionSettings &session, const SoundCuePlayer &sounds,
                    QWidget *mainWindow);

    /// False when the campaign could not be saved and the user chose not to close: the sequence
    /// stopped before anything else happened.
    bool CloseProgram();

    static QString closeAnywayText();

    /// Asks whether to save the campaign (the closing prompt, also used by New and Open).
    /// True for Yes.
    static bool AskSaveCampaign(Platform &platform, const QString &currentPath);

private:
    void decideWhetherToSave();
    /// False when a save was tried and did not succeed.
    bool saveCampaign();
    void closeOtherWindows();

    ProgramState &m_state;
    CampaignSession &m_campaignSession;
    Platform &m_platform;
    CampaignCommands &m_campaign;
    SessionSettings &m_session;
    const SoundCuePlayer &m_sounds;
    QWidget *m_mainWindow;
};

} // namespace Velmora
