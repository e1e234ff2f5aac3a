#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace Velmora {

class Platform;
class SoundCuePlayer;
class XpListModel;

/// The XP List dialog: a player's name and points, for a new entry of the list or for the one
/// being edited. The name must not be another entry's, compared without regard to case; a clash
/// is told and the dialog stays open. The caller runs it through Platform::execDialog.
class frmXP : public QDialog
{
    Q_OBJECT

public:
    frmXP(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent = nullptr);

    /// `row` -1 for a new entry; otherwise the entry edited, whose values fill the fields and
    /// whose own name does not count as a clash.
    void init(const XpListModel &list, int row);

    QString PlayerName() const;
    QString PlayerXP() const;
    QString PlayerNeededXP() const;
    bool cancelled() const { return m_cancelled; }

private:
    void refreshOk();
    void cmdDone_Click(int index);

    Platform &m_platform;
    const SoundCuePlayer &m_sounds;
    const XpListModel *m_list = nullptr;
    int m_row = -1;
    bool m_cancelled = true;
    std::array<QLineEdit *, 3> m_fields{};
    std::array<QPushButton *, 2> m_done{};
};

} // namespace Velmora
