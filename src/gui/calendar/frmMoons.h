#pragma once

#include "core/calendar/MoonEditRules.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace Velmora {

class oCalendar;
class Platform;

/// The Moons dialog: edits a copy of the campaign's moon list and the show-moons option. The
/// caller runs it through Platform::execDialog and reads the result only when not cancelled.
class frmMoons : public QDialog
{
    Q_OBJECT

public:
    explicit frmMoons(Platform &platform, QWidget *parent = nullptr);

    /// Every first full moon entered here lies in the year of the calendar's start date.
    void init(const QList<MoonRecord> &moons, const oCalendar &calendar, bool showMoons);

    /// After OK, the edited list in row order; after Cancel, the list given to init.
    QList<MoonRecord> moons() const;
    bool showMoons() const;
    bool cancelled() const { return m_cancelled; }

    void done(int result) override;

private:
    void buildWidgets();
    void resetEditArea();
    void fillDays(int keepDay);
    /// The rules' moon list into lsvMoons.
    void showList();
    /// The buttons as the rules enable them.
    void showButtons();
    void markChanged();

    void cboMonth_Click();
    void cboDay_Click();
    void cmdAdjust_Click(bool addOne);
    void cmdAdd_Click();
    void cmdCancelEdit_Click();
    void cmdRemove_Click();
    void lsvMoons_ItemClick(QTreeWidgetItem *item);

    int selectedDay() const;
    int selectedMonth() const;

    Platform &m_platform;
    MoonEditRules m_rules;
    QList<int> m_monthDays;
    QList<MoonRecord> m_original;
    bool m_originalShow = false;
    bool m_cancelled = true;
    bool m_loading = false; ///< the edit area is being filled by the program, not the user

    QTreeWidget *m_list;
    QLineEdit *m_name;
    QLineEdit *m_period;
    QPushButton *m_addOne;
    QPushButton *m_substractOne;
    QComboBox *m_month;
    QComboBox *m_day;
    QPushButton *m_add;
    QPushButton *m_cancelEdit;
    QPushButton *m_remove;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QCheckBox *m_showMoons;
};

} // namespace Velmora
