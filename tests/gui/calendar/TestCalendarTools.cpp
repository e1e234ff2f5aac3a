#include "gui/calendar/CalendarTools.h"

#include "core/persistence/Campaign.h"
#include "gui/calendar/ucAgenda.h"
#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The calendar's tools on a host of their own, with a new campaign applied.
struct Program : FakeHost
{
    CalendarTools tools{*this};
    CampaignModel model = CampaignModel::newCampaign();

    Program() { apply(tools, model); }

    template<typename T = QWidget>
    T *get(const QString &name, int index = -1) { return requireChild<T>(*this, name, index); }
    QString text(const QString &name) { return get<QLineEdit>(name)->text(); }
    void click(const QString &name) { get<QAbstractButton>(name)->click(); }
    ucAgenda &agenda(int index) { return tools.agenda(index); }
    bool modified() { return campaignSession().isModified(); }
    QRadioButton *climate(int index) { return get<QRadioButton>(u"optClimate"_s, index); }
    QAction *collate() { return get<QAction>(u"mnuToolsCollate"_s); }
    // The model as a save would write it.
    CampaignModel collected()
    {
        CampaignModel saved = model;
        collect(tools, saved);
        return saved;
    }

    // What the calendar's tools show, in one list for comparing.
    QStringList shown()
    {
        QStringList months;
        const QComboBox *combo = get<QComboBox>(u"MonthCombo"_s);
        for (int i = 0; i < combo->count(); ++i)
            months << combo->itemText(i);
        return QStringList{months.join(u',')}
            << text(u"YearText"_s) << combo->currentText() << text(u"DateText"_s) << text(u"HourText"_s)
            << text(u"MinuteText"_s) << (get<QRadioButton>(u"PMOption"_s)->isChecked() ? u"PM"_s : u"AM"_s)
            << get<QLabel>(u"lblYYYYMMDD"_s)->text() << get<QLabel>(u"WeatherLabel"_s)->text()
            << QString::number(climate(2)->isChecked()) << items(agenda(0).GetEntries())
            << items(agenda(1).GetEntries());
    }
    static QStringList items(const QList<DatedLine> &entries)
    {
        QStringList lines;
        for (const DatedLine &entry : entries)
            lines << entry.toItem();
        return lines;
    }
};

} // namespace

class TestCalendarTools : public QObject
{
    Q_OBJECT

private slots:
    void savedCampaignComesBackTheSame()
    {
        Program p;
        QVERIFY(!p.findChild<QLabel *>(u"lblComingLater0"_s));
        QVERIFY(p.findChild<QLabel *>(u"lblComingLaterAgenda"_s)); // built when first in front
        QVERIFY(p.findChild<QLabel *>(u"lblComingLaterStatistics"_s));

        // Three months and a festival of five days, starting on February 14, 1372.
        p.scripted.answerDialog([](QDialog &wizard) {
            auto *count = requireChild<QLineEdit>(wizard, u"CampaignMonthsText"_s);
            count->setText(u"3"_s);
            QTest::keyClick(count, Qt::Key_Return);
            requireChild<QLineEdit>(wizard, u"txtMonthName"_s)->setText(u"Festival"_s);
            requireChild<QLineEdit>(wizard, u"txtMonthLen"_s)->setText(u"5"_s);
            requireChild<QPushButton>(wizard, u"cmdMonthNameAdd"_s)->click();
            requireChild<QLineEdit>(wizard, u"txtYear"_s)->setText(u"1372"_s);
            requireChild<QComboBox>(wizard, u"cboMonth"_s)->setCurrentText(u"February"_s);
            requireChild<QComboBox>(wizard, u"cboDay"_s)->setCurrentText(u"14"_s);
            requireChild<QPushButton>(wizard, u"cmdOK"_s)->click();
            return int(wizard.result());
        });
        p.click(u"CalendarWizardCommand"_s);
        QCOMPARE(p.get<QLabel>(u"lblYYYYMMDD"_s)->text(), u"1372:2:14"_s);
        QCOMPARE(p.get<QLabel>(u"lblStartDate"_s)->text(), u"February 14, 1372"_s);
        const QTabBar *months = requireChild<QTabBar>(p.agenda(1), u"tbsMonth"_s);
        QCOMPARE(months->count(), 4);
        QCOMPARE(months->tabText(3), u"Festival"_s);
        QVERIFY(p.modified());

        // A moon whose first full moon is on the 3rd of the first month, shown in the agendas.
        p.scripted.answerDialog([](QDialog &moons) {
            requireChild<QLineEdit>(moons, u"txtName"_s)->setText(u"Selune"_s);
            requireChild<QComboBox>(moons, u"cboDay"_s)->setCurrentText(u"3"_s);
            requireChild<QPushButton>(moons, u"cmdAdd"_s)->click();
            requireChild<QCheckBox>(moons, u"chkShowMoons"_s)->setChecked(true);
            requireChild<QPushButton>(moons, u"cmdDone"_s, 0)->click();
            return int(moons.result());
        });
        p.click(u"cmdMoons"_s);
        QCOMPARE(p.tools.moons().size(), 1);
        QCOMPARE(p.tools.moons().at(0).toItem(), u"Selune;8;1372:1:3"_s);
        QVERIFY(p.tools.showMoons());
        QCOMPARE(p.agenda(0).book().PhaseAt(0, 1, 3), 1);

        // The clock two days on and one minute back, a desert, and a line in each agenda.
        p.scripted.scriptedRandom().script({0.10f, 0.75f, 0.995f});
        p.click(u"DateUpCommand"_s);
        p.click(u"DateUpCommand"_s);
        p.click(u"MinuteDownCommand"_s);
        p.climate(2)->click();
        QCOMPARE(p.get<QLabel>(u"WeatherLabel"_s)->text(), u"Downpour"_s);
        QVERIFY(p.agenda(0).book().SetText(2, 14, u"Council meets\nat dawn"_s));
        QVERIFY(p.agenda(1).book().SetText(4, 5, u"Feast of the moon"_s));
        const QStringList before = p.shown();
        QCOMPARE(before.mid(1, 6), (QStringList{u"2007"_s, u"January"_s, u"3"_s, u"11"_s, u"59"_s, u"AM"_s}));

        const QString path = p.home.file(u"Sky.vlf"_s);
        Campaign saved(p.home.folder());
        saved.model = p.collected();
        QVERIFY(saved.SaveCampaign(path, false));

        // Opened again: the same tools, without a roll of the dice or a modified mark.
        Program q;
        Campaign opened(q.home.folder());
        QVERIFY(opened.LoadCampaignFile(path).readable);
        q.apply(q.tools, opened.model);
        QCOMPARE(q.shown(), before);
        QCOMPARE(q.scripted.scriptedRandom().calls, 0);
        QVERIFY(!q.modified());
        QCOMPARE(q.tools.moons(), p.tools.moons());
        QVERIFY(q.tools.showMoons());

        // Saved again from the tools, and resaved without them: the same bytes. (The town, empty
        // since the campaign was new, moves to the end of the file at this first resave.)
        q.collect(q.tools, opened.model);
        QVERIFY(opened.SaveCampaign(q.home.file(u"Again.vlf"_s), false));
        Campaign resave(q.home.folder());
        QVERIFY(resave.LoadCampaignFile(path, {}).readable);
        QVERIFY(resave.SaveCampaign(q.home.file(u"Resaved.vlf"_s), false));
        QCOMPARE(q.home.read(u"Resaved.vlf"_s), q.home.read(u"Again.vlf"_s));
    }

    void cancelledDialogsChangeNothing()
    {
        Program p;
        const QStringList before = p.shown();
        p.click(u"CalendarWizardCommand"_s);
        p.click(u"cmdMoons"_s);
        const QList<QAction *> tools = p.menu(MainMenu::Tools)->actions();
        QCOMPARE(tools.size(), 2);
        QCOMPARE(tools.at(0)->objectName(), u"mnuToolsCalendar"_s);
        QCOMPARE(tools.at(1)->objectName(), u"mnuToolsCollate"_s);
        tools.at(0)->trigger();
        QCOMPARE(p.scripted.trace(), (QStringList{u"sound Click.wav"_s, u"dialog CalendarWizardForm"_s,
                                                  u"sound Click.wav"_s, u"dialog frmMoons"_s, u"sound Click.wav"_s,
                                                  u"dialog CalendarWizardForm"_s}));
        QCOMPARE(p.shown(), before);
        QVERIFY(!p.modified());
    }

    void collateMenu()
    {
        Program p;
        auto *strip = p.get<QTabWidget>(u"sstbUser"_s);
        const auto menu = [&p] { return std::pair{p.collate()->text(), p.collate()->isEnabled()}; };
        QCOMPARE(menu(), std::pair(u"Collate Agenda ToDo list"_s, false));

        QVERIFY(p.agenda(1).book().SetText(1, 2, u"Midwinter"_s));
        strip->setCurrentIndex(1);
        QCOMPARE(menu(), std::pair(u"Collate Almanach Event list"_s, true));
        strip->setCurrentIndex(2);
        QCOMPARE(menu(), std::pair(u"Collate Agenda ToDo list"_s, false));
        strip->setCurrentIndex(0);
        QCOMPARE(menu(), std::pair(u"Collate Agenda ToDo list"_s, false));

        strip->setCurrentIndex(1);
        QString report;
        p.scripted.answerDialog([&report](QDialog &window) {
            report = requireChild<QTextEdit>(window, u"rtbReport"_s)->toPlainText();
            return int(QDialog::Accepted);
        });
        p.collate()->trigger();
        QCOMPARE(p.scripted.callsOf(ScriptedPlatform::Kind::Dialog).at(0).title, u"Almanach Event List"_s);
        QVERIFY2(report.contains(u"Campaign file: ;   2007/January/1"_s), qPrintable(report));
        QVERIFY2(report.contains(u"2007:January:2\n     Midwinter"_s), qPrintable(report));
    }

    void calendarPictureGoesWithTheCampaign()
    {
        // A picture chosen in the wizard stays with the campaign even when the wizard is cancelled.
        Program p;
        const QString picture = p.home.file(u"castle.png"_s);
        QImage(4, 3, QImage::Format_RGB32).save(picture);
        p.scripted.answerFile(picture);
        p.scripted.answerDialog([](QDialog &wizard) {
            QTest::mouseClick(requireChild<QWidget>(wizard, u"CalendarWizardImage"_s), Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        p.click(u"CalendarWizardCommand"_s);
        QVERIFY(p.modified());
        const CampaignModel model = p.collected();
        const auto calendar = std::find_if(model.images.cbegin(), model.images.cend(),
                                           [](const ImageEntry &image) { return image.key == u"calendar"_s; });
        QVERIFY(calendar != model.images.cend());
        QCOMPARE(calendar->path, picture);
        QCOMPARE(model.images.size(), p.model.images.size());
    }

    void shorterCalendarKeepsTheClockOnADay()
    {
        // December 31 in a calendar of three months: the last day of the last month.
        Program p;
        CampaignClock &clock = p.tools.clock();
        clock.selectMonth(11);
        clock.setDayText(u"31"_s);
        p.scripted.answerDialog([](QDialog &wizard) {
            auto *count = requireChild<QLineEdit>(wizard, u"CampaignMonthsText"_s);
            count->setText(u"3"_s);
            QTest::keyClick(count, Qt::Key_Return);
            requireChild<QPushButton>(wizard, u"cmdOK"_s)->click();
            return int(wizard.result());
        });
        p.click(u"CalendarWizardCommand"_s);
        QCOMPARE(p.get<QComboBox>(u"MonthCombo"_s)->currentText(), u"March"_s);
        QCOMPARE(p.text(u"DateText"_s), u"31"_s);
        QCOMPARE(clock.currentDate(), u"2007:3:31"_s);

        // Scrolling the Agenda's year restamps its entries: the campaign has changed.
        p.campaignSession().markClean();
        requireChild<QPushButton>(p.agenda(0), u"cmdScrollY"_s, 1)->click();
        QVERIFY(p.modified());
        QCOMPARE(p.collected().agendaYearShown, u"2008"_s); // the year the save stamps the entries with
    }

    void textStillBeingTypedIsSaved()
    {
        Program p;
        p.get<QTabWidget>(u"VelmoraTab"_s)->setCurrentIndex(1);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QTreeView *january = requireChild<QTreeView>(p.agenda(0), u"lsvAgenda"_s, 1);
        const QRect cell = january->visualRect(january->model()->index(1, 1));
        QTest::mouseClick(january->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClicks(requireChild<QWidget>(p.agenda(0), u"txtEdit"_s), u"Buy rope"_s);

        QCOMPARE(p.collected().agenda.value(0).toItem(), u"2007:1:2;Buy rope"_s);
    }

    void layoutOfTheCampaignIsApplied()
    {
        // The page of the user strip and the moon list's column widths come from the campaign; a
        // column the user resizes goes back to it, the others keep their exact values.
        Program p;
        CampaignModel model = CampaignModel::newCampaign();
        model.layout.sstbUser = 1;
        model.layout.columns(LayoutList::Moons) = {2000.5f, 1500.f, 0.f, 900.f};
        p.apply(p.tools, model);
        QCOMPARE(p.currentPage(TabStrip::User), StripPage::UserAlmanach);
        QCOMPARE(p.collate()->text(), u"Collate Almanach Event list"_s);

        QList<int> shown;
        p.scripted.answerDialog([&shown](QDialog &moons) {
            auto *list = requireChild<QTreeView>(moons, u"lsvMoons"_s);
            for (int column = 0; column < 4; ++column)
                shown << (list->isColumnHidden(column) ? 0 : list->columnWidth(column));
            list->setColumnWidth(1, 120);
            return int(QDialog::Rejected);
        });
        p.click(u"cmdMoons"_s);
        QCOMPARE(shown, (QList<int>{133, 100, 0, 60}));
        const CampaignModel saved = p.collected();
        QCOMPARE(saved.layout.columns(LayoutList::Moons), (QList<float>{2000.5f, 1800.f, 0.f, 900.f}));
        QCOMPARE(saved.layout.sstbUser, 1);
    }
};

QTEST_MAIN(TestCalendarTools)
#include "TestCalendarTools.moc"
