#pragma once

#include <QString>

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace Velmora {

class AppFolder;
class CampaignSession;
class PartServices;
class Platform;
class SoundCuePlayer;

/// The seven tabs of the main window.
enum class MainTab { Main, User, Classes, Resources, Tools, Maps, Docs };

/// The tab strips inside the main tabs, each with its pages.
enum class TabStrip { User };
enum class StripPage { UserAgenda, UserAlmanach, UserStatistics };

/// The menus of the main window's menu bar that tools fill.
enum class MainMenu { File, Maps, Dices, Tools, Help };

/// What the main window offers the tools of each subsystem, and all of it that they can reach:
/// the platform layer, the sound cues, the application folder, a parent for dialogs, places on
/// the tabs and tab strips, the toolbar and menus, the campaign session and the other parts'
/// services. The host keeps the campaign's tab choices for every strip.
class ToolHost
{
public:
    virtual ~ToolHost() = default;

    virtual Platform &platform() = 0;
    virtual const SoundCuePlayer &sounds() const = 0;
    virtual const AppFolder &folder() const = 0;
    virtual QWidget *dialogParent() = 0;
    virtual CampaignSession &campaignSession() = 0;
    virtual PartServices &services() = 0;

    /// Puts a tab's tools on its page.
    virtual void placeOnTab(MainTab tab, QWidget *tools) = 0;
    /// Brings `tab` to the front.
    virtual void showTab(MainTab tab) = 0;
    /// Puts tools on a page of a tab strip.
    virtual void placeOnPage(StripPage page, QWidget *tools) = 0;
    /// Brings `page` to the front, and its tab.
    virtual void showPage(StripPage page) = 0;
    virtual StripPage currentPage(TabStrip strip) const = 0;
    /// Calls `slot` whenever another page of `strip` comes to the front, for as long as
    /// `context` lives.
    virtual void onPageChanged(TabStrip strip, QObject *context, std::function<void()> slot) = 0;
    /// Calls `build` once, the first time `tab` is in front (at once when it is now), unless
    /// `context` has gone by then. Tools build their widgets there, so that a start-up pays only
    /// for the tab it shows.
    virtual void onFirstShown(MainTab tab, QObject *context, std::function<void()> build) = 0;
    /// The same for a page of a tab strip: in front when its tab and the page both are.
    virtual void onFirstShown(StripPage page, QObject *context, std::function<void()> build) = 0;

    /// The main toolbar's button of `key` ("New", "Open", "Save", "SaveAs", "Help", "ask"), or
    /// nullptr.
    virtual QAction *toolBarAction(const QString &key) const = 0;
    /// Adds `action` at the end of `menu`, which takes it over.
    virtual void addToMenu(MainMenu menu, QAction *action) = 0;
};

} // namespace Velmora
