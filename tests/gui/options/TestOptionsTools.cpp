#include "core/persistence/CampaignModel.h"
#include "gui/calendar/CalendarTools.h"
#include "gui/documents/ReferenceTools.h"
#include "gui/options/OptionsTools.h"
#include "gui/options/PictureBox.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ProgramSwitches.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RunningProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The main window's switches, as the options dialog sees them.
struct Switches : ProgramSwitches
{
    CampaignOptions options = CampaignOptions::defaults();
    bool openLast = false;
    CampaignOptions switches() const override { return options; }
    bool openLastCampaign() const override { return openLast; }
    void applySwitches(const CampaignOptions &given, bool last) override
    {
        options = given;
        openLast = last;
    }
};

// The options tools (and the calendar's and the reference lists', which captions and the reset
// reach) on a host, with a new campaign applied.
struct Program : FakeHost
{
    Switches switches;
    OptionsTools tools { *this };
    CalendarTools calendar { *this };
    ReferenceTools references { *this };
    CampaignModel model = CampaignModel::newCampaign();

    Program()
    {
        services().provide<ProgramSwitches>(&switches);
        apply(tools, model);
        apply(calendar, model);
        apply(references, model);
        showTab(MainTab::Resources);
    }
    // Runs the options dialog: `steps` act on it, then `button` closes or applies.
    void options(const std::function<void(QDialog &)> &steps, const QString &button = u"cmdOK"_s)
    {
        scripted.answerDialog([steps, button](QDialog &dialog) {
            steps(dialog);
            requireChild<QAbstractButton>(dialog, button)->click();
            return dialog.result();
        });
        requireChild<QAction>(*this, u"mnuToolsOptions"_s)->trigger();
    }
    CampaignModel collected()
    {
        CampaignModel saved = model;
        collect(tools, saved);
        collect(calendar, saved);
        collect(references, saved);
        return saved;
    }
};

template <typename T = QWidget> T *in(QDialog &dialog, const QString &name, int index = -1)
{
    return requireChild<T>(dialog, name, index);
}

void select(QDialog &dialog, const QString &list, int row)
{
    QTreeWidget *tree = in<QTreeWidget>(dialog, list);
    tree->setCurrentItem(tree->topLevelItem(row));
}

} // namespace

class TestOptionsTools : public QObject
{
    Q_OBJECT

private slots:
    void autosaveFrame()
    {
        Program p;
        p.options([](QDialog &d) {
            auto *field = in<QLineEdit>(d, u"txtAutosave"_s);
            QVERIFY(!field->isEnabled());
            QVERIFY(!in(d, u"cmdAutosaveUp"_s)->isEnabled());
            QVERIFY(!in(d, u"lblAutosave"_s, 1)->isEnabled());
            in<QCheckBox>(d, u"chkAutoSave"_s)->setChecked(true);
            QVERIFY(field->isEnabled());
            field->setText(u"15"_s);
            in<QAbstractButton>(d, u"cmdAutosaveUp"_s)->click();
            QCOMPARE(field->text(), u"15"_s);
            field->setText(u"6"_s);
            in<QAbstractButton>(d, u"cmdAutosaveDown"_s)->click();
            in<QAbstractButton>(d, u"cmdAutosaveDown"_s)->click();
            QCOMPARE(field->text(), u"5"_s);
            QCOMPARE(in(d, u"cmdAutosaveDown"_s)->toolTip(), u"Minimal time: 5 mins"_s);
        });
        QVERIFY(p.switches.options.timedSave);
        QCOMPARE(p.switches.options.autosaveInterval, 5);
        QVERIFY(p.campaignSession().isModified());
    }

    void customTools()
    {
        Program p;
        p.options([](QDialog &d) {
            const QStringList fields { u"txtAppName"_s, u"txtAppPath"_s, u"txtAppCommandLine"_s };
            const QStringList values { u"Sheet"_s, u"/bin/calc"_s, u"-a"_s };
            for (int i = 0; i < 3; ++i)
                in<QLineEdit>(d, fields[i])->setText(values[i]);
            in<QAbstractButton>(d, u"cmdAppCustom"_s, 0)->click();
            in<QLineEdit>(d, u"txtAppCommandLine"_s)->setText(u"-b"_s);
            in<QAbstractButton>(d, u"cmdAppCustom"_s, 0)->click();
            in<QAbstractButton>(d, u"cmdAppCustom"_s, 0)->click();
            auto *list = in<QTreeWidget>(d, u"lsvApps"_s);
            QCOMPARE(list->topLevelItemCount(), 2);
            // With an entry selected its fields update it; a click beside the entries adds again.
            in<QTabWidget>(d, u"tbsOptions"_s)->setCurrentIndex(2);
            d.show();
            select(d, u"lsvApps"_s, 1);
            QVERIFY(!in(d, u"cmdAppCustom"_s, 0)->isEnabled());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(4, list->viewport()->height() - 4));
            QVERIFY(in(d, u"cmdAppCustom"_s, 0)->isEnabled());
        });
        QCOMPARE(p.scripted.trace().filter(u"message"_s),
            QStringList { u"message Duplicate Found: An exact duplicate exists."_s });
        // A command starts the first tool of its caption.
        requireChild<QAction>(p, u"mnuToolsCustom"_s, 1)->trigger();
        QCOMPARE(p.scripted.trace().last(), u"shell /bin/calc -a"_s);
        QCOMPARE(p.collected().tools.size(), 2);
    }

    void soundOutsideTheSoundsFolderIsRefused()
    {
        Program p;
        p.home.write(u"Sounds/Gong.wav"_s, "RIFF");
        p.scripted.answerFile(p.home.file(u"Gong.wav"_s));
        p.scripted.answerFile(p.home.file(u"Sounds/Gong.wav"_s));
        p.options(
            [](QDialog &d) {
                select(d, u"lsvSounds"_s, 1);
                in<QAbstractButton>(d, u"cmdSoundPath"_s)->click();
                QCOMPARE(in<QLineEdit>(d, u"txtSoundPath"_s)->text(), QString());
                in<QAbstractButton>(d, u"cmdSoundPath"_s)->click();
            },
            u"cmdApply"_s);
        QCOMPARE(p.scripted.trace().filter(u"message"_s),
            QStringList {
                u"message Velmora OPtions: The sound file must be in the application 'Sounds' sub-directory."_s });
        QCOMPARE(p.scripted.callsOf(ScriptedPlatform::Kind::OpenFile).at(0).request.title, u"Select WAV file"_s);
        QCOMPARE(p.switches.options.soundPath(SoundEvent::Click), u"\\Sounds\\Gong.wav"_s);
    }

    void captionsRetitleTheListFrames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Apply") << u"cmdApply"_s;
        QTest::newRow("OK") << u"cmdOK"_s;
    }

    void captionsRetitleTheListFrames()
    {
        QFETCH(QString, button);
        const QStringList captions { u"Sites"_s, u"Papers"_s, u"Tomes"_s, u"Webs"_s };
        Program p;
        p.options(
            [&captions](QDialog &d) {
                for (int row = 0; row < 4; ++row) {
                    select(d, u"lsvLabelCaptions"_s, row);
                    in<QLineEdit>(d, u"txtCaption"_s)->setText(captions[row]);
                    in<QAbstractButton>(d, u"cmdCaption"_s)->click();
                }
                QVERIFY(in<QLineEdit>(d, u"txtCaption"_s)->text().isEmpty());
            },
            button);
        QStringList titles;
        for (int list = 2; list <= 5; ++list)
            titles << requireChild<QGroupBox>(p, u"fraList"_s, list)->title();
        QCOMPARE(titles, captions);
        QCOMPARE(p.collected().labels.netBooks, u"Tomes"_s);
    }

    void pictures()
    {
        Program p;
        auto *picture = p.findChild<PictureBox *>(u"PictureImage"_s);
        QVERIFY(picture);
        // A campaign naming a picture that is gone shows the built-in one.
        p.model.images[0].path = p.home.file(u"gone.png"_s);
        p.apply(p.tools, p.model);
        QVERIFY(picture->showsBuiltIn());
        p.scripted.answerFile(QString());
        picture->replace();
        QVERIFY(!p.campaignSession().isModified());
        QCOMPARE(p.collected().images, p.model.images);

        p.home.write(u"Pictures/Mine.png"_s, {});
        QImage(4, 3, QImage::Format_RGB32).save(p.home.file(u"Pictures/Mine.png"_s));
        p.scripted.answerFile(p.home.file(u"Pictures/Mine.png"_s));
        picture->replace();
        QVERIFY(!picture->showsBuiltIn());
        QVERIFY(p.campaignSession().isModified());
        QCOMPARE(p.collected().images[0].path, u"\\Pictures\\Mine.png"_s);
        picture->resize(300, 200);
        picture->showSize();
        QCOMPARE(p.scripted.calls().last().text,
            u"Picture dimensions in pixels (W * H) are 300 * 200\r\nProportions (W/H) are 1.5"_s);
    }

    void resetWindowRestoresDefaultWidths()
    {
        Program p;
        p.model.layout.columns(LayoutList::Moons) = { 1, 2, 3, 4 };
        p.model.layout.columns(LayoutList::Articles) = { 1500, 1500 };
        p.apply(p.calendar, p.model);
        p.apply(p.references, p.model);
        QStringList listed;
        p.options(
            [&p, &listed](QDialog &d) {
                p.scripted.answerDialog([&listed](QDialog &window) {
                    for (LayoutList list : { LayoutList::Moons, LayoutList::Articles }) {
                        listed << in<QCheckBox>(window, u"chkList"_s, int(list))->text();
                        in<QCheckBox>(window, u"chkList"_s, int(list))->setChecked(true);
                    }
                    in<QAbstractButton>(window, u"cmdReset"_s)->click();
                    return window.result();
                });
                in<QAbstractButton>(d, u"cmdResetLists"_s)->click();
            },
            u"cmdCancel"_s);
        QCOMPARE(listed, (QStringList { u"Moons"_s, u"Articles"_s }));
        const QList<float> articles = ListLayout::initialWidths()[size_t(LayoutList::Articles)];
        QTreeView *view = requireChild<QTreeView>(p, u"lsvClass"_s, 3);
        QCOMPARE(view->columnWidth(0), ListLayout::toPixels(articles[0]));
        QVERIFY(view->isColumnHidden(1));
        QCOMPARE(p.collected().layout.columns(LayoutList::Articles), articles);
        QCOMPARE(p.collected().layout.columns(LayoutList::Moons), ListLayout::initialWidths()[0]);
        QVERIFY(p.campaignSession().isModified());
    }

    // Through the whole program: the next click after OK plays the chosen sound, a chosen sound
    // that is gone falls back to the shipped one, and "Default" goes back to the shipped one.
    void theNextClickPlaysTheChosenSound()
    {
        RunningProgram program;
        const QString gong = program.home.write(u"Sounds/Gong.wav"_s, "RIFF");
        const auto options = [&program](const std::function<void(QDialog &)> &steps) {
            program.platform.answerDialog([steps](QDialog &d) {
                select(d, u"lsvSounds"_s, int(SoundEvent::Click));
                steps(d);
                in<QAbstractButton>(d, u"cmdOK"_s)->click();
                return d.result();
            });
            requireChild<QAction>(program.form, u"mnuToolsOptions"_s)->trigger();
        };
        program.platform.answerFile(gong);
        options([](QDialog &d) { in<QAbstractButton>(d, u"cmdSoundPath"_s)->click(); });
        options([](QDialog &) {});
        QFile::remove(gong);
        options([](QDialog &d) {
            in<QAbstractButton>(d, u"cmdSoundDefault"_s)->click();
            QCOMPARE(in<QLineEdit>(d, u"txtSoundPath"_s)->text(), QString());
        });
        program.home.write(u"Sounds/Gong.wav"_s, "RIFF");
        options([](QDialog &) {});
        const QString click = u"Click.wav"_s;
        QCOMPARE(program.platform.sounds(), (QStringList { click, click, u"Gong.wav"_s, click, click, click }));
    }
};

QTEST_MAIN(TestOptionsTools)
#include "TestOptionsTools.moc"
