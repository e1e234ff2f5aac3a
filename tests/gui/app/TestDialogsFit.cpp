#include "gui/app/frmTip.h"
#include "gui/archive/frmArchiveBuild.h"
#include "gui/archive/frmArchiveExtract.h"
#include "gui/archive/frmDecrypt.h"
#include "gui/archive/frmVlkPassword.h"
#include "gui/calendar/AgendaReportWindow.h"
#include "gui/calendar/CalendarWizardForm.h"
#include "gui/calendar/frmMoons.h"
#include "gui/documents/frmListWebSite.h"
#include "gui/maps/frmMap.h"
#include "gui/maps/frmNote.h"
#include "gui/maps/frmObject.h"
#include "gui/maps/frmPlayer.h"
#include "gui/maps/frmWhichNote.h"
#include "gui/options/PictureShelf.h"
#include "gui/options/frmAbout.h"
#include "gui/options/frmListReset.h"
#include "gui/options/frmOptions.h"
#include "gui/search/CampaignSearchDialog.h"
#include "gui/table/frmAsk.h"
#include "gui/table/frmBBReplicate.h"
#include "gui/table/frmBattleBox.h"
#include "gui/table/frmRandom.h"
#include "gui/table/frmStats.h"
#include "gui/table/frmStatsColumns.h"
#include "gui/table/frmXP.h"
#include "support/gui/FakeHost.h"

#include "TestConfig.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

using Factory = std::function<std::unique_ptr<QDialog>(FakeHost &)>;

// The dialog built the way its constructor asks for.
template<typename Dialog> Factory make()
{
    return [](FakeHost &host) -> std::unique_ptr<QDialog> {
        if constexpr (std::is_constructible_v<Dialog, Platform &, const SoundCuePlayer &, QWidget *>)
            return std::make_unique<Dialog>(host.platform(), host.sounds(), &host);
        else if constexpr (std::is_constructible_v<Dialog, Platform &, AppFolder, QWidget *>)
            return std::make_unique<Dialog>(host.platform(), host.folder(), &host);
        else if constexpr (std::is_constructible_v<Dialog, Platform &, QWidget *>)
            return std::make_unique<Dialog>(host.platform(), &host);
        else
            return std::make_unique<Dialog>(&host);
    };
}

// Every dialog of the program, by class name. A new dialog is added here (the last test fails
// until it is).
const std::map<QString, Factory> &dialogs()
{
    static const std::map<QString, Factory> all{
        { u"frmTip"_s, [](FakeHost &host) { return std::make_unique<frmTip>(host.folder(), host.platform().random(), &host); } },
        { u"AgendaReportWindow"_s,
          [](FakeHost &host) {
              return std::make_unique<AgendaReportWindow>(host.platform(), AgendaReport::Kind::Agenda,
                                                          QList<AgendaReport::Line>(), &host);
          } },
        { u"CalendarWizardForm"_s, make<CalendarWizardForm>() },
        { u"frmMoons"_s, make<frmMoons>() },
        { u"frmMap"_s, make<frmMap>() },
        { u"frmPlayer"_s, make<frmPlayer>() },
        { u"frmObject"_s, make<frmObject>() },
        { u"frmNote"_s, make<frmNote>() },
        { u"frmWhichNote"_s, make<frmWhichNote>() },
        { u"frmAsk"_s, make<frmAsk>() },
        { u"frmBattleBox"_s, make<frmBattleBox>() },
        { u"frmBBReplicate"_s, make<frmBBReplicate>() },
        { u"frmRandom"_s, make<frmRandom>() },
        { u"frmStats"_s, make<frmStats>() },
        { u"frmStatsColumns"_s, make<frmStatsColumns>() },
        { u"frmXP"_s, make<frmXP>() },
        { u"CampaignSearchDialog"_s,
          [](FakeHost &host) {
              return std::make_unique<CampaignSearchDialog>(host, CampaignModel::newCampaign(), &host);
          } },
        { u"frmListWebSite"_s, make<frmListWebSite>() },
        { u"frmOptions"_s,
          [](FakeHost &host) {
              return std::make_unique<frmOptions>(host.platform(), host.sounds(), host.folder(), &host);
          } },
        { u"frmListReset"_s, make<frmListReset>() },
        { u"frmAbout"_s,
          [](FakeHost &host) -> std::unique_ptr<QDialog> {
              auto pictures = std::make_shared<PictureShelf>(host);
              auto about = std::make_unique<frmAbout>(host.platform(), host.folder(), *pictures, &host);
              // The shelf lives as long as the dialog.
              QObject::connect(about.get(), &QObject::destroyed, [pictures] {});
              return about;
          } },
        { u"frmDecrypt"_s, [](FakeHost &host) { return std::make_unique<frmDecrypt>(host.sounds(), &host); } },
        { u"frmVlkPassword"_s,
          [](FakeHost &host) { return std::make_unique<frmVlkPassword>(u"campaign.vlk"_s, &host); } },
        { u"frmVlkPassword, a new password"_s,
          [](FakeHost &host) {
              return std::make_unique<frmVlkPassword>(u"campaign.vlk"_s, &host, frmVlkPassword::Mode::NewPassword);
          } },
        { u"frmArchiveBuild"_s,
          [](FakeHost &host) {
              return std::make_unique<frmArchiveBuild>(host.platform(), host.folder(), CampaignModel::newCampaign(),
                                                       u"campaign.vlf"_s, u"gm"_s, &host);
          } },
        { u"frmArchiveExtract"_s,
          [](FakeHost &host) { return std::make_unique<frmArchiveExtract>(host.platform(), &host); } },
    };
    return all;
}

// "Name: 40x20 < 52x20" for a label or button with text that got less room than its text needs.
QStringList clipped(const QDialog &dialog)
{
    QStringList found;
    const auto check = [&](const QWidget *widget, QSize hint) {
        if (!widget->isVisibleTo(&dialog) || hint.isEmpty())
            return;
        if (widget->width() < hint.width() || widget->height() < hint.height())
            found << u"%1 \"%2\": %3x%4 < %5x%6"_s.arg(widget->objectName(), widget->property("text").toString())
                         .arg(widget->width()).arg(widget->height()).arg(hint.width()).arg(hint.height());
    };
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QSize hint = label->sizeHint();
        // A wrapped label needs its height for the width it got, not its one-line width.
        check(label, label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) + QSize(1, 0) : hint);
    }
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty())
            check(button, button->sizeHint());
    }
    return found;
}

} // namespace

// Every dialog at the scale the run gives (QT_SCALE_FACTOR 1 and 2, two registrations): no
// label or button shows less than its text needs.
class TestDialogsFit : public QObject
{
    Q_OBJECT

private slots:
    void noTextIsClipped_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const auto &[name, factory] : dialogs())
            QTest::newRow(qPrintable(name)) << name;
    }

    void noTextIsClipped()
    {
        QFETCH(QString, dialog);
        FakeHost host(TestHome::Shipped);
        const std::unique_ptr<QDialog> shown = dialogs().at(dialog)(host);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList found = clipped(*shown);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u"; "_s)));
    }

    // Every class of src/gui derived from QDialog, directly or through another dialog, is in
    // the list above, itself or through a class derived from it.
    void everyDialogIsListed()
    {
        std::map<QString, QString> baseOf;
        const QRegularExpression declaration(u"class\\s+(\\w+)\\s*(?:final\\s*)?:\\s*public\\s+(\\w+)"_s);
        QDirIterator headers(QStringLiteral(VELMORA_SHIPPED_DATA_DIR "/../src/gui"), { u"*.h"_s }, QDir::Files,
                             QDirIterator::Subdirectories);
        while (headers.hasNext()) {
            QFile file(headers.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto matches = declaration.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const auto match = matches.next();
                baseOf[match.captured(1)] = match.captured(2);
            }
        }
        const auto derivesFrom = [&](QString name, const QString &base) {
            while (baseOf.count(name) && name != base)
                name = baseOf[name];
            return name == base;
        };
        QStringList missing;
        for (const auto &[name, base] : baseOf) {
            if (!derivesFrom(name, u"QDialog"_s))
                continue;
            const bool listed = std::any_of(dialogs().begin(), dialogs().end(),
                                            [&](const auto &entry) { return derivesFrom(entry.first, name); });
            if (!listed)
                missing << name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(u"not in the list: "_s + missing.join(u", "_s)));
        QVERIFY(dialogs().size() >= 16);
    }
};

QTEST_MAIN(TestDialogsFit)
#include "TestDialogsFit.moc"
